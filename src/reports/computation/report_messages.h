#pragma once
// The messages of the report computations that name what went wrong and where (cp1251).

#include "reports/values/money.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelon {

enum class AmountColumn { Net = 0, Vat = 1, Gross = 2 };

namespace messages {

// "Сумма", "НДС", "С НДС": the grid's captions of the three amount columns.
std::string columnCaption(AmountColumn column);

// A grid cell (row 1-based) that is not an amount, or is above the largest amount.
std::string badCell(std::size_t row, AmountColumn column, std::string_view text, AmountError error);
std::string badRemuneration(std::string_view text, AmountError error);
// A remuneration text longer than the report's 10-character field.
std::string remunerationTooLong(std::string_view text);
// A VAT conversion of a row whose result does not fit an amount.
std::string conversionOutOfRange(std::size_t row);
std::string totalTooLarge(AmountColumn column);
// A completed amount whose text would not fit a report's 10-character field.
std::string amountTooLargeForReport(std::size_t row, AmountColumn column);
std::string remunerationAboveGross();
// "Get" gave the totals, but without a remuneration there is nothing to save yet.
std::string remunerationNeeded();
// Closing with a computed report that was not saved.
std::string unsavedReportQuestion();

} // namespace messages
} // namespace kestrelon
