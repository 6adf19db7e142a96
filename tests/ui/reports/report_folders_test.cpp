// Where the report windows' choosers start: "PDF", "Отправить" and the report list's "Sync"
// each start in the folder last used for that kind of file, also after a restart, and where
// nothing better is known (never chosen, or the folder is gone) as they always have.

#include "report_outputs.h"
#include "store/folder_choice.h"
#include "support/mail_stand_in.h"
#include "ui/reports/tform23.h"
#include "ui/reports/tform_report_list.h"
#include "ui/support/scripted_report_dialogs.h"

#include <QDir>
#include <QStandardPaths>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class ReportFoldersTest : public test::ReportOutputsTest {
protected:
    // "PDF" on the open tab, saving into `folder`; gives the folder the chooser started in.
    QString savePdfInto(const QString& into) {
        QString started;
        test::scriptedDialogs(*report).setPdfFileChooser([&](QWidget*, const QString& suggested) {
            started = QFileInfo(suggested).absolutePath();
            return into.isEmpty() ? QString() : into + QStringLiteral("/act");
        });
        click(*report, QStringLiteral("SpeedButton10"));
        return started;
    }
    // "Отправить" into `folder` (nothing when empty); gives the folder its chooser started in.
    QString sendFrom(const QString& into) {
        QString started;
        test::scriptedDialogs(*report).setMailFolderChooser([&](QWidget*, const QString& start) {
            started = start;
            return into;
        });
        test::MailStandIn mail;
        click(*report, QStringLiteral("SpeedButton11"));
        if (!into.isEmpty()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return mail.ran(); }, 10000));
        }
        return started;
    }
    // A restart: the windows made anew over the same data folder.
    void restart() {
        windows.reset();
        prepareMonth();
        tabs()->setCurrentIndex(TFormReport::OffsetActTab);
    }
    static QString pathOf(const test::TempFolder& f) {
        return QString::fromStdString(f.path()).chopped(1);
    }
    static QString documents() {
        const QString found = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return !found.isEmpty() && QDir(found).exists() ? found : QDir::homePath();
    }

    test::TempFolder pdfFolder, mailFolder;
};

TEST_F(ReportFoldersTest, PdfAndSendEachStartWhereTheyLastWroteAlsoAfterARestart) {
    prepareMonth();
    tabs()->setCurrentIndex(TFormReport::OffsetActTab);
    EXPECT_EQ(savePdfInto(QString()), documents()) << "never chosen: the documents folder";
    EXPECT_FALSE(folder.exists("PdfFolder")) << "given up: nothing kept";

    EXPECT_EQ(savePdfInto(pathOf(pdfFolder)), documents());
    EXPECT_TRUE(pdfFolder.exists("act.pdf"));
    EXPECT_EQ(sendFrom(pathOf(mailFolder)), documents());
    EXPECT_EQ(savePdfInto(QString()), pathOf(pdfFolder)) << "sending kept its own folder";
    EXPECT_EQ(sendFrom(QString()), pathOf(mailFolder)) << "and PDF its own";

    restart();
    EXPECT_EQ(savePdfInto(QString()), pathOf(pdfFolder));
    EXPECT_EQ(sendFrom(QString()), pathOf(mailFolder));
    EXPECT_EQ(loadFolder(store->DataFolder, FolderKind::Pdf), pathOf(pdfFolder).toStdString());

    // A kept folder that has gone since: back to where nothing is known.
    const QString gone = pathOf(pdfFolder) + QStringLiteral("/gone");
    ASSERT_TRUE(QDir().mkpath(gone));
    EXPECT_EQ(savePdfInto(gone), pathOf(pdfFolder));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    restart();
    EXPECT_EQ(savePdfInto(QString()), documents());
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
}

TEST_F(ReportFoldersTest, SyncStartsInTheFolderItLastCopiedWithAlsoAfterARestart) {
    test::TempFolder other;
    const QString otherPath = pathOf(other);
    const auto sync = [&](const std::function<void(TForm23&)>& inDialog) {
        whenModal(QStringLiteral("Form23"),
                  [&](QDialog& dialog) { inDialog(static_cast<TForm23&>(dialog)); });
        click(*windows->FormReportList, QStringLiteral("SpeedButton1"));
    };
    createWindows();
    windows->FormReportList->show();
    QString started;
    sync([&](TForm23& dialog) {
        started = dialog.currentFolder();
        dialog.selectFolder(otherPath);
        click(dialog, QStringLiteral("ButtonOK"));
    });
    EXPECT_NE(started, otherPath);
    ASSERT_EQ(sink.messages.size(), 1) << "the copy's report";
    EXPECT_EQ(loadFolder(store->DataFolder, FolderKind::Sync), otherPath.toStdString());

    // The next run's dialog is made anew and opens on the kept folder; closing it copies
    // nothing and keeps the choice.
    windows.reset();
    createWindows();
    windows->FormReportList->show();
    sync([&](TForm23& dialog) {
        started = dialog.currentFolder();
        dialog.reject();
    });
    EXPECT_EQ(started, otherPath);
    EXPECT_EQ(loadFolder(store->DataFolder, FolderKind::Sync), otherPath.toStdString());

    // The folder gone, the dialog starts as it always has, on the home folder's volume.
    const QString gone = otherPath + QStringLiteral("/gone");
    ASSERT_TRUE(QDir().mkpath(gone));
    ASSERT_TRUE(saveFolder(store->DataFolder, FolderKind::Sync, gone.toStdString()));
    ASSERT_TRUE(QDir(gone).removeRecursively());
    windows.reset();
    createWindows();
    windows->FormReportList->show();
    sync([&](TForm23& dialog) {
        started = dialog.currentFolder();
        dialog.reject();
    });
    EXPECT_EQ(started, QDir::homePath());
    EXPECT_EQ(sink.messages.size(), 1) << sink.messages.join('\n').toStdString();
}

} // namespace
} // namespace kestrelon
