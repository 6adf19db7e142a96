#pragma once
// The names of the principal's register header line. The readers look for them to choose the
// sheet that holds the register, the separator of a CSV file and the columns that hold dates.

#include <array>
#include <cstddef>
#include <string_view>

namespace kestrelon {

inline constexpr std::size_t kRegisterColumnCount = 10;

// The header line's cells, in the order of every data line.
inline constexpr std::array<std::string_view, kRegisterColumnCount> kRegisterColumns = {
    "AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
    "INVOICE_DUE",  "INVOICE_TAX",   "INVOICE_SUMM",    "STATE",   "STATE_DATE"};

} // namespace kestrelon
