#include "report_files_fixture.h"
#include "reports/files/report_scan.h"
#include "store/image_file.h"
#include "store/io_error.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

TEST(FindFilesReport, ListsReportsByOffsetActNumber) {
    TempFolder folder;
    for (const char* number : {"3", "10", "2"}) {
        writeReport(folder, {number, "1", "1"});
    }
    const ReportList list = FindFilesReport(folder.path());
    EXPECT_EQ(offsetNumbers(list), (std::vector<std::string>{"2", "3", "10"}));
    EXPECT_EQ(list.selected, 0u);
}

TEST(FindFilesReport, TakesOnlyReportFilesOfTheRecordSize) {
    TempFolder folder;
    const std::string record = bytesOfRecord(*makeRecord({"1", "1", "1"}));
    folder.writeFile("upper.REP", record); // copied from Windows
    folder.writeFile("short.rep", record.substr(1));
    folder.writeFile("long.rep", record + "x");
    folder.writeFile("other.rdel", record);
    folder.writeFile("rep", record);
    folder.writeFile("日本.rep", record); // no cp1251 name could open it again
    std::filesystem::create_directory(folder.path() + "dir.rep");

    const ReportList list = FindFilesReport(folder.path());
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries[0].FileName, "upper.REP");
}

TEST(FindFilesReport, FillsEntriesFromTheRecords) {
    TempFolder folder;
    auto record = makeRecord({"41", "42", "43", 8, 15, "AB-12345"});
    record->GrossTotal = "1180.00";
    record->Remuneration = "100.00";
    record->ToPrincipal = "1080.00";
    // Longer than any fixed name field: it must still open the file again.
    const std::string name = "Отчет за сентябрь 2025 года, исправленный.rep"_cp;
    folder.writeFile(cp1251ToUtf8(name), bytesOfRecord(*record));
    auto outside = makeRecord({"44", "", "", 12, 90});
    folder.writeFile("outside.rep", bytesOfRecord(*outside));

    const ReportList list = FindFilesReport(folder.path());
    ASSERT_EQ(list.count(), 2u);
    const ReportListEntry& e = list.entries[0];
    EXPECT_EQ(e.AgentContractNo.str(), "AB-12345");
    EXPECT_EQ(e.OffsetActNo.str() + "/" + e.ActNo.str() + "/" + e.InvoiceNo.str(), "41/42/43");
    EXPECT_EQ(e.GrossTotal.str() + " " + e.Remuneration.str() + " " + e.ToPrincipal.str(),
              "1180.00 100.00 1080.00");
    EXPECT_EQ(e.MonthName, "Сентябрь"_cp);
    EXPECT_EQ(e.YearText, "2025");
    EXPECT_EQ(e.FileName, name);
    EXPECT_EQ(list.entries[1].MonthName, "");
    EXPECT_EQ(list.entries[1].YearText, "");
}

TEST(FindFilesReport, KeepsTheFirst64NamesInNameOrder) {
    TempFolder folder;
    // Written first, named last: the 65th file whatever order the folder lists it in.
    folder.writeFile("r65.rep", bytesOfRecord(*makeRecord({"1000", "2000", "3000"})));
    for (int i = 1; i <= 64; ++i) {
        const std::string n = std::to_string(i);
        folder.writeFile((i < 10 ? "r0" : "r") + n + ".rep",
                         bytesOfRecord(*makeRecord({n, n, std::to_string(100 + i)})));
    }
    const ReportList list = FindFilesReport(folder.path());
    ASSERT_EQ(list.count(), 64u);
    EXPECT_EQ(list.entries.back().OffsetActNo.str(), "64");
    EXPECT_EQ(list.maxOffsetActNo, 64u);
    EXPECT_EQ(list.maxActNo, 64u);
    EXPECT_EQ(list.maxInvoiceNo, 164u);
}

TEST(FindFilesReport, LeavesOutFilesThatGoAwayDuringTheScan) {
    TempFolder folder;
    for (const char* number : {"1", "2", "3", "4"}) {
        writeReport(folder, {number, number, number});
    }
    const std::string gone = "2_0313_12345678.rep";
    const std::string cut = "3_0313_12345678.rep";
    // Another program removes one file and cuts another short between listing and reading.
    const ReportFileReader reader = [&](const std::string& dir, const std::string& name,
                                        ReportRecord& record) {
        if (name == gone) {
            std::filesystem::remove(dir + name);
        }
        if (name == cut) {
            folder.writeFile(name, 100);
        }
        return loadImage(dir, name, record);
    };
    const ReportList list = FindFilesReport(folder.path(), reader);
    EXPECT_EQ(offsetNumbers(list), (std::vector<std::string>{"1", "4"}));
    EXPECT_EQ(list.maxOffsetActNo, 4u);
}

TEST(FindFilesReport, MissingFolderIsAnIoError) {
    TempFolder folder;
    EXPECT_THROW(FindFilesReport(folder.path() + "none/"), IoError);
}

} // namespace
} // namespace kestrelon::test
