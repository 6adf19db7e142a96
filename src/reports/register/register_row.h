#pragma once
// One ten-cell line of the invoice register: the header, the check of a data line and the
// invoice row it gives.

#include "reports/values/row_set.h"
#include "sheets/register_header.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

bool isRegisterHeader(const std::vector<std::string>& cells);

// Why ten cells are not a data line the report can take (cp1251, e.g. "нет суммы НДС"), or
// nullopt when they are: the client's contract number has 8 characters, the invoice number 13,
// the invoice has a date, and the three amounts are there and hold only digits, "," and ".".
// The cells the report does not take (the agent's number, the client's name, the state and
// its date) may hold anything or nothing.
std::optional<std::string> dataLineProblem(const std::vector<std::string>& cells);

// The amount cells of a data line with their digit groups joined: "1 000,00" as a Russian
// spreadsheet writes formatted cells (a space, a no-break space, or a narrow one, which
// windows-1251 lacks and a conversion leaves as "?") becomes "1000,00". Only a separator
// between two digits is taken out.
void joinDigitGroups(std::vector<std::string>& cells);

struct RegisterRow {
    InvoiceRow row;
    std::string error; // cp1251; set when an amount cell gives no value
    bool ok() const { return error.empty(); }
};

// The invoice row of a valid data line. An amount that does not parse is refused rather than
// stored as some other number: the error names the line (1-based), the column and the text.
RegisterRow registerRow(const std::vector<std::string>& cells, std::size_t lineNumber);

} // namespace kestrelon
