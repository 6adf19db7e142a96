#include "reports/values/money.h"
#include "store/cp1251.h"
#include "summary_files.h"

namespace kestrelon {
namespace {

// "1234,50": a decimal comma, no blanks, as a Russian spreadsheet reads a number.
std::string csvAmount(std::uint64_t kopecks) {
    std::string text = kopecksText(kopecks);
    text[text.size() - 3] = ',';
    return text;
}

} // namespace

std::string summaryTitle(const YearSummary& summary) {
    std::string title = "Итоги " + std::to_string(summary.year) + " года";
    if (!summary.agentName.empty()) {
        title += " — " + cp1251ToUtf8(summary.agentName);
    }
    return title;
}

std::string summaryCsv(const YearSummary& summary) {
    std::string csv = "\xEF\xBB\xBF";
    for (std::size_t c = 0; c < std::size(kSummaryColumns); ++c) {
        csv += (c > 0 ? ";" : "") + std::string(kSummaryColumns[c]);
    }
    csv += "\r\n";
    for (const SummaryLine& line : summaryLines(summary)) {
        csv += cp1251ToUtf8(line.label);
        const SummarySums& sums = *line.sums;
        // A month without a report has empty cells, not zeros.
        if (line.kind == SummaryLine::Kind::Month && sums.reports == 0) {
            csv += ";;;;;\r\n";
            continue;
        }
        csv += ";" + std::to_string(sums.reports);
        for (const std::uint64_t amount :
             {sums.gross, sums.vat, sums.remuneration, sums.toPrincipal}) {
            csv += ";" + csvAmount(amount);
        }
        csv += "\r\n";
    }
    return csv;
}

} // namespace kestrelon
