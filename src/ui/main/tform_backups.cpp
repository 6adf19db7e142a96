#include "tform_backups.h"

#include "backup/backup_zip.h"
#include "backup/restore.h"
#include "store/io_error.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/read_only_table.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

QString momentText(const BackupMoment& m) {
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(m.day.day, 2, 10, QLatin1Char('0'))
        .arg(m.day.month, 2, 10, QLatin1Char('0'))
        .arg(m.day.year)
        .arg(m.hour, 2, 10, QLatin1Char('0'))
        .arg(m.minute, 2, 10, QLatin1Char('0'))
        .arg(m.second, 2, 10, QLatin1Char('0'));
}

QString sizeText(std::uintmax_t bytes) {
    return bytes < 1024 * 1024 ? QStringLiteral("%1 КБ").arg((bytes + 1023) / 1024)
                               : QStringLiteral("%1 МБ").arg(
                                     QString::number(static_cast<double>(bytes) / 1048576.0, 'f', 1)
                                         .replace(u'.', u','));
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString askFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Папка для резервных копий"),
                                             start);
}

} // namespace

TFormBackups::TFormBackups(AppContext& context, QWidget* parent)
    : QDialog(parent), chooseFolder(askFolder), context_(context) {
    setObjectName(QStringLiteral("FormBackups"));
    setWindowTitle(QStringLiteral("Резервные копии"));
    setSizeGripEnabled(true);

    auto* about = new QLabel(
        QStringLiteral("Копия делается сама при закрытии программы, если данные изменились: "
                       "организации, договоры, отчеты и все файлы папки данных. Копия на этом "
                       "же диске спасает от ошибок; от поломки диска спасает только копия на "
                       "другом диске (флешке, сетевой папке) — выберите такую папку."),
        this);
    about->setWordWrap(true);
    about->setObjectName(QStringLiteral("LabelAbout"));

    folder_ = new QLineEdit(this);
    folder_->setObjectName(QStringLiteral("EditFolder"));
    folder_->setReadOnly(true);
    auto* folderLabel = new QLabel(QStringLiteral("&Папка копий:"), this);
    folderLabel->setBuddy(folder_);
    folder_->setAccessibleName(QStringLiteral("Папка копий"));
    QPushButton* chooseButton = makeButton(this, QStringLiteral("Другая папка…"), "ButtonFolder",
                                           &TFormBackups::folderClicked);

    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("BackupTable"));
    table_->setAccessibleName(QStringLiteral("Резервные копии"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Дата"), QStringLiteral("Размер"), QStringLiteral("Что в копии")});
    makeReadOnlyTable(*table_);

    QPushButton* makeNow = makeButton(this, QStringLiteral("Сделать копию"), "ButtonMake",
                                      &TFormBackups::makeNowClicked);
    restore_ = makeButton(this, QStringLiteral("Восстановить…"), "ButtonRestore",
                          &TFormBackups::restoreClicked);
    QPushButton* close =
        makeButton(this, QStringLiteral("Закрыть"), "ButtonClose", &TFormBackups::closeClicked);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(chooseButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeNow);
    buttons->addWidget(restore_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(folderRow);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    startEachShowingOn(*this, [this] { return static_cast<QWidget*>(table_); });
    resize(680, 420);
}

QString TFormBackups::backupFolder() const {
    return QString::fromStdString(backupFolderOf(context_.store.DataFolder));
}

int TFormBackups::exec() {
    showBackups();
    return QDialog::exec();
}

void TFormBackups::showBackups() {
    folder_->setText(QDir::toNativeSeparators(backupFolder()));
    backups_ = listBackups(backupFolder().toStdString());
    table_->setRowCount(static_cast<int>(backups_.size()));
    for (int row = 0; row < static_cast<int>(backups_.size()); ++row) {
        const BackupFile& backup = backups_[static_cast<std::size_t>(row)];
        table_->setItem(row, 0, cell(momentText(backup.moment)));
        table_->setItem(row, 1, cell(sizeText(backup.size)));
        table_->setItem(row, 2, cell(QString::fromStdString(backup.contents)));
        table_->item(row, 0)->setToolTip(QString::fromStdString(backup.path));
    }
    if (!backups_.empty()) {
        table_->setCurrentCell(0, 0);
    }
    restore_->setEnabled(!backups_.empty());
}

void TFormBackups::makeNowClicked() {
    try {
        makeBackup(context_.store.DataFolder, backupFolder().toStdString(), backupMomentNow(),
                   true);
    } catch (const BackupProblem& problem) {
        context_.messages.showMessage(QStringLiteral("Резервная копия не сделана: %1\nПапка: %2")
                                          .arg(QString::fromUtf8(problem.what()), backupFolder()));
    } catch (const IoError& error) {
        context_.messages.showMessage(QStringLiteral("Резервная копия не сделана:\n%1")
                                          .arg(fileErrorText(error, context_.store)));
    }
    showBackups();
}

void TFormBackups::restoreClicked() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(backups_.size())) {
        return;
    }
    const BackupFile& chosen = backups_[static_cast<std::size_t>(row)];
    if (!context_.messages.askQuestion(
            QStringLiteral("Восстановить копию от %1?\nДанные папки будут заменены данными "
                           "копии (%2); нынешние данные сначала сохранятся в новой копии.")
                .arg(momentText(chosen.moment), QString::fromStdString(chosen.contents)))) {
        return;
    }
    try {
        restoreBackup(context_.store.DataFolder, backupFolder().toStdString(), chosen.path,
                      backupMomentNow());
    } catch (const BackupProblem& problem) {
        context_.messages.showMessage(
            QStringLiteral("Копия не восстановлена, ничего не изменено:\n%1\n%2")
                .arg(QString::fromStdString(chosen.path), QString::fromUtf8(problem.what())));
        showBackups();
        return;
    } catch (const IoError& error) {
        context_.messages.showMessage(QStringLiteral("Копия не восстановлена:\n%1")
                                          .arg(fileErrorText(error, context_.store)));
        showBackups();
        return;
    }
    context_.messages.showInformation(QStringLiteral(
        "Копия восстановлена. Программа откроется заново с восстановленными данными."));
    accept();
    if (onRestored) {
        onRestored();
    }
}

void TFormBackups::folderClicked() {
    const QString chosen = chooseFolder ? chooseFolder(this, backupFolder()) : QString();
    if (chosen.isEmpty()) {
        return;
    }
    try {
        chooseBackupFolder(context_.store.DataFolder, QDir::cleanPath(chosen).toStdString() + "/");
    } catch (const IoError& error) {
        showFileError(context_, error);
        return;
    }
    showBackups();
}

} // namespace kestrelon
