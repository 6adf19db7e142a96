// The register import dialog as a bookkeeper uses it: pasting or typing the register, the
// keyboard in and around its text area, and what "OK", "Clear" and "Cancel" do with the text.

#include "report_windows.h"
#include "ui/reports/tform_slk.h"
#include "ui/widgets/kept_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QUrl>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

const QString kLine = QStringLiteral(
    "A0000001\t11111111\tКлиент\t1000000000001\t15.03.2013\t1000\t180\t1180\tpaid\tx");
const QString kNothingRead = QStringLiteral("В тексте не найдено ни одной строки реестра");
// The window proposes December 2012 (today is 7 January 2013); the registers are March's.
const std::string kMarchNote = " — реестр за Март 2013; предлагался Декабрь 2012";

std::string utf8(const QString& text) {
    return text.toStdString();
}

QWidget* focused(QDialog& dialog) {
    QWidget* focus = dialog.focusWidget();
    return focus != nullptr ? focus : &dialog;
}

// Types text key by key into what has the focus: a TAB is the Tab key, a line end Enter.
void typeText(QDialog& dialog, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\t')) {
            QTest::keyClick(focused(dialog), Qt::Key_Tab);
        } else if (c == QLatin1Char('\n')) {
            QTest::keyClick(focused(dialog), Qt::Key_Return);
        } else {
            QTest::sendKeyEvent(QTest::Click, focused(dialog), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

class ImportDialogTest : public test::ReportWindowsTest {
protected:
    ImportDialogTest() {
        createWindows();
        report->show();
    }
    ~ImportDialogTest() override { QGuiApplication::clipboard()->clear(); }

    // Presses "Slk" and lets `act` work the dialog as the user does.
    void throughDialog(const std::function<void(TFormSlk&)>& act) {
        bool opened = false;
        whenModal(QStringLiteral("FormSlk"), [&](QDialog& dialog) {
            opened = true;
            act(static_cast<TFormSlk&>(dialog));
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog.reject();
            }
        });
        click(*report, QStringLiteral("SpeedButton5"));
        EXPECT_TRUE(opened);
    }
    void importText(const QString& text) {
        throughDialog([&](TFormSlk& dialog) {
            dialog.textArea()->setPlainText(text);
            click(dialog, QStringLiteral("Button3"));
        });
    }
    // As UTF-8, so that a failure shows the text.
    std::string memoText() const {
        return windows->FormSlk->textArea()->toPlainText().toStdString();
    }
    std::string messages() const { return sink.messages.join('\n').toStdString(); }
    std::size_t importedRows() const { return context.reports.sets.SlkSet.count(); }
    bool gridIsEmpty() const {
        for (int r = 0; r < grid()->rowCount(); ++r) {
            for (int c = 0; c < grid()->columnCount(); ++c) {
                if (!cell(r, c).isEmpty()) {
                    return false;
                }
            }
        }
        return grid()->rowCount() == 4;
    }
};

TEST_F(ImportDialogTest, OpensWithTheFocusInTheTextAreaEveryTime) {
    for (const char* leftWith : {"Button2", "Button1", "Button3"}) { // Cancel, Clear, OK
        SCOPED_TRACE(leftWith);
        throughDialog([&](TFormSlk& dialog) {
            EXPECT_EQ(focused(dialog), dialog.textArea());
            auto* button = test::child<QWidget>(dialog, QString::fromLatin1(leftWith));
            button->setFocus(Qt::TabFocusReason);   // the user tabbed to it...
            QTest::keyClick(button, Qt::Key_Space); // ...and pressed it
            if (dialog.isVisible()) {
                QTest::keyClick(button, Qt::Key_Escape);
            }
        });
    }
}

TEST_F(ImportDialogTest, RegisterTypedWithTheKeyboardOnlyIsImported) {
    throughDialog([&](TFormSlk& dialog) {
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(focused(dialog), key, modifiers);
            return focused(dialog)->objectName().toStdString();
        };
        typeText(dialog, kLine);
        EXPECT_EQ(memoText(), utf8(kLine)) << "Tab types the cell separator";
        EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), "Button1") << "Ctrl+Tab leaves it";
        EXPECT_EQ(memoText(), utf8(kLine));
        EXPECT_EQ(press(Qt::Key_Tab, Qt::ShiftModifier), "Memo1");
        EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier), "Button4")
            << "Ctrl+Shift+Tab leaves it backwards";
        EXPECT_EQ(press(Qt::Key_Tab), "Memo1");
        EXPECT_EQ(press(Qt::Key_Tab, Qt::ControlModifier), "Button1");
        EXPECT_EQ(press(Qt::Key_Tab), "Button2");
        ASSERT_EQ(press(Qt::Key_Tab), "Button3");
        EXPECT_EQ(memoText(), utf8(kLine));
        QTest::keyClick(focused(dialog), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible()) << "Enter presses the focused OK";
    });
    ASSERT_EQ(importedRows(), 1u);
    EXPECT_EQ(cell(0, 0), QStringLiteral("11111111"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("1000"));
    EXPECT_EQ(combo(1)->currentIndex(), 2) << "March, from the invoice date";
    EXPECT_EQ(messages(), "Загружено строк реестра: 1" + kMarchNote + ".");
}

