// The principal's register, pasted or read from a file: whatever the text, the import keeps
// to its capacity and every imported amount is the value its own text reads as.
#include "fuzz_check.h"
#include "reports/register/import_summary.h"
#include "reports/values/money.h"

using namespace kestrelon;
using fuzz::require;

namespace {

void requireAmount(const ShortStr<10>& text, std::uint32_t kopecks) {
    const KopecksOrError parsed = parseAmount(text.view());
    require(parsed.ok(), "an imported amount text reads as an amount");
    require(parsed.kopecks == kopecks, "an imported amount is the value of its text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SlkImportResult result = parseRegister(fuzz::bytes(data, size), "12345678");
    const RowSet& set = result.rows;
    require(set.count() <= RowSet::kCapacity, "no more rows than the set holds");
    require(set.IncomeTotal == 0 && set.VatTotal == 0 && set.GrossTotal == 0,
            "an import leaves the totals to the computation");
    std::size_t lastSkipped = 0;
    for (const SkippedLine& skipped : result.skipped) {
        require(skipped.lineNumber > lastSkipped && !skipped.reason.empty(),
                "skipped lines are told once each, in order, with a reason");
        lastSkipped = skipped.lineNumber;
    }
    require(importSummary(result, Period{}).empty() == (set.empty() && result.skipped.empty()),
            "every import that read or skipped a line says so");
    require(result.rowLines.size() == set.count(), "every row knows its line");
    require(result.refused == set.empty() || !result.messages.empty(),
            "an import with rows is refused only with a message");
    for (const InvoiceRow& row : set.rows) {
        requireAmount(row.AmountText, row.AmountKop);
        requireAmount(row.VatText, row.VatKop);
        requireAmount(row.GrossText, row.GrossKop);
    }
    return 0;
}
