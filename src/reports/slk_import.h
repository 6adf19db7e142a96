#pragma once
// Reading the principal's invoice register, pasted as tab-separated text, into the rows of a
// report.

#include "row_set.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct SlkImportResult {
    RowSet rows;                       // totals 0; the rows read before any stop
    std::vector<std::string> messages; // cp1251; what stopped the reading, or that none was read
    bool confirmed = true;             // every read replaces the imported set, even a stopped one
};

// Reads the register line by line ("\n", a trailing "\r" dropped). A title line must name the
// agent contract; the header line may be missing; data lines that fail their check are
// skipped. Reading stops at a title of another contract, a missing agent contract, more than
// RowSet::kCapacity rows or an amount that gives no value. A read that gives no row and no
// other message says so; it still replaces the imported set.
SlkImportResult parseRegister(std::string_view text, std::string_view agentContractNo);

} // namespace kestrelon
