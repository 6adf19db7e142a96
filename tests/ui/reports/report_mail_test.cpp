// "Отправить" as a user meets it: a folder is chosen, the three documents land there as PDF
// and the desktop's mail program (a stand-in on PATH here) gets them with the subject; where it
// is missing or fails, the user is told where the documents are and the folder is shown.

#include "report_windows.h"
#include "store/folder_choice.h"
#include "support/mail_stand_in.h"
#include "ui/support/active_window.h"
#include "ui/support/modal_driver.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;

class ReportMailTest : public test::ReportWindowsTest {
protected:
    // A computed month with an offset act numbered 5 (the invoice and the act keep 1), its act
    // of mutual offset open.
    void prepareMarch(bool answerTheChooser = true) {
        createWindows();
        report->show();
        importOneInvoice();
        test::type(*report, 1, QStringLiteral("5"));
        test::type(*report, 10, QStringLiteral("100"));
        click(*report, QStringLiteral("SpeedButton4"));
        tabs()->setCurrentIndex(TFormReport::OffsetActTab);
        test::scriptedDialogs(*report).setFolderShower(
            [this](const QString& folder) { shown.append(folder); });
        if (!answerTheChooser) {
            return;
        }
        test::scriptedDialogs(*report).setMailFolderChooser([this](QWidget*, const QString& start) {
            starts.append(start);
            return chosen;
        });
    }
    QTabWidget* tabs() const {
        return test::child<QTabWidget>(*report, QStringLiteral("PageControl1"));
    }
    QWidget* button(const char* name) const {
        return test::child<QWidget>(*report, QString::fromLatin1(name));
    }
    std::string out(const char* name) const { return outFolder.path() + name; }
    // Waits for what the mail program's end makes the window do.
    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

    test::TempFolder outFolder;
    QString chosen = QString::fromStdString(outFolder.path()).chopped(1);
    QStringList starts;
    QStringList shown;
};

const char* const kInvoice = "Счет 1 за Март 2013.pdf";
const char* const kAct = "Акт 1 за Март 2013.pdf";
const char* const kOffsetAct = "Акт зачета 5 за Март 2013.pdf";

TEST_F(ReportMailTest, TheMailProgramGetsTheSubjectAndTheThreeWholeDocumentsInOrder) {
    prepareMarch();
    test::MailStandIn mail;
    click(*report, QStringLiteral("SpeedButton11"));
    ASSERT_TRUE(waitFor([&] { return mail.ran(); })) << "xdg-email was not called";
    const std::string folder = chosen.toStdString() + "/";
    const std::vector<std::string> args = mail.arguments();
    ASSERT_EQ(args.size(), 11u);
    EXPECT_EQ(std::vector<std::string>(args.begin(), args.begin() + 4),
              (std::vector<std::string>{"--utf8", "--subject",
                                        "Отчет агента за Март 2013, акт зачета № 5", "--body"}));
    // The letter is the window's report: its numbers, dates, sum due and agent.
    const std::string& body = args[4];
    for (const std::string& line :
         {std::string("за Март 2013 по агентскому договору № 12345678:\n"),
          std::string("— счет № 1 от "), std::string("— акт зачета № 5 от "),
          std::string("Сумма к перечислению принципалу по акту зачета: "),
          std::string("С уважением,\nООО \"Сапсан-Телеком\"\n")}) {
        EXPECT_NE(body.find(line), std::string::npos) << line << " in:\n" << body;
    }
    EXPECT_EQ(std::vector<std::string>(args.begin() + 5, args.end()),
              (std::vector<std::string>{"--attach", folder + kInvoice, "--attach", folder + kAct,
                                        "--attach", folder + kOffsetAct}));
    for (const char* name : {kInvoice, kAct, kOffsetAct}) {
        EXPECT_TRUE(test::isWholePdf(out(name))) << name;
    }
    QTest::qWait(300);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ReportMailTest, WithoutAWorkingMailProgramTheUserIsToldWhereTheDocumentsAre) {
    const struct {
        const char* name;
        std::optional<int> exitStatus; // nothing: no xdg-email on PATH
        const char* says;
    } cases[] = {
        {"no xdg-email", std::nullopt, "не найдена"},
        {"xdg-email fails", 1, "с кодом 1"},
    };
    prepareMarch();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sink.messages.clear();
        shown.clear();
        auto mail = c.exitStatus ? std::make_unique<test::MailStandIn>(*c.exitStatus)
                                 : std::make_unique<test::MailStandIn>(test::kNoMailProgram);
        click(*report, QStringLiteral("SpeedButton11"));
        ASSERT_TRUE(waitFor([&] { return !sink.messages.isEmpty(); }));
        ASSERT_EQ(sink.messages.size(), 1);
        EXPECT_TRUE(sink.messages[0].contains(QString::fromUtf8(c.says)))
            << sink.messages[0].toStdString();
        EXPECT_TRUE(sink.messages[0].contains(QStringLiteral("\n") + chosen + QStringLiteral("\n")))
            << "names the folder: " << sink.messages[0].toStdString();
        EXPECT_EQ(shown, QStringList{chosen}) << "the folder is shown";
        for (const char* name : {kInvoice, kAct, kOffsetAct}) {
            EXPECT_TRUE(test::isWholePdf(out(name))) << "nothing is lost: " << name;
        }
    }
}

