#include "import_summary.h"

#include "slk_period.h"
#include "store/cp1251.h"

#include <algorithm>
#include <optional>

namespace kestrelon {
namespace {

std::string monthAndYear(const Period& period) {
    return monthName(period.month) + " " + yearText(period.year);
}

// The heading with the count, then the first kListedSkippedLines lines and how many more.
void appendList(std::string& summary, const std::string& heading,
                const std::vector<SkippedLine>& lines) {
    if (lines.empty()) {
        return;
    }
    summary += "\n" + heading + std::to_string(lines.size()) + ":";
    const std::size_t listed = std::min(lines.size(), kListedSkippedLines);
    for (std::size_t i = 0; i < listed; ++i) {
        summary +=
            "\n" + "строка "_cp + std::to_string(lines[i].lineNumber) + ": " + lines[i].reason;
    }
    if (listed < lines.size()) {
        summary += "\n" + "… и еще "_cp + std::to_string(lines.size() - listed);
    }
}

std::vector<SkippedLine> rowsOfAnotherMonth(const SlkImportResult& result,
                                            const Period& registerMonth) {
    std::vector<SkippedLine> lines;
    const std::vector<InvoiceRow>& rows = result.rows.rows;
    for (std::size_t i = 1; i < rows.size() && i < result.rowLines.size(); ++i) {
        const std::string_view date = rows[i].InvoiceDate.view();
        if (periodOfInvoiceDate(date) != registerMonth) {
            lines.push_back({result.rowLines[i], std::string(date)});
        }
    }
    return lines;
}

} // namespace

std::string importSummary(const SlkImportResult& result, const Period& proposed) {
    if (result.rows.empty() && result.skipped.empty()) {
        return {};
    }
    std::string summary = "Загружено строк реестра: "_cp + std::to_string(result.rows.count());
    const std::optional<Period> registerMonth = periodFromFirstRow(result.rows).period;
    if (registerMonth && *registerMonth != proposed) {
        summary += " — реестр за "_cp + monthAndYear(*registerMonth) + "; предлагался "_cp +
                   monthAndYear(proposed);
    }
    summary += ".";
    if (registerMonth) {
        appendList(summary,
                   "Строки не за "_cp + monthAndYear(*registerMonth) + " (взяты в отчет): "_cp,
                   rowsOfAnotherMonth(result, *registerMonth));
    }
    appendList(summary,
               "Сумма с НДС не равна сумме без НДС и НДС (взяты как в реестре, проверьте их): "_cp,
               result.mismatched);
    appendList(summary, "Пропущено строк: "_cp, result.skipped);
    return summary;
}

} // namespace kestrelon
