#pragma once
// The year's summary of a data folder's reports: one line per month with the number of its
// reports and their gross (with VAT), VAT, remuneration and sum due to the principal, a line
// after each quarter and the year's total. The sums are the reports' stored amounts added in
// kopecks.

#include "folder_reports.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrelon {

struct SummarySums {
    int reports = 0;
    std::uint64_t gross = 0;
    std::uint64_t vat = 0;
    std::uint64_t remuneration = 0;
    std::uint64_t toPrincipal = 0;

    void add(const StoredReport& report);
    void add(const SummarySums& sums);
};

struct SummaryMonth {
    SummarySums sums;
    std::vector<StoredReport> reports; // in offset act number order
    // Two or more reports for one month: one of them may be a slip.
    bool several() const { return reports.size() > 1; }
};

struct YearSummary {
    int year = 0; // calendar year
    std::array<SummaryMonth, 12> months;
    std::array<SummarySums, 4> quarters;
    SummarySums total;
    // Files of this year, or of no year that could be read, that are not counted.
    std::vector<UnreadReport> unread;
    // The agent's name on the year's last report (cp1251); empty without reports.
    std::string agentName;
};

// The calendar years that have a report, ascending.
std::vector<int> reportYears(const FolderReports& folder);

YearSummary summarizeYear(const FolderReports& folder, int year);

// The summary's lines in the order they are shown, printed and written.
struct SummaryLine {
    enum class Kind { Month, Quarter, Year };
    Kind kind = Kind::Month;
    int index = 0;     // the month 0..11, the quarter 0..3
    std::string label; // "Январь", "I квартал", "Итого за год" (cp1251)
    const SummarySums* sums = nullptr;
    const SummaryMonth* month = nullptr; // for a month's line
};
std::vector<SummaryLine> summaryLines(const YearSummary& summary);

// "№ 5, файл «5_0313_12345678.rep»" for each of a month's reports, one a line (UTF-8).
std::string monthReportsText(const SummaryMonth& month);

} // namespace kestrelon
