// «Копии» as a bookkeeper uses it, by the keyboard: a backup made now and listed with what it
// holds, one restored after the question (the program then starts again), the backup made on
// closing only when something changed, and a backup that cannot be made said once at closing.

#include "backup/backup_folder.h"
#include "ui/main/tform_backups.h"
#include "ui/main/tform_main.h"
#include "ui/reports/report_windows.h"
#include "ui/support/modal_driver.h"

#include <QTableWidget>

namespace kestrelon {
namespace {

class BackupsWindowTest : public test::ReportWindowsTest {
protected:
    BackupsWindowTest() {
        store->SaveFileFirm();
        store->SaveFileClient();
        createWindows();
        windows->FormMain->show();
    }
    std::string backups() const { return defaultBackupFolder(store->DataFolder); }
    // «Копии» pressed with the keyboard; `work` runs in the window.
    void throughBackupsWindow(const std::function<void(TFormBackups&)>& work) {
        bool reached = false;
        test::whenModal(QStringLiteral("FormBackups"), [&](QDialog& dialog) {
            reached = true;
            work(static_cast<TFormBackups&>(dialog));
            if (dialog.isVisible()) {
                dialog.reject();
            }
        });
        auto* button = test::child<QWidget>(*windows->FormMain, QStringLiteral("SpeedButton8"));
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_TRUE(reached);
    }
    static void press(QWidget& window, const char* name) {
        auto* button = test::child<QWidget>(window, QString::fromLatin1(name));
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
    }
};

TEST_F(BackupsWindowTest, ABackupMadeNowIsListedAndRestoredAfterTheQuestion) {
    EXPECT_EQ(test::child<QWidget>(*windows->FormMain, QStringLiteral("SpeedButton8"))
                  ->accessibleDescription(),
              "Резервные копии");
    throughBackupsWindow([&](TFormBackups& window) {
        auto* table = test::child<QTableWidget>(window, QStringLiteral("BackupTable"));
        EXPECT_EQ(table->rowCount(), 0);
        EXPECT_EQ(table->accessibleName(), "Резервные копии");
        EXPECT_FALSE(test::child<QWidget>(window, QStringLiteral("ButtonRestore"))->isEnabled());
        EXPECT_EQ(test::fieldText(window, "EditFolder").toStdString(), backups());
        press(window, "ButtonMake");
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 2)->text(), "организаций: 2, договоров: 3, отчетов: 0");
        EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join(u'\n').toStdString();

        // The organizations change; the copy made before comes back.
        folder.writeFile("Firms", "damaged by mistake");
        sink.answer = true;
        press(window, "ButtonRestore");
        ASSERT_EQ(sink.questions.size(), 1);
        EXPECT_TRUE(sink.questions[0].startsWith(QStringLiteral("Восстановить копию от ")));
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ(folder.readFile("Firms").size(), sizeof(FirmTable));
    EXPECT_EQ(sink.information,
              QStringList{QStringLiteral("Копия восстановлена. Программа откроется заново с "
                                         "восстановленными данными.")});
    EXPECT_TRUE(windows->FormMain->restartRequested());
    EXPECT_FALSE(windows->FormMain->isVisible());
    EXPECT_EQ(listBackups(backups()).size(), 2u) << "the state before the restore is kept";
}

TEST_F(BackupsWindowTest, ClosingBacksUpOnlyAChangedFolderAndSaysOnceWhenItCannot) {
    ASSERT_TRUE(windows->FormMain->FormClose());
    EXPECT_EQ(listBackups(backups()).size(), 1u) << "the first closing";
    ASSERT_TRUE(windows->FormMain->FormClose());
    EXPECT_EQ(listBackups(backups()).size(), 1u) << "nothing changed";

    // A folder for the backups that cannot be made: a file stands where it would be.
    folder.writeFile("a file", "x");
    chooseBackupFolder(store->DataFolder, folder.path() + "a file/backups/");
    folder.writeFile("1_0313_12345678.rep", std::string(100, 'r'));
    EXPECT_TRUE(windows->FormMain->FormClose()) << "closing still completes";
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith(QStringLiteral("Резервная копия данных не сделана:")));
    EXPECT_TRUE(sink.messages[0].contains(QStringLiteral("a file/backups/")));
}

} // namespace
} // namespace kestrelon
