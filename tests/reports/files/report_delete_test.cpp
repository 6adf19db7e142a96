#include "report_files_fixture.h"
#include "reports/files/report_delete.h"
#include "reports/files/report_scan.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

class DeleteReportTest : public ::testing::Test {
protected:
    TempFolder folder;
    ReportList list;

    void SetUp() override {
        writeReport(folder, {"1", "11", "21"});
        writeReport(folder, {"2", "12", "22"});
        writeReport(folder, {"3", "13", "23"});
        list = FindFilesReport(folder.path());
    }
};

TEST_F(DeleteReportTest, RenamesTheFileAndProposesNumbersOfTheRest) {
    folder.writeFile("3_0313_1234567.rdel", "older");
    list.selected = 2;
    const auto next = DeleteReport(list, 2, folder.path());
    ASSERT_TRUE(next);
    EXPECT_FALSE(folder.exists("3_0313_12345678.rep"));
    EXPECT_EQ(folder.readFile("3_0313_1234567.rdel").size(), sizeof(ReportRecord));
    EXPECT_EQ(offsetNumbers(list), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(list.selected, 1u); // the last entry went: the one before it
    EXPECT_EQ(next->OffsetActNo, "3");
    EXPECT_EQ(next->ActNo, "13");
    EXPECT_EQ(next->InvoiceNo, "23");
    EXPECT_EQ(FindFilesReport(folder.path()).count(), 2u);
}

TEST_F(DeleteReportTest, LaterEntriesMoveUpUnderTheSelection) {
    list.selected = 0;
    ASSERT_TRUE(DeleteReport(list, 0, folder.path()));
    EXPECT_EQ(offsetNumbers(list), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(list.selected, 0u);

    ASSERT_TRUE(DeleteReport(list, 1, folder.path()));
    const auto last = DeleteReport(list, 0, folder.path());
    ASSERT_TRUE(last);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(last->OffsetActNo + last->ActNo + last->InvoiceNo, "111");
}

TEST_F(DeleteReportTest, MissingFileChangesNothing) {
    std::filesystem::remove(folder.path() + "2_0313_12345678.rep");
    list.selected = 1;
    const ReportList before = list;
    EXPECT_FALSE(DeleteReport(list, 1, folder.path()));
    EXPECT_EQ(list.entries, before.entries);
    EXPECT_EQ(list.selected, 1u);
    EXPECT_EQ(list.maxOffsetActNo, 3u);
    EXPECT_FALSE(folder.exists("2_0313_1234567.rdel"));
}

} // namespace
} // namespace kestrelon::test
