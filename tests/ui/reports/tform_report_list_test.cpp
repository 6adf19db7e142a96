#include "reports/files/fill_report.h"
#include "reports/files/report_files.h"
#include "reports/files/report_scan.h"
#include "ui/reports/report_list_host.h"
#include "ui/reports/tform23.h"
#include "ui/reports/tform_change_rep.h"
#include "ui/reports/tform_del_rep.h"
#include "ui/reports/tform_report_list.h"
#include "ui/support/firm_windows.h"
#include "ui/support/modal_driver.h"
#include "ui/widgets/find_named.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

struct Report {
    const char* number;
    std::uint8_t month;
    const char *gross, *remuneration, *toPrincipal;
};

// Saves a report as the report window would and returns its file name (cp1251).
std::string saveReport(const std::string& folder, const Report& r) {
    auto record = std::make_unique<ReportRecord>();
    record->OffsetActNo = r.number;
    record->ActNo = r.number;
    record->InvoiceNo = r.number;
    record->PeriodMonth = r.month;
    record->PeriodYear = 3; // 2013
    record->GrossTotal = r.gross;
    record->Remuneration = r.remuneration;
    record->ToPrincipal = r.toPrincipal;
    record->AgentContractNo = "12345678";
    const std::string name = reportFileName(*record);
    SaveReport(*record, folder, name);
    return name;
}

class FakeHost : public ReportListHost {
public:
    explicit FakeHost(const ReportWorkspace& reports) : reports_(reports) {}
    void openStoredReport() override {
        opened.append(QString::fromStdString(reports_.record->OffsetActNo.str() + " " +
                                             reports_.currentFileName));
    }
    void showNextNumbers(const NextNumbers& n) override {
        numbers.append(QString::fromStdString(n.OffsetActNo + "," + n.InvoiceNo + "," + n.ActNo));
    }
    QStringList opened, numbers;

private:
    const ReportWorkspace& reports_;
};

class ReportListTest : public ::testing::Test {
protected:
    ReportListTest() { store->DataFolder = folder.path(); }

    // Three reports saved out of order, scanned, and the windows wired as at start-up.
    TFormReportList& open(std::vector<Report> reports = {{"10", 4, "100.00", "0.05", "99.95"},
                                                         {"2", 2, "1770.00", "1500.00", "270.00"},
                                                         {"3", 3, "300.50", "250.50", "50.00"}}) {
        for (const Report& r : reports) {
            names.push_back(saveReport(folder.path(), r));
        }
        context.reports.list = FindFilesReport(folder.path());
        form = std::make_unique<TFormReportList>(context, nullptr);
        form->setDialogs(new TFormDelRep(form.get()), new TForm23(form.get()));
        form->setHost(&host);
        form->show();
        return *form;
    }

    CatalogueGrid* grid() const {
        return findNamed<CatalogueGrid>(*form, QStringLiteral("StringGrid1"));
    }
    QToolButton* button(int n) const {
        return form->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n));
    }
    QString panel(int n) const {
        return form->findChild<QStatusBar*>()
            ->findChild<QLabel*>(QStringLiteral("Panel%1").arg(n))
            ->text();
    }
    QStringList column(int c) const {
        QStringList texts;
        for (int r = 0; r < grid()->rowCount(); ++r) {
            texts.append(grid()->item(r, c) ? grid()->item(r, c)->text() : QString());
        }
        return texts;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    // Presses the left button under the last row and releases it over `row`.
    void dragFromUnderTheRowsTo(int row) {
        QWidget* viewport = grid()->viewport();
        const QPoint over = grid()->visualRect(grid()->model()->index(row, 1)).center();
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(over.x(), viewport->height() - 4));
        QTest::mouseMove(viewport, over);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, over);
    }
    // The same three reports again in a fresh window.
    void reopen() {
        form.reset();
        host.opened.clear();
        for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
            std::filesystem::remove(file.path());
        }
        names.clear();
        open();
    }
    void menuItem(const char* name) { form->findChild<QAction*>(name)->trigger(); }
    static QString decimal(QString text) {
        return text.replace('.', QLocale::system().decimalPoint());
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    FakeHost host{context.reports};
    std::vector<std::string> names;
    std::unique_ptr<TFormReportList> form;
};

