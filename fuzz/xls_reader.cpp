// .xls workbooks through libgsf and the workbook stream reader: whatever the bytes, a text or a
// message, and a text the register import can take; never a crash, a leak or a hang of the
// program.
#include "reading_child.h"
#include "register_text_check.h"
#include "sheets/xls/xls_workbook.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The library runs apart, as the program runs it: what it does wrong with a file stops the
    // child, and the program is then told so.
    static fuzz::ReadingChild child([](std::string_view bytes) {
        WorkbookCells book;
        readXlsWorkbook(bytes, book);
        return book.registerText();
    });
    fuzz::checkRegisterText(child.read(fuzz::bytes(data, size)));
    return 0;
}
