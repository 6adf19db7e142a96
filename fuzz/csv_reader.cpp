// CSV text: whatever the bytes, a text or a message, and a text the
// register import can take; never a crash, a leak or a hang.
#include "register_text_check.h"
#include "sheets/csv_sheet.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WorkbookCells book;
    readCsv(fuzz::bytes(data, size), book);
    fuzz::checkRegisterText(book.registerText());
    return 0;
}
