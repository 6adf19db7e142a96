// .ods workbooks through liborcus: whatever the bytes, a text or a message, and a text the
// register import can take; never a crash, a leak or a hang of
// the program.
#include "register_text_check.h"
#include "reports/isolated_read.h"
#include "reports/orcus_workbook.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The library runs apart, as the program runs it: what it does wrong with a file stops the
    // child, and the program is then told so.
    const IsolatedRead read = readIsolated([&] {
        WorkbookCells book;
        readZipWorkbook(fuzz::bytes(data, size), ZipWorkbook::OpenDocument, book);
        return book.registerText();
    });
    fuzz::require(read.stopped.empty() || read.result.text.empty(), "a stopped read gives no text");
    fuzz::checkRegisterText(read.result);
    return 0;
}
