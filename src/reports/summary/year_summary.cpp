#include "year_summary.h"

#include "store/cp1251.h"

#include <algorithm>
#include <set>

namespace kestrelon {
namespace {

long offsetActNumber(const StoredReport& report) {
    long number = 0;
    for (const char c : report.offsetActNo) {
        if (c < '0' || c > '9' || number > 1'000'000'000L) {
            break;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

void SummarySums::add(const StoredReport& report) {
    ++reports;
    gross += report.gross;
    vat += report.vat;
    remuneration += report.remuneration;
    toPrincipal += report.toPrincipal;
}

void SummarySums::add(const SummarySums& sums) {
    reports += sums.reports;
    gross += sums.gross;
    vat += sums.vat;
    remuneration += sums.remuneration;
    toPrincipal += sums.toPrincipal;
}

std::vector<int> reportYears(const FolderReports& folder) {
    std::set<int> years;
    for (const StoredReport& report : folder.reports) {
        years.insert(report.period.calendarYear());
    }
    return {years.begin(), years.end()};
}

YearSummary summarizeYear(const FolderReports& folder, int year) {
    YearSummary summary;
    summary.year = year;
    for (const StoredReport& report : folder.reports) {
        if (report.period.calendarYear() != year) {
            continue;
        }
        SummaryMonth& month = summary.months[report.period.month];
        month.reports.push_back(report);
        month.sums.add(report);
    }
    for (std::size_t m = 0; m < summary.months.size(); ++m) {
        SummaryMonth& month = summary.months[m];
        std::stable_sort(month.reports.begin(), month.reports.end(),
                         [](const StoredReport& a, const StoredReport& b) {
                             return offsetActNumber(a) < offsetActNumber(b);
                         });
        summary.quarters[m / 3].add(month.sums);
        if (!month.reports.empty()) {
            summary.agentName = month.reports.back().agentName;
        }
    }
    for (const SummarySums& quarter : summary.quarters) {
        summary.total.add(quarter);
    }
    for (const UnreadReport& unread : folder.unread) {
        if (!unread.year || *unread.year == year) {
            summary.unread.push_back(unread);
        }
    }
    return summary;
}

std::vector<SummaryLine> summaryLines(const YearSummary& summary) {
    static const char* const kQuarters[] = {"I квартал", "II квартал", "III квартал", "IV квартал"};
    std::vector<SummaryLine> lines;
    for (int m = 0; m < 12; ++m) {
        const SummaryMonth& month = summary.months[static_cast<std::size_t>(m)];
        lines.push_back({SummaryLine::Kind::Month, m, monthName(m), &month.sums, &month});
        if (m % 3 == 2) {
            const int q = m / 3;
            lines.push_back({SummaryLine::Kind::Quarter, q, utf8ToCp1251(kQuarters[q]),
                             &summary.quarters[static_cast<std::size_t>(q)], nullptr});
        }
    }
    lines.push_back({SummaryLine::Kind::Year, 0, "Итого за год"_cp, &summary.total, nullptr});
    return lines;
}

std::string monthReportsText(const SummaryMonth& month) {
    std::string text;
    for (const StoredReport& report : month.reports) {
        if (!text.empty()) {
            text += '\n';
        }
        text += "№ " + cp1251ToUtf8(report.offsetActNo) + ", файл «" + report.fileName + "»";
    }
    return text;
}

} // namespace kestrelon
