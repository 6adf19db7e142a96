// Report files: any bytes of a report file open as a record, and the three documents built
// from it have all their texts and lay out; the offset act's pages hold every row once.
#include "documents/fake_metrics.h"
#include "documents/forms/act_document.h"
#include "documents/forms/invoice_document.h"
#include "documents/input/document_input.h"
#include "documents/offset_act/offset_act_document.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstring>

using namespace kestrelon;
using fuzz::require;

namespace {

// The input is the record's bytes in the order head, tail, rows, so that a short input still
// reaches the row count and the organizations. Bytes the input does not give stay zero.
ReportRecord recordFrom(const std::uint8_t* data, std::size_t size) {
    ReportRecord record;
    auto* image = reinterpret_cast<std::uint8_t*>(&record);
    std::memset(image, 0, sizeof record);
    constexpr std::size_t head = offsetof(ReportRecord, Rows);
    constexpr std::size_t tailAt = offsetof(ReportRecord, Align54171);
    constexpr std::size_t tail = sizeof(ReportRecord) - tailAt;
    const auto take = [&](std::size_t at, std::size_t length) {
        const std::size_t n = std::min(length, size);
        std::memcpy(image + at, data, n);
        data += n;
        size -= n;
    };
    take(0, head);
    take(tailAt, tail);
    take(head, tailAt - head);
    return record;
}

void requirePages(const PlacedDocument& doc, std::size_t pages) {
    require(doc.pages.size() == pages, "the document has its pages");
    require(doc.pageWidth > 0 && doc.pageHeight > 0, "the page has a size");
}

void layOut(const DocumentInput& input, const PageGeometry& geometry) {
    const FakeMetrics metrics;
    const DocumentText bill = FillBillSt(input, geometry, metrics);
    require(bill.size() == kInvoiceTexts, "the invoice has all its texts");
    requirePages(FillBillXY(bill, geometry, metrics), 1);

    const DocumentText act = FillActSt(input);
    require(act.size() == kActTexts, "the act has all its texts");
    requirePages(FillActXY(act, geometry, metrics), 1);

    const OffsetActText offset = FillActZSt(input, geometry, metrics);
    require(offset.items.size() == kOffsetActTexts, "the offset act has all its texts");
    require(offset.cells.size() == std::max<std::size_t>(input.rows.size(), 1),
            "the second table has a row per invoice, or one empty row");
    for (int lines : offset.lineCounts) {
        require(lines >= 1 && lines <= 4, "a wrapped block has one to four lines");
    }
    const PlacedDocument placed = FillActZXY(offset, geometry, metrics);
    require(!placed.pages.empty(), "the offset act has a page");
    std::size_t rows = 0;
    for (const PlacedPage& page : placed.pages) {
        require(page.tableRows >= 0, "no page has a negative row count");
        rows += static_cast<std::size_t>(page.tableRows);
    }
    require(rows == offset.cells.size(), "the pages hold every row once");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReportRecord record = recordFrom(data, size);
    const DocumentInput input = documentInputFromReport(record);
    require(input.stored, "a report file is the stored source");
    require(input.rows.size() == record.usedRows(), "the documents show the report's rows");
    layOut(input, PageGeometry{PageScale{4, 4}});
    layOut(input, PageGeometry{PageScale{23.6, 23.6}, 75, 62, true});
    return 0;
}
