// "Отправить": the three documents of the report written as PDF into a folder the user
// chooses, and handed to the desktop's mail program as attachments of a new message, addressed
// to the principal when its card has an e-mail.

#include "render/report_pdfs.h"
#include "store/folder_choice.h"
#include "tform_report.h"
#include "ui/widgets/file_error.h"

#include <QDir>
#include <QTabWidget>

namespace kestrelon {

QString TFormReport::folderStart(FolderKind kind) const {
    return kestrelon::folderStart(context_.store, kind);
}

void TFormReport::mailClicked() {
    if (!onDocumentTab() || refusedWithoutPrincipal()) {
        return;
    }
    const QString chosen =
        dialogs_->chooseFolder(this, FolderKind::Mail, folderStart(FolderKind::Mail));
    if (chosen.isEmpty()) {
        return;
    }
    const QString folder = QDir::cleanPath(QDir(chosen).absolutePath());
    rememberFolder(FolderKind::Mail, folder);

    const DocumentInput input = session_.documentInput();
    const WrittenPdfs written = writeReportPdfs(input, folder, suggestedPdfNames(input));
    if (!written.ok()) {
        context_.messages.showMessage(pdfFailureText(written.failedPath, written.result));
        return;
    }
    std::vector<std::string> files;
    for (const QString& path : written.paths) {
        files.push_back(path.toStdString());
    }
    // The principal's card names the recipient when it has an e-mail; else the user picks one
    // in the mail program.
    const std::vector<std::string> to = mailRecipients(principalEmail(context_.store));
    startMailProgram(
        mailArguments(mailSubject(input), mailBody(input), files, to), this,
        [this, folder](const MailOutcome& outcome) { mailProgramDone(outcome, folder); });
}

void TFormReport::mailProgramDone(const MailOutcome& outcome, const QString& folder) {
    if (!outcome) {
        return;
    }
    // Nothing is lost: the documents are in the folder, shown for attaching them by hand.
    context_.messages.showMessage(
        QString::fromStdString(mailFailureMessage(*outcome, folder.toStdString())));
    dialogs_->showFolder(folder);
}

} // namespace kestrelon
