#include "selection_sums.h"

#include "reports/values/money.h"
#include "store/cp1251.h"
#include "store/general_number.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace kestrelon {
namespace {

struct KopeckSum {
    // Leaves room for the 6 % step (x 6) with no wrap; 64 reports of the largest amount
    // stay far below it.
    static constexpr std::uint64_t kLimit = std::numeric_limits<std::uint64_t>::max() / 10;

    std::uint64_t kopecks = 0;
    std::size_t skipped = 0;

    void add(std::string_view text) {
        const KopecksOrError amount = parseAmount(text);
        // A sum that would pass the limit is refused rather than wrapped round to a small,
        // believable total.
        if (!amount.ok() || amount.kopecks > kLimit - kopecks) {
            ++skipped;
            return;
        }
        kopecks += amount.kopecks;
    }
};

std::string selectionText(std::size_t count, std::size_t firstRow, std::size_t skipped) {
    std::string text = "Selection - " + std::to_string(count) + " (" +
                       std::to_string(firstRow + 1) + ".." + std::to_string(firstRow + count) + ")";
    if (skipped > 0) {
        text += ", пропущено "_cp + std::to_string(skipped);
    }
    return text;
}

} // namespace

SelectionSums sumSelection(std::span<const ReportListEntry> selected, std::size_t firstRow,
                           char separator) {
    SelectionSums sums;
    if (selected.empty()) {
        return sums;
    }
    KopeckSum gross, remuneration, toPrincipal;
    for (const ReportListEntry& e : selected) {
        gross.add(e.GrossTotal.view());
        remuneration.add(e.Remuneration.view());
        toPrincipal.add(e.ToPrincipal.view());
    }
    sums.grossTotal = generalNumber(gross.kopecks, 2, separator);
    sums.remuneration = generalNumber(remuneration.kopecks, 2, separator);
    sums.toPrincipal = generalNumber(toPrincipal.kopecks, 2, separator);
    // kopecks x 0.06 = kopecks x 6 ten-thousandths of a ruble: exact, no floating point.
    sums.sixPercent = cutGeneralNumber(generalNumber(remuneration.kopecks * 6, 4, separator),
                                       kSixPercentLength, separator);
    sums.skipped = gross.skipped + remuneration.skipped + toPrincipal.skipped;
    sums.panelText = selectionText(selected.size(), firstRow, sums.skipped);
    return sums;
}

} // namespace kestrelon