TEST_F(ImportDialogTest, AfterOkTheRowsReadAndEveryLineSkippedAreSaid) {
    // An unpaid invoice leaves its state empty: still a row. One without VAT cannot be.
    const QString unpaid =
        QString(kLine).replace(QStringLiteral("\tpaid\tx"), QStringLiteral("\t\t"));
    const QString noVat = QString(kLine).replace(QStringLiteral("\t180\t"), QStringLiteral("\t\t"));
    importText(QStringLiteral("AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\t"
                              "INVOICE_DATE\tINVOICE_DUE\tINVOICE_TAX\tINVOICE_SUMM\tSTATE\t"
                              "STATE_DATE\n") +
               kLine + QLatin1Char('\n') + unpaid + QLatin1Char('\n') + noVat);
    EXPECT_EQ(importedRows(), 2u);
    EXPECT_EQ(messages(), "Загружено строк реестра: 2" + kMarchNote +
                              ".\nПропущено строк: 1:\nстрока 4: нет суммы НДС");
}

// "Slk", "Clear", "OK", or a register of another contract pasted: said, and the report with its
// rows and totals stays as it was; the dialog stays open with the text to mend or cancel.
TEST_F(ImportDialogTest, AnImportThatGivesNothingIsSaidAndTheReportStaysAsItWas) {
    importText(kLine);
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4")); // "Get"
    ASSERT_EQ(field(11), QStringLiteral("1080.00"));
    sink.messages.clear();
    const QString semicolons = QString(kLine).replace(QLatin1Char('\t'), QLatin1Char(';'));
    struct Case {
        const char* name;
        QString pasted; // after "Clear"; nothing pasted for the first
        QString said;
    };
    const std::vector<Case> cases = {
        {"Clear, then OK", QString(), kNothingRead},
        {"a CSV export", QStringLiteral("AGENT_CUSTNO;CLIENT_CUSTNO\n") + semicolons, kNothingRead},
        {"another contract", QStringLiteral("Invoices register for 87654321\n") + kLine,
         QStringLiteral("Номер агентского договора не совпадает с загруженными данными: в "
                        "реестре — «87654321», в карточке агентского договора — «12345678».")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        throughDialog([&](TFormSlk& dialog) {
            click(dialog, QStringLiteral("Button1")); // "Clear"
            if (!c.pasted.isEmpty()) {
                QGuiApplication::clipboard()->setText(c.pasted);
                QTest::keyClick(focused(dialog), Qt::Key_V, Qt::ControlModifier);
            }
            click(dialog, QStringLiteral("Button3")); // "OK"
            EXPECT_TRUE(dialog.isVisible()) << "the text stays to be mended";
            EXPECT_EQ(memoText(), utf8(c.pasted));
            click(dialog, QStringLiteral("Button2")); // "Cancel"
        });
        EXPECT_EQ(messages(), utf8(c.said));
        sink.messages.clear();
        EXPECT_EQ(importedRows(), 1u);
        EXPECT_EQ(cell(0, 0), QStringLiteral("11111111"));
        EXPECT_EQ(field(9), QStringLiteral("1180.00"));
        EXPECT_EQ(field(11), QStringLiteral("1080.00"));
        EXPECT_TRUE(test::child<QWidget>(*report, QStringLiteral("SpeedButton2"))->isEnabled())
            << "the computed report can still be saved";
    }
}

TEST_F(ImportDialogTest, OkReadsThePasteMadeJustBefore) {
    throughDialog([&](TFormSlk& dialog) {
        typeText(dialog, QStringLiteral("Invoices register for 12345678\n"));
        QGuiApplication::clipboard()->setText(kLine);
        QTest::keyClick(focused(dialog), Qt::Key_V, Qt::ControlModifier);
        // A line broken with Shift+Enter looks like any other line and is read as one.
        QTest::keyClick(focused(dialog), Qt::Key_Return, Qt::ShiftModifier);
        QGuiApplication::clipboard()->setText(QString(kLine).replace(
            QStringLiteral("1000000000001"), QStringLiteral("1000000000002")));
        QTest::keyClick(focused(dialog), Qt::Key_Insert, Qt::ShiftModifier);
        click(dialog, QStringLiteral("Button3"));
    });
    ASSERT_EQ(importedRows(), 2u);
    EXPECT_EQ(cell(0, 1), QStringLiteral("1000000000001"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("1000000000002"));
    EXPECT_EQ(messages(), "Загружено строк реестра: 2" + kMarchNote + ".");
}

TEST_F(ImportDialogTest, CancelAndEscapeKeepTheTextAndTheImportedRows) {
    importText(kLine);
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel");
        throughDialog([&](TFormSlk& dialog) {
            EXPECT_EQ(memoText(), utf8(kLine)) << "the text stays between uses";
            dialog.textArea()->moveCursor(QTextCursor::End);
            typeText(dialog, QStringLiteral("\nhalf a line"));
            if (escape) {
                QTest::keyClick(focused(dialog), Qt::Key_Escape);
            } else {
                click(dialog, QStringLiteral("Button2"));
            }
        });
        EXPECT_EQ(memoText(), utf8(kLine) + "\nhalf a line");
        EXPECT_EQ(importedRows(), 1u);
        EXPECT_EQ(cell(0, 0), QStringLiteral("11111111"));
        windows->FormSlk->textArea()->setPlainText(kLine);
    }
}

TEST_F(ImportDialogTest, TheTextOpensAtTheStartOfItsLines) {
    // A register's lines are longer than the dialog is wide.
    const QString longLine = kLine + QString(300, u'x');
    folder.writeFile("long.csv", utf8(longLine + u'\n' + longLine + u'\n'));
    const QString file = QString::fromStdString(folder.path() + "long.csv");
    throughDialog([&](TFormSlk& dialog) {
        dialog.setFileChooser([file](QWidget*, const QString&) { return file; });
        click(dialog, QStringLiteral("Button4")); // "Open"
        QScrollBar* across = dialog.textArea()->horizontalScrollBar();
        ASSERT_GT(across->maximum(), 0);
        EXPECT_EQ(across->value(), 0) << "after Open";
        // The user reads to the end of a line and closes the dialog.
        QTest::keyClick(dialog.textArea(), Qt::Key_End);
        EXPECT_GT(across->value(), 0);
        click(dialog, QStringLiteral("Button2"));
    });
    throughDialog([&](TFormSlk& dialog) {
        EXPECT_EQ(dialog.textArea()->horizontalScrollBar()->value(), 0) << "on opening again";
        click(dialog, QStringLiteral("Button2"));
    });
}

TEST_F(ImportDialogTest, ClearAndOpenCanBeUndone) {
    throughDialog([&](TFormSlk& dialog) {
        dialog.textArea()->setPlainText(kLine);
        click(dialog, QStringLiteral("Button1")); // "Clear"
        EXPECT_EQ(memoText(), "");
        EXPECT_EQ(focused(dialog), dialog.textArea()) << "ready for the next paste";
        QTest::keyClick(focused(dialog), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(memoText(), utf8(kLine)) << "a slip on Clear loses nothing";

        folder.writeFile("other.slk", "ID;P\r\nC;Y1;X1;K\"note\"\r\nE\r\n");
        const QString other = QString::fromStdString(folder.path() + "other.slk");
        dialog.setFileChooser([other](QWidget*, const QString&) { return other; });
        click(dialog, QStringLiteral("Button4")); // "Open"
        EXPECT_EQ(memoText(), "note");
        QTest::keyClick(focused(dialog), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(memoText(), utf8(kLine)) << "nor does opening a file over the text";
        click(dialog, QStringLiteral("Button2"));
    });
}

TEST_F(ImportDialogTest, OpenStartsInTheFolderOfTheLastRegisterOpened) {
    const std::string month = folder.path() + "Реестры/";
    QDir().mkpath(QString::fromStdString(month));
    folder.writeFile("Реестры/март.slk", "ID;P\r\nC;Y1;X1;K\"note\"\r\nE\r\n");
    QStringList starts;
    const auto open = [&](TFormSlk& dialog) {
        dialog.setFileChooser([&](QWidget*, const QString& start) {
            starts.append(start);
            return QString::fromStdString(month + "март.slk");
        });
        click(dialog, QStringLiteral("Button4")); // "Open"
        click(dialog, QStringLiteral("Button2"));
    };
    throughDialog(open);
    throughDialog(open);
    ASSERT_EQ(starts.size(), 2);
    EXPECT_NE(starts[0].toStdString() + "/", month) << "nothing kept yet";
    EXPECT_EQ(starts[1].toStdString() + "/", month);
    EXPECT_EQ(loadFolder(store->DataFolder, FolderKind::Register) + "/", month)
        << "kept for the next run";

    // A folder gone since is not offered.
    QDir(QString::fromStdString(month)).removeRecursively();
    EXPECT_EQ(keptFolder(*store, FolderKind::Register), "");
}

// A file from a file manager dropped onto the text area, as Qt delivers the drag and the drop.
void dropFile(QPlainTextEdit& memo, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path);
    const QPoint at = memo.viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted()) << "the text area takes the file";
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(memo.viewport(), &drop);
}

QString registerFile(const char* name) {
    return QStringLiteral(KESTRELON_REGISTER_FILES "/") + QString::fromLatin1(name);
}

TEST_F(ImportDialogTest, OpenAndADropReadEverySpreadsheetFileIntoTheSameReport) {
    store->Agent.ContractNo.assign("12345678");
    for (const char* name :
         {"register.xlsx", "register.xls", "register.ods", "register.csv", "register.slk"}) {
        for (const bool dropped : {false, true}) {
            SCOPED_TRACE(std::string(name) + (dropped ? " dropped" : " opened"));
            throughDialog([&](TFormSlk& dialog) {
                click(dialog, QStringLiteral("Button1")); // "Clear"
                if (dropped) {
                    dropFile(*dialog.textArea(), registerFile(name));
                } else {
                    dialog.setFileChooser(
                        [name](QWidget*, const QString&) { return registerFile(name); });
                    click(dialog, QStringLiteral("Button4")); // "Open"
                }
                EXPECT_TRUE(memoText().starts_with("Invoices register for 12345678\t"));
                click(dialog, QStringLiteral("Button3")); // "OK"
            });
            // The month is said when it is not the one proposed: the first time only.
            EXPECT_TRUE(messages().starts_with("Загружено строк реестра: 3")) << messages();
            sink.messages.clear();
            ASSERT_EQ(importedRows(), 3u);
            EXPECT_EQ(cell(1, 3), QStringLiteral("1234.56"));
            EXPECT_EQ(cell(1, 2), QStringLiteral("16.03.2013")) << "a day number as its date";
            EXPECT_EQ(combo(1)->currentIndex(), 2) << "March, from the first invoice date";
        }
    }
}

TEST_F(ImportDialogTest, ABadFileSaysWhyAndKeepsTheText) {
    QFile big(QString::fromStdString(folder.path() + "big.xlsx"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(65 * 1024 * 1024));
    big.close();
    folder.writeFile("empty.xlsx", "");
    folder.writeFile("empty.csv", "");
    folder.writeFile("blank.csv", "\r\n\r\n");
    folder.writeFile("text.xlsx", utf8ToCp1251(utf8(kLine)));
    const auto inFolder = [this](const char* name) {
        return QString::fromStdString(folder.path() + name);
    };
    const struct {
        QString path;
        bool dropped;
        QString said;
    } cases[] = {
        {registerFile("bad_password.xlsx"), false, QStringLiteral("книга защищена паролем")},
        {registerFile("bad_cut_short.xls"), true, QStringLiteral("записан не полностью")},
        {big.fileName(), false, QStringLiteral("файл больше 64 МБ")},
        {inFolder("empty.xlsx"), false, QStringLiteral("файл пуст (0 байт)")},
        {inFolder("empty.csv"), true, QStringLiteral("файл пуст (0 байт)")},
        {inFolder("blank.csv"), false, QStringLiteral("в файле нет ни одной заполненной ячейки")},
        {inFolder("text.xlsx"), false,
         QStringLiteral("по имени это книга .xlsx, но это не книга (нет архива zip внутри)")},
    };
    for (const auto& c : cases) {
        throughDialog([&](TFormSlk& dialog) {
            dialog.textArea()->setPlainText(kLine);
            if (c.dropped) {
                dropFile(*dialog.textArea(), c.path);
            } else {
                dialog.setFileChooser([&c](QWidget*, const QString&) { return c.path; });
                click(dialog, QStringLiteral("Button4")); // "Open"
            }
            EXPECT_EQ(memoText(), utf8(kLine));
            click(dialog, QStringLiteral("Button2")); // "Cancel"
        });
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Файл «%1»: ").arg(c.path)) &&
                    sink.messages[0].contains(c.said))
            << messages();
        sink.messages.clear();
    }
    EXPECT_EQ(test::child<QWidget>(*windows->FormSlk, QStringLiteral("Button4"))->toolTip(),
              QStringLiteral("Открыть реестр (*.slk, *.xlsx, *.xls, *.ods, *.csv)"));
}

} // namespace
} // namespace kestrelon
