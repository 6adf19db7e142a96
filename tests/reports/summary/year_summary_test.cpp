// The year's summary of a folder of reports: the sums of the months, the quarters and the
// year to the kopeck, months with several reports, gaps, and files that cannot be counted.

#include "reports/files/report_record.h"
#include "reports/files/report_scan.h"
#include "reports/files/selection_sums.h"
#include "reports/register/each_locale.h"
#include "reports/summary/year_summary.h"
#include "reports/values/money.h"
#include "store/cp1251.h"
#include "summary_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using test::SummaryFolder;

TEST(YearSummary, MonthsQuartersAndTheYearAddUpToTheKopeck) {
    underEachLocale([] {
        SummaryFolder folder;
        // 2013: January once, March twice, November once; 2012's December is another year.
        folder.report("1", 0, 2013, "1000.01", "152.54", "100.10", "899.91");
        folder.report("2", 2, 2013, "2000.00", "305.08", "200.00", "1800.00");
        folder.report("3", 2, 2013, "0.99", "0.15", "0.09", "0.90");
        folder.report("4", 10, 2013, "9999999.99", "1525423.73", "999999.99", "9000000.00");
        folder.report("9", 11, 2012, "5.00", "0.76", "1.00", "4.00");
        const FolderReports read = readFolderReports(folder.path());
        ASSERT_TRUE(read.unread.empty());
        EXPECT_EQ(reportYears(read), (std::vector<int>{2012, 2013}));

        const YearSummary year = summarizeYear(read, 2013);
        EXPECT_EQ(year.months[0].sums.gross, 100001u);
        EXPECT_EQ(year.months[1].sums.reports, 0) << "a gap";
        EXPECT_EQ(year.months[2].sums.reports, 2);
        EXPECT_TRUE(year.months[2].several());
        EXPECT_EQ(year.months[2].sums.gross, 200099u);
        EXPECT_EQ(year.months[2].sums.vat, 30523u);
        EXPECT_EQ(year.quarters[0].reports, 3);
        EXPECT_EQ(year.quarters[0].remuneration, 10010u + 20000u + 9u);
        EXPECT_EQ(year.quarters[1].reports, 0);
        EXPECT_EQ(year.quarters[3].toPrincipal, 900000000u);
        EXPECT_EQ(year.total.reports, 4);
        EXPECT_EQ(year.total.gross, 100001u + 200000u + 99u + 999999999u);
        EXPECT_EQ(groupedAmount(year.total.gross), "10 003 000,99");
        EXPECT_EQ(year.total.toPrincipal, 89991u + 180000u + 90u + 900000000u);
        EXPECT_EQ(monthReportsText(year.months[2]),
                  "№ 2, файл «2_0313_12345678.rep»\n№ 3, файл «3_0313_12345678.rep»");

        const std::vector<SummaryLine> lines = summaryLines(year);
        ASSERT_EQ(lines.size(), 17u);
        EXPECT_EQ(cp1251ToUtf8(lines[3].label), "I квартал");
        EXPECT_EQ(lines[3].sums, &year.quarters[0]);
        EXPECT_EQ(cp1251ToUtf8(lines[16].label), "Итого за год");
        EXPECT_EQ(cp1251ToUtf8(year.agentName), "ООО \"Сапсан-Телеком\"");
    });
}

TEST(YearSummary, TheSumsAgreeWithTheReportListsSelectionAndEachReport) {
    underEachLocale([] {
        SummaryFolder folder;
        folder.report("1", 0, 2013, "1500.00", "228.81", "1500.00", "0.00");
        folder.report("2", 1, 2013, "250.50", "38.21", "250.50", "0.00");
        folder.report("3", 2, 2013, "0.10", "0.02", "0.10", "0.00");
        const YearSummary year = summarizeYear(readFolderReports(folder.path()), 2013);
        const ReportList list = FindFilesReport(folder.path());
        const SelectionSums selected = sumSelection(list.entries, 0, ',');
        // The list writes its sums in the system's general format: "1750,6".
        EXPECT_EQ(selected.remuneration, "1750,6");
        EXPECT_EQ(kopecksText(year.total.remuneration), "1750.60");
        EXPECT_EQ(year.total.reports, static_cast<int>(list.entries.size()));
        for (const SummaryMonth& month : year.months) {
            for (const StoredReport& report : month.reports) {
                EXPECT_EQ(month.sums.gross, report.gross) << report.fileName;
            }
        }
    });
}

TEST(YearSummary, AFileThatCannotBeCountedIsListedWithItsReason) {
    SummaryFolder folder;
    folder.report("1", 0, 2013, "100.00", "15.25", "10.00", "90.00");
    folder.report("2", 1, 2013, "1OO.00", "15.25", "10.00", "90.00"); // letters O
    folder.report("3", 1, 2014, "100.00", "15.25", "10.00", "90.00");
    folder.writeFile("cut.rep", std::string(100, '\0'));
    folder.rawReport("period.rep", 12, 3);
    const FolderReports read = readFolderReports(folder.path());
    ASSERT_EQ(read.reports.size(), 2u);
    ASSERT_EQ(read.unread.size(), 3u);

    const YearSummary year = summarizeYear(read, 2013);
    EXPECT_EQ(year.total.reports, 1) << "not counted";
    std::vector<std::string> said;
    for (const UnreadReport& unread : year.unread) {
        said.push_back(unread.fileName + ": " + unread.reason);
    }
    EXPECT_EQ(said, (std::vector<std::string>{
                        "2_0213_12345678.rep: в поле «С НДС» не сумма: «1OO.00»",
                        "cut.rep: файл 100 байт, а отчет — 55176 байт",
                        "period.rep: отчетный период не читается (месяц 12, год 3)"}));
    EXPECT_EQ(summarizeYear(read, 2014).unread.size(), 2u)
        << "a file of no readable year is said under every year; one of 2013 under 2013 only";
}

} // namespace
} // namespace kestrelon
