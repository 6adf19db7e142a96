#pragma once
// What every reader of a register file promises: text or a message, never both, and a text
// that is a rectangle of TAB-separated one-line fields the register import can take.
#include "fuzz_check.h"
#include "reports/register/slk_import.h"
#include "sheets/isolated_read.h"
#include "sheets/sheet_text.h"

#include <algorithm>

namespace kestrelon::fuzz {

inline void checkRegisterText(const SheetText& sheet) {
    if (!sheet.ok()) {
        require(sheet.text.empty(), "a refused file gives no text");
        return;
    }
    std::size_t fields = 0;
    std::size_t rowStart = 0;
    bool first = true;
    while (rowStart <= sheet.text.size()) {
        const std::size_t end = std::min(sheet.text.find('\n', rowStart), sheet.text.size());
        const std::string_view row(sheet.text.data() + rowStart, end - rowStart);
        const std::size_t rowFields = std::count(row.begin(), row.end(), '\t') + 1;
        require(first || rowFields == fields, "every row has as many fields as the widest");
        require(row.find('\r') == std::string_view::npos, "no line break inside a field");
        fields = rowFields;
        first = false;
        rowStart = end + 1;
    }
    parseRegister(sheet.text, "12345678");
}

// A read in a child: what stopped it gives no text, and what it gave keeps the promises above.
inline void checkRegisterText(const IsolatedRead& read) {
    require(read.stopped.empty() || (read.result.text.empty() && read.result.message.empty()),
            "a stopped read gives nothing");
    checkRegisterText(read.result);
}

} // namespace kestrelon::fuzz
