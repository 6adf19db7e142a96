#pragma once
// Reading the principal's invoice register, pasted as tab-separated text, into the rows of a
// report.

#include "reports/values/row_set.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// A line of the register that looked like a data line but could not be taken.
struct SkippedLine {
    std::size_t lineNumber = 0; // from 1
    std::string reason;         // cp1251, e.g. "нет суммы НДС"
};

struct SlkImportResult {
    RowSet rows;                       // totals 0; the rows read before any stop
    std::vector<std::string> messages; // cp1251; what stopped the reading, or that none was read
    std::vector<SkippedLine> skipped;  // in the order of the text
    bool confirmed = true;             // every read replaces the imported set, even a stopped one
};

// Reads the register line by line ("\n", a trailing "\r" dropped). A title line must name the
// agent contract; the header line may be missing. Once the header or the first row was read,
// every further line with cells in more than one column is a row or a skipped line with its
// reason; before that, lines that are not rows are the register's preamble. Reading stops at a
// title of another contract, a missing agent contract, more than RowSet::kCapacity rows or an
// amount that gives no value. A read that gives no row and no other message says so; it still
// replaces the imported set.
SlkImportResult parseRegister(std::string_view text, std::string_view agentContractNo);

// What the bookkeeper checks against the principal's register after an import: how many
// lines became rows and each line skipped with its reason (the first kListedSkippedLines).
// Empty when the read found neither.
inline constexpr std::size_t kListedSkippedLines = 20;
std::string importSummary(const SlkImportResult& result);

} // namespace kestrelon
