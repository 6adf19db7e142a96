#pragma once
// One ten-cell line of the invoice register: the header, the check of a data line and the
// invoice row it gives.

#include "row_set.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

inline constexpr std::size_t kRegisterColumnCount = 10;

// The header line's cells, in the order of every data line.
inline constexpr std::array<std::string_view, kRegisterColumnCount> kRegisterColumns = {
    "AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
    "INVOICE_DUE",  "INVOICE_TAX",   "INVOICE_SUMM",    "STATE",   "STATE_DATE"};

bool isRegisterHeader(const std::vector<std::string>& cells);

// Ten cells whose agent and client numbers have 8 characters, whose invoice number has 13 and
// whose three amounts hold only digits, "," and ".". The other cells may hold anything.
bool isRegisterDataLine(const std::vector<std::string>& cells);

struct RegisterRow {
    InvoiceRow row;
    std::string error; // cp1251; set when an amount cell gives no value
    bool ok() const { return error.empty(); }
};

// The invoice row of a valid data line. An amount that does not parse is refused rather than
// stored as some other number: the error names the line (1-based), the column and the text.
RegisterRow registerRow(const std::vector<std::string>& cells, std::size_t lineNumber);

} // namespace kestrelon
