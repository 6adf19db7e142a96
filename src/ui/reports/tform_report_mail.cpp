// "Отправить": the three documents of the report written as PDF into a folder the user
// chooses, and handed to the desktop's mail program as attachments of a new message.

#include "documents/render/report_pdfs.h"
#include "store/folder_choice.h"
#include "tform_report.h"
#include "ui/widgets/file_error.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QTabWidget>
#include <QUrl>

namespace kestrelon {

QString TFormReport::askMailFolder(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, QStringLiteral("Папка для документов"), start);
    dialog.setObjectName(QStringLiteral("MailFolderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void TFormReport::openFolder(const QString& folder) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

QString TFormReport::mailFolderStart() const {
    QString kept;
    try {
        kept = QString::fromStdString(loadMailFolder(context_.store.DataFolder));
    } catch (const IoError&) {
        // A damaged choice only costs the user a few clicks: start where nothing is known.
    }
    return !kept.isEmpty() && QDir(kept).exists() ? kept : documentsFolder();
}

void TFormReport::rememberMailFolder(const QString& folder) {
    try {
        saveMailFolder(context_.store.DataFolder, folder.toStdString());
        mailFolderFailureShown_ = false;
    } catch (const IoError& error) {
        if (!mailFolderFailureShown_) {
            mailFolderFailureShown_ = true;
            showFileError(context_, error);
        }
    }
}

void TFormReport::SpeedButton11Click() {
    if (pageControl_->currentIndex() == ReportTab || !chooseMailFolder_) {
        return;
    }
    const QString chosen = chooseMailFolder_(this, mailFolderStart());
    if (chosen.isEmpty()) {
        return;
    }
    const QString folder = QDir::cleanPath(QDir(chosen).absolutePath());
    rememberMailFolder(folder);

    const DocumentInput input = currentDocumentInput();
    const WrittenPdfs written = writeReportPdfs(input, folder, suggestedPdfNames(input));
    if (!written.ok()) {
        context_.messages.showMessage(pdfFailureText(written.failedPath, written.result));
        return;
    }
    std::vector<std::string> files;
    for (const QString& path : written.paths) {
        files.push_back(path.toStdString());
    }
    startMailProgram(
        mailArguments(mailSubject(input), files), this,
        [this, folder](const MailOutcome& outcome) { mailProgramDone(outcome, folder); });
}

void TFormReport::mailProgramDone(const MailOutcome& outcome, const QString& folder) {
    if (!outcome) {
        return;
    }
    // Nothing is lost: the documents are in the folder, shown for attaching them by hand.
    context_.messages.showMessage(
        QString::fromStdString(mailFailureMessage(*outcome, folder.toStdString())));
    if (showFolder_) {
        showFolder_(folder);
    }
}

} // namespace kestrelon
