// SYLK files: a file gives either text or a message, never both, and the text is a rectangle
// of TAB-separated fields that the register import can take.
#include "reports/sylk_reader.h"
#include "fuzz_check.h"
#include "reports/slk_import.h"

#include <algorithm>

using namespace kestrelon;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SheetText sheet = registerTextFromSylk(fuzz::bytes(data, size));
    if (!sheet.ok()) {
        require(sheet.text.empty(), "a refused file gives no text");
        return 0;
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
    return 0;
}