TEST_F(ReportListTest, ListsTheReportsInNumberOrderInItsStoredSize) {
    store->FormW.setSize(SizedWindow::ReportList, {700, 420});
    open();
    EXPECT_EQ(form->windowTitle(), "Отчеты");
    EXPECT_EQ(form->size(), QSize(700, 420));
    EXPECT_EQ(button(1)->toolTip(), "Синхронизация");
    EXPECT_EQ(form->findChild<QStatusBar*>()->toolTip(), "Щелкни правой кнопкой");
    EXPECT_EQ(column(0), (QStringList{"2", "3", "10"}));
    EXPECT_EQ(column(1), (QStringList{"Март", "Апрель", "Май"}));
    EXPECT_EQ(column(4), (QStringList{"1500.00", "250.50", "0.05"}));
    EXPECT_TRUE(button(2)->isEnabled() && button(3)->isEnabled());
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_EQ(panel(0), "3");
    EXPECT_FALSE(grid()->accessibleName().isEmpty());
}

TEST_F(ReportListTest, SelectionIsTotalledAndPutOnTheClipboardByMouseAndKeyboard) {
    open();
    clickRow(0);
    clickRow(1, Qt::ShiftModifier);
    EXPECT_EQ(panel(1), "2");
    EXPECT_EQ(panel(7), "Selection - 2 (1..2)");
    EXPECT_EQ(panel(4) + " " + panel(5) + " " + panel(6), decimal("2070.5 1750.5 320"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    menuItem("N2");
    EXPECT_EQ(clipboard->text(), decimal("1750.5"));
    menuItem("N4");
    EXPECT_EQ(clipboard->text(), decimal("105.03"));

    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(panel(7), "Selection - 3 (1..3)");
    EXPECT_EQ(panel(6), decimal("419.95"));
    menuItem("N3");
    EXPECT_EQ(clipboard->text(), decimal("419.95"));
    menuItem("N4");
    EXPECT_EQ(clipboard->text(), decimal("105.033"));

    // The menu is reached from the keyboard as well.
    QTest::keyClick(grid(), Qt::Key_F10, Qt::ShiftModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->actions().value(0)->text(), "В буфер");
    popup->close();
}

TEST_F(ReportListTest, OpenReadsTheChosenReportForTheReportWindow) {
    open();
    clickRow(1);
    click(*form, "SpeedButton3");
    EXPECT_EQ(host.opened, QStringList{"3 3_0413_12345678.rep"});
    EXPECT_TRUE(context.reports.StoredReportOpen);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportListTest, OpeningAVanishedFileSaysSoAndKeepsTheOpenReport) {
    open();
    context.reports.record->OffsetActNo = "99";
    context.reports.currentFileName = "99_0113_12345678.rep";
    std::filesystem::remove(folder.path() + names[1]); // report 2, the first row
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(
        sink.messages,
        QStringList{"Отчет \"2_0313_12345678.rep\" не найден: файл удален или переименован."});
    EXPECT_EQ(context.reports.record->OffsetActNo.str(), "99");
    EXPECT_EQ(context.reports.currentFileName, "99_0113_12345678.rep");
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(column(0), (QStringList{"3", "10"})) << "the stale row goes";
}

TEST_F(ReportListTest, DeleteAsksRenamesAndSelectsTheRowAtTheDeletedPosition) {
    open();
    clickRow(1);
    whenModal("FormDelRep", [](QDialog& dialog) { click(dialog, "ButtonNo"); });
    click(*form, "SpeedButton2");
    EXPECT_TRUE(folder.exists(names[2]));

    QString question;
    whenModal("FormDelRep", [&](QDialog& dialog) {
        question = dialog.windowTitle() + " | " + test::child<QLabel>(dialog, "Label1")->text() +
                   " | " + test::child<QLabel>(dialog, "Panel1")->text();
        click(dialog, "ButtonYes");
    });
    click(*form, "SpeedButton2");
    EXPECT_EQ(question, "Удалить платежку | Удалить отчет ? | Акт зачета № 3. Отчетный период - "
                        "Апрель 2013 г.");
    EXPECT_FALSE(folder.exists("3_0413_12345678.rep"));
    EXPECT_TRUE(folder.exists("3_0413_1234567.rdel"));
    EXPECT_EQ(column(0), (QStringList{"2", "10"}));
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(panel(0), "2");
    EXPECT_EQ(host.numbers, QStringList{"11,11,11"});
}

// Del and Open act on the highlighted row; of several, on the one the status bar names as
// the last clicked. The rows show reports 2 (March), 3 (April) and 10 (May).
TEST_F(ReportListTest, DelAndOpenActOnTheSelectedRow) {
    struct Case {
        const char* how;
        std::function<void()> select;
        int row;           // the report acted on
        const char* range; // panel 7
    };
    const auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(grid(), k, m);
    };
    const std::vector<Case> cases{
        {"a click", [&] { clickRow(1); }, 1, "Selection - 1 (2..2)"},
        {"a Shift click down",
         [&] {
             clickRow(0);
             clickRow(2, Qt::ShiftModifier);
         },
         2, "Selection - 3 (1..3)"},
        {"a Shift click up",
         [&] {
             clickRow(2);
             clickRow(0, Qt::ShiftModifier);
         },
         0, "Selection - 3 (1..3)"},
        {"a Ctrl click",
         [&] {
             clickRow(0);
             clickRow(1, Qt::ControlModifier);
         },
         1, "Selection - 2 (1..2)"},
        {"the keyboard",
         [&] {
             key(Qt::Key_Down);
             key(Qt::Key_Down);
             key(Qt::Key_Up, Qt::ShiftModifier);
         },
         1, "Selection - 2 (2..3)"},
        // The drag moves the focus mark over the first row, which is not highlighted.
        {"a drag from under the rows",
         [&] {
             clickRow(1);
             dragFromUnderTheRowsTo(0);
         },
         1, "Selection - 1 (2..2)"},
    };
    const QStringList descriptions{"Акт зачета № 2. Отчетный период - Март 2013 г.",
                                   "Акт зачета № 3. Отчетный период - Апрель 2013 г.",
                                   "Акт зачета № 10. Отчетный период - Май 2013 г."};
    const std::vector<std::string> files{"2_0313_12345678.rep", "3_0413_12345678.rep",
                                         "10_0513_12345678.rep"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        reopen();
        c.select();
        EXPECT_EQ(panel(7), c.range);
        EXPECT_EQ(panel(1), QString::number(c.row + 1));
        QString question;
        whenModal("FormDelRep", [&](QDialog& dialog) {
            question = test::child<QLabel>(dialog, "Panel1")->text();
            click(dialog, "ButtonYes");
        });
        click(*form, "SpeedButton2");
        EXPECT_EQ(question, descriptions[c.row]);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(folder.exists(files[static_cast<std::size_t>(r)]), r != c.row) << r;
        }

        reopen();
        c.select();
        click(*form, "SpeedButton3");
        EXPECT_EQ(host.opened.value(0).toStdString(), column(0).value(c.row).toStdString() + " " +
                                                          files[static_cast<std::size_t>(c.row)]);
    }
}