TEST_F(ReportMailTest, AFolderThatTakesNoFilesIsSaidAndTheMailProgramIsNotCalled) {
    prepareMarch();
    // A file where the folder should be: no user, not even root, can write into it.
    outFolder.writeFile("blocker", "a file");
    chosen = QString::fromStdString(out("blocker"));
    test::MailStandIn mail;
    click(*report, QStringLiteral("SpeedButton11"));
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(
        sink.messages[0].startsWith(QStringLiteral("Не удалось сохранить документ в PDF:\n") +
                                    chosen + QStringLiteral("/") + QString::fromUtf8(kInvoice)))
        << sink.messages[0].toStdString();
    QTest::qWait(300);
    EXPECT_FALSE(mail.ran());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ReportMailTest, TheChosenFolderIsWhereTheNextChoiceStartsAlsoInTheNextRun) {
    prepareMarch();
    chosen = QString(); // the user gives up: nothing is written, nothing kept
    click(*report, QStringLiteral("SpeedButton11"));
    ASSERT_EQ(starts.size(), 1);
    EXPECT_TRUE(QDir(starts[0]).exists()) << "a first choice starts in an existing folder";
    EXPECT_NE(starts[0], QString::fromStdString(outFolder.path()).chopped(1));
    EXPECT_FALSE(folder.exists("MailFolder"));
    EXPECT_TRUE(QDir(QString::fromStdString(outFolder.path())).isEmpty());

    test::MailStandIn mail;
    chosen = QString::fromStdString(outFolder.path()).chopped(1);
    click(*report, QStringLiteral("SpeedButton11"));
    ASSERT_TRUE(waitFor([&] { return mail.ran(); }));
    EXPECT_EQ(loadMailFolder(store->DataFolder), chosen.toStdString());

    // The next run reads the kept folder from the data folder.
    windows.reset();
    prepareMarch();
    chosen = QString();
    click(*report, QStringLiteral("SpeedButton11"));
    ASSERT_EQ(starts.size(), 3);
    EXPECT_EQ(starts[2], QString::fromStdString(outFolder.path()).chopped(1));
}

TEST_F(ReportMailTest, TheFolderDialogChoosesTheFolder) {
    prepareMarch(false);
    test::MailStandIn mail;
    // The user goes to the folder in the dialog and presses its "Choose".
    test::whenModal(QStringLiteral("MailFolderDialog"), [this](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        files.setDirectory(chosen);
        // Anything else would be written to: stop here rather than there.
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        if (files.selectedFiles() != QStringList{chosen} || buttons == nullptr) {
            ADD_FAILURE() << files.selectedFiles().join(' ').toStdString();
            dialog.reject();
            return;
        }
        QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
    });
    click(*report, QStringLiteral("SpeedButton11"));
    ASSERT_TRUE(waitFor([&] { return mail.ran(); })) << "xdg-email was not called";
    EXPECT_TRUE(test::isWholePdf(out(kOffsetAct)));
    EXPECT_EQ(loadMailFolder(store->DataFolder), chosen.toStdString());
}

TEST_F(ReportMailTest, OfferedExactlyWhenPdfIsAndReachedByTheKeyboard) {
    createWindows();
    report->show();
    EXPECT_FALSE(button("SpeedButton11")->isEnabled()) << "at start the report tab is open";
    for (const int tab : {TFormReport::InvoiceTab, TFormReport::ReportTab, TFormReport::ActTab,
                          TFormReport::OffsetActTab}) {
        tabs()->setCurrentIndex(tab);
        EXPECT_EQ(button("SpeedButton11")->isEnabled(), button("SpeedButton10")->isEnabled())
            << "tab " << tab;
        EXPECT_EQ(button("SpeedButton11")->isEnabled(), tab != TFormReport::ReportTab);
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button("SpeedButton11"));
    ASSERT_TRUE(face);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Отправить"));
    EXPECT_EQ(face->text(QAccessible::Description), QStringLiteral("Отправить документы по почте"));
    EXPECT_EQ(button("SpeedButton11")->toolTip(), QStringLiteral("Отправить документы по почте"));

    int asked = 0;
    test::scriptedDialogs(*report).setMailFolderChooser([&](QWidget*, const QString&) {
        ++asked;
        return QString();
    });
    report->activateWindow();
    ASSERT_TRUE(test::waitActive(report));
    button("SpeedButton10")->setFocus(Qt::TabFocusReason);
    test::pressKey(*report, Qt::Key_Tab);
    EXPECT_EQ(test::focusName(*report), QStringLiteral("SpeedButton11")) << "Tab goes on from PDF";
    test::pressKey(*report, Qt::Key_Space);
    EXPECT_EQ(asked, 1) << "Space presses it";
}

} // namespace
} // namespace kestrelon
