// The report window's rules as a user meets them: what survives coming back to the window,
// what a changed remuneration or cell undoes, the keyboard in the grid, the numbers and the
// documents' outputs.

#include "report_windows.h"
#include "reports/files/report_files.h"
#include "reports/files/report_scan.h"
#include "ui/reports/document_view.h"
#include "ui/reports/tform_slk.h"
#include "ui/support/active_window.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class ReportWindowTest : public test::ReportWindowsTest {
protected:
    QWidget* button(const char* name) const {
        return test::child<QWidget>(*report, QString::fromLatin1(name));
    }
    void manualMode() {
        createWindows();
        report->show();
        click(*report, QStringLiteral("SpeedButton9"));
    }
    QTabWidget* tabs() const {
        return test::child<QTabWidget>(*report, QStringLiteral("PageControl1"));
    }
};

TEST_F(ReportWindowTest, OpensOnThePreviousMonthWithTodayAndTheNextNumbers) {
    createWindows();
    EXPECT_EQ(combo(1)->currentText(), QStringLiteral("Декабрь"));
    EXPECT_EQ(combo(2)->currentText(), QStringLiteral("2012"));
    EXPECT_EQ(combo(2)->itemText(combo(2)->count() - 1), QStringLiteral("2099"));
    for (const int n : {4, 5, 6}) {
        EXPECT_EQ(field(n), QStringLiteral("7.01.2013"));
    }
    EXPECT_EQ(field(1), QStringLiteral("1"));
    EXPECT_FALSE(button("SpeedButton2")->isEnabled()) << "Save";
    EXPECT_FALSE(button("SpeedButton3")->isEnabled()) << "New";
    EXPECT_FALSE(button("Panel1")->isVisible()) << "the zone shows in manual mode only";
    EXPECT_TRUE(windows->FormMain->findChild<QWidget*>(QStringLiteral("SpeedButton5"))->isEnabled())
        << "the main window's Report button";
}

