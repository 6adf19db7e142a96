// .xlsx workbooks through the zip reader and libxml2: whatever the bytes, a text or a message,
// and a text the register import can take; never a crash, a leak or a hang of the program.
#include "reading_child.h"
#include "register_text_check.h"
#include "sheets/zipped/xlsx_workbook.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The libraries run apart, as the program runs them: what they do wrong with a file stops
    // the child, and the program is then told so.
    static fuzz::ReadingChild child([](std::string_view bytes) {
        WorkbookCells book;
        readXlsxWorkbook(bytes, book);
        return book.registerText();
    });
    fuzz::checkRegisterText(child.read(fuzz::bytes(data, size)));
    return 0;
}