TEST_F(ReportListTest, WithNoRowHighlightedDelAndOpenAreOff) {
    open();
    clickRow(1);
    // A click under the last row leaves no row highlighted.
    const QPoint under(grid()->visualRect(grid()->model()->index(0, 1)).center().x(),
                       grid()->viewport()->height() - 4);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, under);
    ASSERT_TRUE(grid()->selectionModel()->selectedRows().isEmpty());
    EXPECT_FALSE(button(2)->isEnabled());
    EXPECT_FALSE(button(3)->isEnabled());
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_TRUE(form->isVisible());
    clickRow(2);
    EXPECT_TRUE(button(2)->isEnabled() && button(3)->isEnabled());
}

// Asked again, a question starts on "No" and the folder chooser in its first list, whatever
// was pressed the last time: an Enter or a Space confirms nothing.
TEST_F(ReportListTest, DialogsOpenedAgainPressNothingByThemselves) {
    open();
    QString focus;
    bool stayed = false;
    whenModal("FormDelRep", [](QDialog& dialog) { click(dialog, "ButtonYes"); });
    click(*form, "SpeedButton2");
    whenModal("FormDelRep", [&](QDialog& dialog) {
        focus = test::focusName(dialog);
        test::pressKey(dialog, Qt::Key_Return);
    });
    click(*form, "SpeedButton2");
    EXPECT_EQ(focus, "ButtonNo");
    EXPECT_EQ(column(0).size(), 2) << "Enter deleted a second report";

    auto* replace = new TFormChangeRep(form.get());
    for (const bool second : {false, true}) {
        whenModal("FormChangeRep", [&](QDialog& dialog) {
            focus = test::focusName(dialog);
            second ? test::pressKey(dialog, Qt::Key_Return) : click(dialog, "ButtonYes");
        });
        EXPECT_EQ(replace->ask("a", "b"), !second);
    }
    EXPECT_EQ(focus, "ButtonNo");

    test::TempFolder other;
    whenModal("Form23", [&](QDialog& dialog) {
        static_cast<TForm23&>(dialog).selectFolder(QString::fromStdString(other.path()));
        click(dialog, "ButtonOK");
    });
    click(*form, "SpeedButton1");
    sink.messages.clear();
    whenModal("Form23", [&](QDialog& dialog) {
        focus = test::focusName(dialog);
        test::typeKeys(dialog, " ");
        stayed = dialog.isVisible();
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        dialog.reject();
    });
    click(*form, "SpeedButton1");
    EXPECT_EQ(focus, "DriveComboBox1");
    EXPECT_TRUE(stayed) << "Space pressed \"OK\" and copied again";
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(ReportListTest, DeletingTheOnlyReportEmptiesTheListAndProposesNumberOne) {
    open({{"5", 0, "1", "1", "0"}});
    whenModal("FormDelRep", [](QDialog& dialog) { click(dialog, "ButtonYes"); });
    click(*form, "SpeedButton2");
    EXPECT_FALSE(button(2)->isEnabled() || button(3)->isEnabled());
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_FALSE(grid()->showsData());
    EXPECT_EQ(panel(0), "0");
    EXPECT_EQ(host.numbers, QStringList{"1,1,1"});
}

TEST_F(ReportListTest, SyncCopiesBothWaysWithTheChosenFolderAndNothingWhenClosed) {
    open();
    test::TempFolder other;
    saveReport(other.path(), {"20", 5, "1", "1", "0"});

    whenModal("Form23", [](QDialog& dialog) { dialog.reject(); });
    click(*form, "SpeedButton1");
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_FALSE(other.exists(names[0]));

    int filesShown = -1;
    whenModal("Form23", [&](QDialog& dialog) {
        static_cast<TForm23&>(dialog).selectFolder(QString::fromStdString(other.path()));
        const auto* files = test::child<QListWidget>(dialog, "FileListBox1");
        filesShown = files->count();
        EXPECT_FALSE(files->accessibleName().isEmpty());
        click(dialog, "ButtonOK");
    });
    click(*form, "SpeedButton1");
    EXPECT_EQ(filesShown, 1);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0].split("\r\n").mid(1, 2),
              (QStringList{"  Скопировано файлов 3", "  Ошибок 0"}));
    EXPECT_EQ(sink.messages[0].split("\r\n").value(4), "  Скопировано файлов 1");
    EXPECT_TRUE(other.exists(names[0]) && folder.exists("20_0613_12345678.rep"));
    EXPECT_EQ(column(0), (QStringList{"2", "3", "10", "20"}));
}

} // namespace
} // namespace kestrelon
