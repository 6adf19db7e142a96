// The records of an .xls workbook stream, read by our own code alone: whatever the bytes, a
// text or a message, and a text the register import can take. No library is involved, so the
// stream is read in the fuzzer's own process, and any crash is a finding.
#include "sheets/xls/biff_records.h"
#include "register_text_check.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WorkbookCells book;
    readBiffWorkbookStream(fuzz::bytes(data, size), book);
    fuzz::checkRegisterText(book.registerText());
    return 0;
}
