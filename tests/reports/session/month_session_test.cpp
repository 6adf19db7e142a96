// The month session's rules without a window: what opening, "New", "Get", typing, the modes,
// "Save", a stored report and closing do to the report's fields and state.

#include "reports/session/month_session.h"
#include "support/sample_catalogues.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace kestrelon {
namespace {

struct Answers : SessionQuestions {
    bool replace = false;
    bool second = true;
    std::vector<std::string> asked;

    bool replaceStoredReport(const Utf8Text& line1, const Utf8Text&) override {
        asked.push_back(line1.utf8());
        return replace;
    }
    bool saveSecondReport(const Utf8Text& question) override {
        asked.push_back(question.utf8());
        return second;
    }
    bool keepTypedVat(const VatQuestion&) override { return false; }
};

std::string utf8(const std::string& cp1251) {
    return cp1251ToUtf8(cp1251);
}

std::string saidText(const Sayings& said) {
    std::string all;
    for (const Said& one : said) {
        all += one.text.utf8() + "\n";
    }
    return all;
}

class MonthSessionTest : public ::testing::Test {
protected:
    static constexpr CalendarDay kToday{2013, 1, 7};

    void SetUp() override {
        store.DataFolder = folder.path();
        test::fillCatalogues(store);
        EXPECT_TRUE(session.start(kToday).empty());
    }

    // Manual mode with the two active contracts' amounts typed: 1000 without VAT in the first
    // row, 2360 with VAT in the second, and the remuneration.
    void typeManualReport(const std::string& remuneration = "150.50") {
        session.chooseManualMode();
        GridRows rows = session.rows();
        EXPECT_EQ(rows.size(), 2u);
        rows[0][3] = "1000";
        rows[1][5] = "2360";
        session.editRows(rows, kFirstAmountColumn);
        session.typeRemuneration(remuneration);
    }

    void computeManualReport() {
        typeManualReport();
        EXPECT_EQ(saidText(session.get(answers)), "");
        EXPECT_TRUE(session.hasUnsavedReport());
    }

