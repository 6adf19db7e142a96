#pragma once
// What the imported rows give the report window: its period and its grid.

#include "reports/values/period.h"
#include "reports/values/report_values.h"
#include "reports/values/row_set.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

struct SlkPeriodResult {
    std::optional<Period> period; // nullopt: the window keeps its period
    std::string message;          // cp1251; why the first row gives no period
};

// The period of a DD.MM.YYYY invoice date (month and year of the year list); nullopt for any
// other text.
std::optional<Period> periodOfInvoiceDate(std::string_view date);

// The month (characters 4-5) and year (7-10) of the first row's DD.MM.YYYY invoice date. A date
// that does not name a month of the year list gives no period and a message; no rows give
// neither.
SlkPeriodResult periodFromFirstRow(const RowSet& rows);

// One grid row per invoice: contract, invoice number, date and the three amounts as imported.
GridRows slkGridRows(const RowSet& rows);

} // namespace kestrelon