TEST_F(ReportWindowTest, TypedAmountsSurviveComingBackToTheWindow) {
    manualMode();
    typeCell(0, 3, QStringLiteral("100"));
    typeCell(1, 5, QStringLiteral("236"));
    // Any activation (back from the list, a question, another program) keeps them...
    report->activated();
    whenModal(QStringLiteral("FormReportList"), [](QDialog& list) { list.reject(); });
    click(*report, QStringLiteral("SpeedButton1"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("100"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("236"));
    // ...and when the contracts change, the rows that are still there keep theirs.
    store->Clients[1].Inactive = 0;
    report->activated();
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(cell(1, 0), QStringLiteral("22222222"));
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_EQ(cell(0, 3), QStringLiteral("100"));
    EXPECT_EQ(cell(2, 5), QStringLiteral("236"));
}

TEST_F(ReportWindowTest, GridKeysEnterMovesOnDeleteEmptiesLettersAreRefused) {
    manualMode();
    grid()->setCurrentCell(0, 3);
    for (const QChar c : QStringLiteral("1a2,5")) {
        QWidget* target = cellEditor() ? static_cast<QWidget*>(cellEditor()) : grid();
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(cellEditor(), Qt::Key_Return);
    EXPECT_EQ(cell(0, 3), QStringLiteral("12,5"));
    EXPECT_EQ(grid()->currentColumn(), 4) << "Enter opens the next cell";
    QTest::keyClick(cellEditor(), Qt::Key_Escape);
    grid()->setCurrentCell(0, 3);
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(cell(0, 3), QString());
    grid()->setCurrentCell(0, 0);
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(cell(0, 0), QStringLiteral("11111111")) << "the contract column is not typed into";
}

TEST_F(ReportWindowTest, AChangedRemunerationOrAmountUndoesTheComputation) {
    createWindows();
    report->show();
    importOneInvoice();
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(11), QStringLiteral("1080.00"));
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
    test::type(*report, 10, QStringLiteral("200"));
    EXPECT_EQ(field(11), QString());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    click(*report, QStringLiteral("SpeedButton2"));
    EXPECT_FALSE(folder.exists("1_0313_12345678.rep")) << "Save does nothing before Get";

    // Manual mode: an amount typed after "Get" empties the totals; Save waits for "Get".
    click(*report, QStringLiteral("SpeedButton9"));
    typeCell(0, 3, QStringLiteral("100"));
    test::type(*report, 10, QStringLiteral("10"));
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(9), QStringLiteral("118.00"));
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
    typeCell(1, 3, QStringLiteral("50"));
    EXPECT_EQ(field(9), QString());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
}

TEST_F(ReportWindowTest, TheRemunerationFieldTakesTenCharactersOfAnAmount) {
    createWindows();
    report->show();
    test::type(*report, 10, QStringLiteral("12a34567,89012"));
    EXPECT_EQ(field(10), QStringLiteral("1234567,89"));
    EXPECT_EQ(test::edit(*report, 1)->maxLength(), 5);
}

TEST_F(ReportWindowTest, ZoneDigitRunsThroughTenValuesAndNumbersCopyAcrossTheGroups) {
    manualMode();
    report->activateWindow();
    ASSERT_TRUE(test::waitActive(report));
    for (int k = 0; k < 10; ++k) {
        click(*report, QStringLiteral("Panel1"));
    }
    EXPECT_EQ(report->zoneDigit(), 2);
    test::type(*report, 1, QStringLiteral("17"));
    test::type(*report, 4, QStringLiteral("31.12.2012"));
    QTest::keyClick(report, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(report, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field(2) + field(3), QStringLiteral("1717"));
    EXPECT_EQ(field(6), QStringLiteral("31.12.2012"));
}

TEST_F(ReportWindowTest, SavingTheSameNumberAndPeriodAsksBeforeReplacing) {
    createWindows();
    report->show();
    importOneInvoice();
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    click(*report, QStringLiteral("SpeedButton2"));
    ASSERT_TRUE(folder.exists("1_0313_12345678.rep"));

    click(*report, QStringLiteral("SpeedButton3"));
    test::type(*report, 1, QStringLiteral("1"));
    test::type(*report, 10, QStringLiteral("150"));
    click(*report, QStringLiteral("SpeedButton4"));
    for (const bool replace : {false, true}) {
        whenModal(QStringLiteral("FormChangeRep"), [replace](QDialog& ask) {
            EXPECT_EQ(test::child<QLabel>(ask, QStringLiteral("Panel1"))->text(),
                      QStringLiteral("Акт зачета № 1 за Март 2013 г. уже есть."));
            click(ask, replace ? QStringLiteral("ButtonYes") : QStringLiteral("ButtonNo"));
        });
        click(*report, QStringLiteral("SpeedButton2"));
        EXPECT_EQ(report->viewOnly(), replace);
    }
    auto stored = std::make_unique<ReportRecord>();
    std::string name;
    ASSERT_TRUE(OpenReport(folder.path(), "1_0313_12345678.rep", *stored, name));
    EXPECT_EQ(stored->Remuneration.str(), "150");
}

TEST_F(ReportWindowTest, ANextNumberAboveFiveDigitsIsLeftForTheUserWithAMessage) {
    auto record = std::make_unique<ReportRecord>();
    record->OffsetActNo = "99999";
    record->InvoiceNo = "12";
    record->ActNo = "99999";
    record->PeriodMonth = 2;
    record->PeriodYear = 3;
    SaveReport(*record, folder.path(), "99999_0313_12345678.rep");
    createWindows();
    EXPECT_EQ(field(1), QString());
    EXPECT_EQ(field(2), QStringLiteral("13"));
    EXPECT_TRUE(sink.messages.isEmpty()) << "said when the window is shown, not at start-up";
    report->show();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains(QStringLiteral("100000")));
}

TEST_F(ReportWindowTest, DocumentsOfANewReportShowNoRowsUntilItIsComputed) {
    manualMode();
    typeCell(0, 3, QStringLiteral("100"));
    test::type(*report, 10, QStringLiteral("10"));
    click(*report, QStringLiteral("SpeedButton4"));
    tabs()->setCurrentIndex(TFormReport::OffsetActTab);
    // The row of contract 11111111 carries invoice 2121211111111 (zone 2, December 2012).
    const auto showsTheRow = [this] {
        for (const PlacedPage& page :
             report->documentView(TFormReport::OffsetActTab)->document().pages) {
            for (const TextItem& item : page.texts) {
                if (item.text == "2121211111111") {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(showsTheRow());
    tabs()->setCurrentIndex(TFormReport::ReportTab);
    click(*report, QStringLiteral("SpeedButton2")); // "Save"; "New" is open after it only
    click(*report, QStringLiteral("SpeedButton3")); // "New"
    tabs()->setCurrentIndex(TFormReport::OffsetActTab);
    EXPECT_FALSE(showsTheRow()) << "the rows of the report before \"New\" are not this report's";
}

TEST_F(ReportWindowTest, PrintWithoutAPrinterSaysSoAndPdfWritesTheOpenDocument) {
    createWindows();
    report->show();
    importOneInvoice();
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    tabs()->setCurrentIndex(TFormReport::InvoiceTab);
    qputenv("CUPS_SERVER", "/nonexistent/kestrelon-no-printer.sock");
    click(*report, QStringLiteral("SpeedButton7"));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0], QStringLiteral("Принтер по умолчанию не найден."));

    QString suggested;
    const QString target = QString::fromStdString(folder.path()) + QStringLiteral("счет");
    test::scriptedDialogs(*report).setPdfFileChooser([&](QWidget*, const QString& name) {
        suggested = name;
        return target;
    });
    click(*report, QStringLiteral("SpeedButton10"));
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("Счет 1 за Март 2013.pdf")))
        << suggested.toStdString();
    QFile pdf(target + QStringLiteral(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the extension is added";
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_EQ(sink.messages.size(), 1);
}

TEST_F(ReportWindowTest, AnUnreadableSlkFileKeepsTheTextAndSaysWhy) {
    createWindows();
    TFormSlk& import = *windows->FormSlk;
    import.textArea()->setPlainText(QStringLiteral("what was pasted"));
    folder.writeFile("broken.slk", "ID;P\r\nC;Y1;X0;K1\r\nE\r\n");
    EXPECT_FALSE(import.openRegisterFile(QString::fromStdString(folder.path() + "broken.slk")));
    EXPECT_EQ(import.textArea()->toPlainText(), QStringLiteral("what was pasted"));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains(QStringLiteral("Строка 2")))
        << sink.messages[0].toStdString();
}

} // namespace
} // namespace kestrelon
