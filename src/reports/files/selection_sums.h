#pragma once
// The totals of the reports selected in the report list. The amounts are added exactly in
// kopecks, so that 1500.00 and 250.50 make 1750.5 and never 1750.4999; a text that is not an
// amount is left out of its sum and counted instead of spoiling the total.

#include "report_list.h"

#include <cstddef>
#include <span>
#include <string>

namespace kestrelon {

struct SelectionSums {
    // General number texts with the system's decimal separator; "0" with nothing selected.
    std::string grossTotal = "0";
    std::string remuneration = "0";
    std::string toPrincipal = "0";
    // 6 % of the remuneration sum, exact to the hundredth of a kopeck, at most 10 characters.
    std::string sixPercent = "0";
    // "Selection - 3 (2..4)" with 1-based rows, and a note when texts were left out (cp1251);
    // empty with nothing selected.
    std::string panelText;
    // Amount texts that were not amounts, over the three columns.
    std::size_t skipped = 0;
};

inline constexpr std::size_t kSixPercentLength = 10;

// `selected` are the entries from the first selected row to the last; `firstRow` is the
// 0-based row of the first of them.
SelectionSums sumSelection(std::span<const ReportListEntry> selected, std::size_t firstRow,
                           char separator);

} // namespace kestrelon