    test::TempFolder folder;
    DataStore store;
    ReportWorkspace reports;
    MonthSession session{store, reports};
    Answers answers;
};

TEST_F(MonthSessionTest, ANewReportIsTheMonthBeforeTodayWithTodaysDatesAndTheNextNumbers) {
    struct Case {
        CalendarDay today;
        Period period;
        const char* date;
    };
    const Case cases[] = {
        {{2013, 1, 7}, previousMonth(1, 2013), "7.01.2013"},
        {{2026, 12, 10}, previousMonth(12, 2026), "10.12.2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_TRUE(session.startNew(c.today).empty());
        const ReportValues& v = session.values();
        EXPECT_EQ(v.period.month, c.period.month);
        EXPECT_EQ(v.period.year, c.period.year);
        for (const ReportField date :
             {ReportField::OffsetActDate, ReportField::InvoiceDate, ReportField::ActDate}) {
            EXPECT_EQ(session.field(date), c.date);
        }
        EXPECT_EQ(v.OffsetActNo, "1");
        EXPECT_EQ(v.InvoiceNo, "1");
        EXPECT_EQ(v.ActNo, "1");
        EXPECT_EQ(session.mode(), ReportMode::Slk);
        EXPECT_FALSE(session.viewOnly());
        EXPECT_FALSE(session.hasUnsavedReport());
        EXPECT_TRUE(session.mayImport());
        EXPECT_FALSE(session.mayStartNew());
    }
}

TEST_F(MonthSessionTest, GetComputesTheTypedAmountsToTheKopeck) {
    typeManualReport();
    const int revision = session.rowsRevision();
    EXPECT_EQ(saidText(session.get(answers)), "");
    const ReportValues& v = session.values();
    EXPECT_EQ(v.IncomeTotal, "3000.00");
    EXPECT_EQ(v.VatTotal, "540.00");
    EXPECT_EQ(v.GrossTotal, "3540.00");
    EXPECT_EQ(v.ToPrincipal, "3389.50");
    EXPECT_GT(session.rowsRevision(), revision) << "the computed rows are put on view";
    EXPECT_EQ(session.rows()[0][5], "1180.00");
    EXPECT_EQ(session.rows()[1][3], "2000.00");
    EXPECT_TRUE(session.hasUnsavedReport());
}

TEST_F(MonthSessionTest, WhatUndoesAComputationAndWhatDoesNot) {
    struct Case {
        const char* act;
        std::function<void(MonthSession&, Answers&)> run;
        bool stillReady;
        bool totalsKept;
    };
    const std::vector<Case> cases = {
        {"remuneration typed", [](MonthSession& s, Answers&) { s.typeRemuneration("200"); }, false,
         true},
        {"an amount typed",
         [](MonthSession& s, Answers&) {
             GridRows rows = s.rows();
             rows[0][3] = "1001";
             s.editRows(rows, kFirstAmountColumn);
         },
         false, false},
        {"an invoice number typed",
         [](MonthSession& s, Answers&) {
             GridRows rows = s.rows();
             rows[0][1] = "777";
             s.editRows(rows, 1);
         },
         true, true},
        {"the numbers copied", [](MonthSession& s, Answers&) { s.copyFirstNumber(); }, true, true},
        {"another month, computed again",
         [](MonthSession& s, Answers& a) { EXPECT_TRUE(s.chooseMonth(5, a).empty()); }, true, true},
        {"the register's mode", [](MonthSession& s, Answers&) { s.chooseRegisterMode(); }, false,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.act);
        session.startNew(kToday);
        computeManualReport();
        c.run(session, answers);
        EXPECT_EQ(session.hasUnsavedReport(), c.stillReady);
        EXPECT_EQ(session.values().ToPrincipal.empty(), !c.stillReady);
        EXPECT_EQ(session.values().GrossTotal.empty(), !c.totalsKept);
    }
}

TEST_F(MonthSessionTest, TypedAmountsSurviveATripToTheRegistersModeButNotNew) {
    typeManualReport();
    session.chooseRegisterMode();
    EXPECT_TRUE(session.rows().empty()) << "no register was imported";
    session.chooseManualMode();
    EXPECT_EQ(session.rows()[0][3], "1000");
    EXPECT_EQ(session.rows()[1][5], "2360");

    session.startNew(kToday);
    EXPECT_EQ(session.rows().size(), 2u);
    EXPECT_EQ(session.rows()[0][3], "");
    EXPECT_EQ(session.values().Remuneration, "");
}

TEST_F(MonthSessionTest, ClosingAsksOnceForAnUnsavedReportAndAgainAfterTheNextGet) {
    EXPECT_FALSE(session.closeQuestion());
    computeManualReport();
    const std::optional<Utf8Text> question = session.closeQuestion();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->utf8(), "Отчет не сохранен. Сохранить?");
    session.letUnsavedGo();
    EXPECT_FALSE(session.closeQuestion());
    session.get(answers);
    EXPECT_TRUE(session.closeQuestion());
}

TEST_F(MonthSessionTest, SavedReportIsOnViewReadOnlyAndOpensAgainAfterNew) {
    computeManualReport();
    bool written = false;
    EXPECT_EQ(saidText(session.save(answers, written)), "");
    ASSERT_TRUE(written);
    EXPECT_TRUE(std::filesystem::exists(store.DataFolder + utf8(reports.currentFileName)));
    EXPECT_TRUE(session.viewOnly());
    EXPECT_TRUE(session.storedReportOpen()) << "the folder's first report";
    EXPECT_FALSE(session.closeQuestion());
    EXPECT_TRUE(session.mayStartNew());
    EXPECT_FALSE(session.mayImport());
    EXPECT_FALSE(session.rowsEditable());

    // Nothing of a stored report on view can be changed.
    const ReportValues before = session.values();
    session.copyFirstDate();
    session.chooseRegisterMode();
    session.restoreRemuneration();
    EXPECT_TRUE(session.get(answers).empty());
    EXPECT_EQ(session.values().Remuneration, before.Remuneration);
    EXPECT_EQ(session.values().GrossTotal, before.GrossTotal);
    EXPECT_EQ(session.mode(), ReportMode::Manual);

    session.startNew(kToday);
    EXPECT_EQ(session.values().OffsetActNo, "2");
    EXPECT_FALSE(session.viewOnly());
    EXPECT_FALSE(session.storedReportOpen());

    session.openStored();
    EXPECT_TRUE(session.viewOnly());
    EXPECT_EQ(session.values().GrossTotal, "3540.00");
    EXPECT_EQ(session.values().OffsetActNo, "1");
    EXPECT_EQ(session.documentInput().rows.size(), 2u);

    // The remuneration of the report last opened comes back on request in a new report.
    session.startNew(kToday);
    session.typeRemuneration("1");
    session.restoreRemuneration();
    EXPECT_EQ(session.values().Remuneration, "150.50");
}

TEST_F(MonthSessionTest, AMissingPrincipalStopsGetAndSaveButNotAStoredReport) {
    computeManualReport();
    store.PrincipalChoice = "7700000000";
    const std::string problem = session.missingPrincipal().utf8();
    EXPECT_NE(problem.find("Организация принципала не найдена"), std::string::npos) << problem;
    session.typeRemuneration("100");
    EXPECT_EQ(saidText(session.get(answers)), problem + "\n");
    EXPECT_TRUE(session.values().ToPrincipal.empty()) << "nothing computed";
    store.PrincipalChoice = PrincipalInn;
    session.get(answers);
    store.PrincipalChoice = "7700000000";
    bool written = true;
    EXPECT_EQ(saidText(session.save(answers, written)), problem + "\n");
    EXPECT_FALSE(written);

    reports.StoredReportOpen = true;
    EXPECT_TRUE(session.missingPrincipal().empty()) << "a stored report prints its principal";
}

TEST_F(MonthSessionTest, OutputsNeverTakeThePlaceOfWhatTheProgramReads) {
    const struct {
        std::string path;
        const char* said; // a part of the refusal, or nothing
    } cases[] = {
        {store.DataFolder + "Firms", "таблица данных программы"},
        {folder.path() + "../elsewhere.rep", "файл отчета (*.rep)"},
        {folder.path() + "Акт 1.pdf", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string problem = session.protectedOutputProblem(c.path).utf8();
        if (c.said == nullptr) {
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_NE(problem.find(c.said), std::string::npos) << problem;
            EXPECT_NE(problem.find(c.path), std::string::npos) << problem;
        }
    }
}

} // namespace
} // namespace kestrelon
