// A computed report is not lost by closing its window or the program, and "Get" without a
// remuneration says why "Save" would do nothing.

#include "report_windows.h"
#include "ui/main/tform_main.h"

#include <QCloseEvent>

namespace kestrelon {
namespace {

using test::click;
using Answer = MessageSink::Answer;

const QString kUnsaved = QStringLiteral("Отчет не сохранен. Сохранить?");
constexpr const char* kStoredFile = "1_0313_12345678.rep";

class ReportClosingTest : public test::ReportWindowsTest {
protected:
    // A register read and computed with a remuneration: "Save" would save it.
    void computeReport() {
        createWindows();
        report->show();
        importOneInvoice();
        test::type(*report, 10, QStringLiteral("100"));
        click(*report, QStringLiteral("SpeedButton4"));
        ASSERT_TRUE(report->hasUnsavedReport());
    }
    void pressEscape() { QTest::keyClick(report, Qt::Key_Escape); }
};

TEST_F(ReportClosingTest, ClosingTheWindowAsksAndDoesWhatTheAnswerSays) {
    struct Case {
        const char* what;
        Answer answer;
        bool closed, saved;
    };
    const Case cases[] = {
        {"Да saves, then closes", Answer::Yes, true, true},
        {"Нет closes without saving", Answer::No, true, false},
        {"Отмена stays with the report", Answer::Cancel, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.path() + kStoredFile);
        computeReport();
        sink.threeWayAnswer = c.answer;
        sink.questions.clear();
        pressEscape();
        EXPECT_EQ(sink.questions, QStringList{kUnsaved});
        EXPECT_EQ(!report->isVisible(), c.closed);
        EXPECT_EQ(folder.exists(kStoredFile), c.saved);
        if (c.answer == Answer::No) {
            // Let go once: shown again and closed, it does not ask again until the next "Get".
            report->show();
            sink.questions.clear();
            report->close();
            EXPECT_TRUE(sink.questions.isEmpty());
        }
        windows.reset();
    }
}

TEST_F(ReportClosingTest, NothingToLoseClosesWithoutAQuestion) {
    createWindows();
    report->show();
    report->close();
    EXPECT_FALSE(report->isVisible()) << "nothing computed";

    computeReport();
    click(*report, QStringLiteral("SpeedButton2"));
    ASSERT_TRUE(folder.exists(kStoredFile));
    sink.questions.clear();
    report->close();
    EXPECT_FALSE(report->isVisible()) << "saved";
    EXPECT_TRUE(sink.questions.isEmpty());
}

TEST_F(ReportClosingTest, ClosingTheProgramAsksToo) {
    computeReport();
    report->hide(); // left by a way that does not ask, as a session's end does
    sink.threeWayAnswer = Answer::Cancel;
    sink.questions.clear();
    EXPECT_FALSE(windows->FormMain->FormClose()) << "Отмена keeps the program open";
    EXPECT_EQ(sink.questions, QStringList{kUnsaved});
    sink.threeWayAnswer = Answer::Yes;
    EXPECT_TRUE(windows->FormMain->FormClose());
    EXPECT_TRUE(folder.exists(kStoredFile));
}

TEST_F(ReportClosingTest, AFailedSaveKeepsTheWindowOpen) {
    computeReport();
    // Another report of the same number and period that the user will not replace.
    click(*report, QStringLiteral("SpeedButton2"));
    click(*report, QStringLiteral("SpeedButton3"));
    test::type(*report, 1, QStringLiteral("1"));
    test::type(*report, 10, QStringLiteral("150"));
    click(*report, QStringLiteral("SpeedButton4"));
    test::whenModal(QStringLiteral("FormChangeRep"),
                    [](QDialog& ask) { click(ask, QStringLiteral("ButtonNo")); });
    sink.threeWayAnswer = Answer::Yes;
    pressEscape();
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(report->hasUnsavedReport());
}

TEST_F(ReportClosingTest, GetWithoutARemunerationSaysItIsNeededBeforeSave) {
    createWindows();
    report->show();
    importOneInvoice();
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(9), QStringLiteral("1180.00")) << "the totals are shown";
    EXPECT_EQ(sink.messages,
              QStringList{QStringLiteral("Итоги посчитаны. Чтобы отчет можно было сохранить, "
                                         "введите вознаграждение и снова нажмите \"Get\".")});
    sink.messages.clear();
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(field(11), QStringLiteral("1080.00"));
}

} // namespace
} // namespace kestrelon
