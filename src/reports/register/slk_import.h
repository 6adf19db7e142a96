#pragma once
// Reading the principal's invoice register, pasted as tab-separated text, into the rows of a
// report.

#include "reports/values/row_set.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// A line of the register the import tells of: one that could not be taken, or a row taken with
// a remark (its amounts disagree, its date is of another month).
struct SkippedLine {
    std::size_t lineNumber = 0; // from 1
    std::string reason;         // cp1251, e.g. "нет суммы НДС", or the date or amounts
};

struct SlkImportResult {
    RowSet rows;                       // totals 0; the rows read before any stop
    std::vector<std::size_t> rowLines; // the line (from 1) each row was read from
    std::vector<std::string> messages; // cp1251; what stopped the reading, or that none was read
    std::vector<SkippedLine> skipped;  // in the order of the text
    // Rows taken whose amount with VAT is not the net amount and the VAT: the line and the
    // three amounts ("без НДС 1000, НДС 180, с НДС 1190").
    std::vector<SkippedLine> mismatched;
    // Nothing to import: no row was read, or the register is another agent contract's (or
    // there is no agent contract to check it against). The report keeps what it had.
    bool refused = false;
};

// Reads the register line by line ("\n", a trailing "\r" dropped). A title line must name the
// agent contract; the header line may be missing. Once the header or the first row was read,
// every further line with cells in more than one column is a row or a skipped line with its
// reason; before that, lines that are not rows are the register's preamble. Reading stops at a
// title of another contract, a missing agent contract, more than RowSet::kCapacity rows or an
// amount that gives no value. A read that gives no row and no other message says so.
SlkImportResult parseRegister(std::string_view text, std::string_view agentContractNo);

} // namespace kestrelon
