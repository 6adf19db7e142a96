#pragma once
// «Резервные копии»: the data folder's backups with their date, size and what each holds; a
// backup made now; one restored (after a question, the present state backed up first); and the
// folder the backups go to, chosen and remembered. It says that only a copy on another disk
// guards against a failed disk.

#include "backup/backup_folder.h"
#include "ui/widgets/app_context.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kestrelon {

class TFormBackups : public QDialog {
public:
    TFormBackups(AppContext& context, QWidget* parent);

    // Reads the backup folder again and shows the window until it is closed.
    int exec() override;
    void showBackups();

    // How "Папка…" asks for a folder, starting in `start`; empty when given up. Tests replace it.
    std::function<QString(QWidget* parent, const QString& start)> chooseFolder;
    // Called after a restore: the program starts again on the restored folder.
    std::function<void()> onRestored;

    void makeNowClicked();
    void restoreClicked();
    void folderClicked();
    void closeClicked() { reject(); }

private:
    QString backupFolder() const;

    AppContext& context_;
    std::vector<BackupFile> backups_;
    QLineEdit* folder_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* restore_ = nullptr;
};

} // namespace kestrelon
