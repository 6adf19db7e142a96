#include "report_files_fixture.h"
#include "reports/files/report_delete.h"
#include "reports/files/report_list.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

ReportList listOf(const std::vector<ReportFields>& reports) {
    ReportList list;
    for (const ReportFields& fields : reports) {
        list.entries.push_back(entryFromRecord(*makeRecord(fields), "x.rep"));
    }
    recomputeMaxima(list);
    return list;
}

TEST(DocumentNumberValue, ReadsOneToNineDigitsAndCountsTheRestAsZero) {
    const std::vector<std::pair<std::string, std::uint32_t>> cases = {
        {"7", 7}, {"007", 7}, {"65535", 65535}, {"99999", 99999}, {"123456789", 123456789},
        {"", 0},  {"12a", 0}, {" 12", 0},       {"-3", 0},        {"1234567890", 0},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(documentNumberValue(text), value);
    }
}

TEST(SortByOffsetActNo, OrdersByNumberNotByText) {
    ReportList list = listOf({{"3"}, {"10"}, {"2"}, {"abc"}});
    sortByOffsetActNo(list.entries);
    EXPECT_EQ(offsetNumbers(list), (std::vector<std::string>{"abc", "2", "3", "10"}));
}

TEST(NextNumbers, AreEachMaximumPlusOne) {
    EXPECT_EQ(nextNumbers(ReportList{}).OffsetActNo, "1");
    EXPECT_EQ(nextNumbers(ReportList{}).InvoiceNo, "1");
    EXPECT_EQ(nextNumbers(ReportList{}).ActNo, "1");

    // Each number has its own maximum; empty and non-numeric texts count as 0.
    const ReportList list = listOf({{"4", "99999", ""}, {"12", "x", "6"}, {"", "3", "2"}});
    const NextNumbers next = nextNumbers(list);
    EXPECT_EQ(next.OffsetActNo, "13");
    EXPECT_EQ(next.ActNo, "100000");
    EXPECT_EQ(next.InvoiceNo, "7");

    const NextNumbers none = nextNumbers(listOf({{"", "", "q"}}));
    EXPECT_EQ(none.OffsetActNo + none.ActNo + none.InvoiceNo, "111");
}

TEST(FindDuplicate, NeedsNumberPeriodAndWholeContractNumber) {
    const ReportList list = listOf({{"5", "", "", 2, 3, "12345678"},
                                    {"7", "", "", 2, 3, "12345678"},
                                    {"7", "", "", 2, 3, "123456789"}}); // stored as 8 characters
    struct Case {
        std::string number;
        std::uint8_t month, year;
        std::string contract;
        std::optional<std::size_t> found;
    };
    const std::vector<Case> cases = {
        {"7", 2, 3, "12345678", 1},
        {"5", 2, 3, "12345678", 0},
        {"7", 3, 3, "12345678", std::nullopt},
        {"7", 2, 4, "12345678", std::nullopt},
        {"07", 2, 3, "12345678", std::nullopt},
        {"7", 2, 3, "1234567", std::nullopt},
        {"7", 2, 3, "123456789", std::nullopt}, // longer than the stored 8: never found
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number + " " + c.contract);
        EXPECT_EQ(findDuplicate(list, c.number, c.month, c.year, c.contract), c.found);
    }
}

TEST(DeletedReportName, CutsFiveCharactersBeforeTheNewExtension) {
    EXPECT_EQ(deletedReportName("7_0313_12345678.rep"), "7_0313_1234567.rdel");
    EXPECT_EQ(deletedReportName("a.REP"), ".rdel");
}

} // namespace
} // namespace kestrelon::test
