#include "report_files_fixture.h"
#include "reports/files/report_files.h"
#include "reports/files/report_save.h"
#include "reports/files/report_scan.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

using Outcome = ReportSaveResult::Outcome;

const Period kMarch2013{2, 3};

// Answers the replace question and the second report's, and remembers what it was asked.
struct Answer {
    bool yes = false;
    bool secondYes = false;
    std::vector<std::string> asked;
    std::vector<std::string> askedSecond;
    AskReplace ask() {
        return [this](const std::string& line1, const std::string& line2) {
            asked = {line1, line2};
            return yes;
        };
    }
    AskSecondReport askSecond() {
        return [this](const std::string& question) {
            askedSecond.push_back(question);
            return secondYes;
        };
    }
};

class SaveReportWithChecksTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::unique_ptr<DataStore> store = storeWithOrganizations(folder);
    std::unique_ptr<ReportRecord> record = std::make_unique<ReportRecord>();
    ReportList list;
    Answer answer;

    ReportSaveResult save(const ReportValues& values, const RowSet& rows) {
        return SaveReportWithChecks(values, rows, *store, *record, list, answer.ask(),
                                    answer.askSecond());
    }
    ReportSaveResult save(const std::string& number, std::size_t rowCount = 1) {
        return save(valuesFor(number, kMarch2013), rowsOf(rowCount));
    }
};

TEST_F(SaveReportWithChecksTest, FirstReportIsWrittenAndListed) {
    const ReportSaveResult result = save("7");
    EXPECT_EQ(result.outcome, Outcome::Saved);
    EXPECT_TRUE(result.firstReport);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(result.fileName, "7_0313_12345678.rep");
    EXPECT_TRUE(folder.exists("7_0313_12345678.rep"));
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries[0].FileName, "7_0313_12345678.rep");
    EXPECT_TRUE(answer.asked.empty());
}

TEST_F(SaveReportWithChecksTest, SameNumberAndPeriodAsksBeforeReplacing) {
    save("7", 1);
    const std::string first = folder.readFile("7_0313_12345678.rep");

    const ReportSaveResult kept = save("7", 2);
    EXPECT_EQ(kept.outcome, Outcome::NotReplaced);
    EXPECT_EQ(kept.fileName, "");
    EXPECT_EQ(answer.asked, (std::vector<std::string>{
                                "Акт зачета № 7 за Март 2013 г. уже есть."_cp,
                                "Сохранить изменения в акте зачета № 7 за Март 2013 г."_cp}));
    EXPECT_EQ(folder.readFile("7_0313_12345678.rep"), first);

    answer.yes = true;
    const ReportSaveResult replaced = save("7", 2);
    EXPECT_EQ(replaced.outcome, Outcome::Replaced);
    EXPECT_FALSE(replaced.firstReport);
    EXPECT_EQ(list.count(), 1u);
    auto stored = std::make_unique<ReportRecord>();
    std::string current;
    ASSERT_TRUE(OpenReport(folder.path(), "7_0313_12345678.rep", *stored, current));
    EXPECT_EQ(stored->RowCount.get(), 2);
}

TEST_F(SaveReportWithChecksTest, ASecondReportOfAMonthIsSavedOnlyWhenTheUserWantsIt) {
    save("7");
    const ReportSaveResult declined = save("8");
    EXPECT_EQ(declined.outcome, Outcome::NotSecond);
    EXPECT_EQ(declined.message, "");
    EXPECT_FALSE(folder.exists("8_0313_12345678.rep"));
    ASSERT_EQ(answer.askedSecond.size(), 1u);
    EXPECT_EQ(cp1251ToUtf8(answer.askedSecond[0]), "За Март 2013 г. уже есть отчет:\n"
                                                   "акт зачета № 7, файл «7_0313_12345678.rep»\n"
                                                   "Сохранить еще один отчет за этот месяц?");

    answer.secondYes = true;
    EXPECT_EQ(save("8").outcome, Outcome::Saved);
    answer.askedSecond.clear();
    EXPECT_EQ(save(valuesFor("7", Period{3, 3}), rowsOf(1)).outcome, Outcome::Saved);
    EXPECT_TRUE(answer.askedSecond.empty()) << "April has no report yet";
    EXPECT_TRUE(answer.asked.empty());
    EXPECT_EQ(offsetNumbers(list), (std::vector<std::string>{"7", "7", "8"}));
    EXPECT_TRUE(folder.exists("8_0313_12345678.rep"));
    EXPECT_TRUE(folder.exists("7_0413_12345678.rep"));
}

TEST_F(SaveReportWithChecksTest, SixtyFourReportsLeaveRoomOnlyForReplacing) {
    for (int i = 1; i <= 64; ++i) {
        writeReport(folder, {std::to_string(i), "1", "1"});
    }
    list = FindFilesReport(folder.path());

    const ReportSaveResult refused = save("65");
    EXPECT_EQ(refused.outcome, Outcome::LimitReached);
    EXPECT_EQ(refused.message, "Может быть сохранено только 64 отчета в этой версии программы."_cp);
    EXPECT_FALSE(folder.exists("65_0313_12345678.rep"));

    answer.yes = true;
    EXPECT_EQ(save("64").outcome, Outcome::Replaced);
}

TEST_F(SaveReportWithChecksTest, AReportFileOfTheSameNameIsNeverReplacedWithoutAsking) {
    struct Case {
        std::string first, second; // agent contract numbers of the two saves
        std::string file;
    };
    // A number longer than the stored 8 characters is never found by the search; two numbers
    // can also name the same file once "/" becomes "_".
    const std::vector<Case> cases = {{"123456789", "123456789", "7_0313_12345678.rep"},
                                     {"12/2013", "12_2013", "7_0313_12_2013.rep"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        TempFolder own;
        store = storeWithOrganizations(own);
        list = ReportList{};
        answer = Answer{};
        store->Agent.ContractNo = c.first;
        ASSERT_EQ(save("7", 1).outcome, Outcome::Saved);
        const std::string first = own.readFile(c.file);
        ASSERT_EQ(first.size(), sizeof(ReportRecord));

        store->Agent.ContractNo = c.second;
        EXPECT_EQ(save("7", 2).outcome, Outcome::NotReplaced);
        EXPECT_EQ(own.readFile(c.file), first) << "kept until the user agrees";
        EXPECT_EQ(answer.asked.at(0), "Акт зачета № 7 за Март 2013 г. уже есть."_cp);

        answer.yes = true;
        EXPECT_EQ(save("7", 2).outcome, Outcome::Replaced);
        EXPECT_NE(own.readFile(c.file), first);
    }
}

TEST_F(SaveReportWithChecksTest, MoreRowsThanTheFileHoldsAreRefused) {
    record->OffsetActNo = "untouched";
    const ReportSaveResult refused = save("7", ReportRecord::kMaxRows + 1);
    EXPECT_EQ(refused.outcome, Outcome::TooManyRows);
    EXPECT_NE(refused.message.find("802"), std::string::npos);
    EXPECT_NE(refused.message.find("801"), std::string::npos);
    EXPECT_EQ(record->OffsetActNo.str(), "untouched");
    EXPECT_FALSE(folder.exists("7_0313_12345678.rep"));

    EXPECT_EQ(save("7", ReportRecord::kMaxRows).outcome, Outcome::Saved);
    EXPECT_EQ(record->RowCount.get(), ReportRecord::kMaxRows);
}

} // namespace
} // namespace kestrelon::test
