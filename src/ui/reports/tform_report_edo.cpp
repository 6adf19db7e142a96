// "ЭДО": the documents of the report as an EDO operator takes them. The act of services goes as
// the tax service's УПД exchange file, the invoice and the act of mutual offset as PDFs beside
// it. What the data folder lacks for it is asked once and kept; a document the operator would
// refuse is not written, and every reason is said at once.

#include "exchange/upd_file.h"
#include "render/cp1251_qstring.h"
#include "render/edo_files.h"
#include "tform_report.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"

#include <QDir>
#include <QTabWidget>

namespace kestrelon {

bool TFormReport::completeEdoBook(const DocumentInput& input, EdoBook& book) {
    EdoDetailsRequest request;
    const std::string agentInn = input.agent ? input.agent->inn : std::string();
    const std::string principalInn = input.principal ? input.principal->inn : std::string();
    request.askAgentId = !agentInn.empty() && book.participantId(agentInn).empty();
    request.askPrincipalId = !principalInn.empty() && book.participantId(principalInn).empty();
    request.askSigner = !input.director.empty() && !book.signerFor(input.director) &&
                        !fullNameFromText(input.director);
    if (!request.askAgentId && !request.askPrincipalId && !request.askSigner) {
        return true;
    }
    request.agentName = input.agent ? fromCp1251(input.agent->name) : QString();
    request.principalName = input.principal ? fromCp1251(input.principal->name) : QString();
    request.director = fromCp1251(input.director);
    // Given up: the check below names what is still missing.
    const std::optional<EdoDetails> details = dialogs_->askEdoDetails(this, request);
    if (!details) {
        return true;
    }
    if (request.askAgentId) {
        book.setParticipantId(agentInn, toCp1251(details->agentId));
    }
    if (request.askPrincipalId) {
        book.setParticipantId(principalInn, toCp1251(details->principalId));
    }
    if (request.askSigner) {
        book.setSigner(input.director,
                       PersonName{toCp1251(details->surname), toCp1251(details->name),
                                  toCp1251(details->patronymic)});
    }
    try {
        saveEdoBook(context_.store.DataFolder, book);
    } catch (const IoError& error) {
        showFileError(context_, error);
        return false;
    }
    return true;
}

void TFormReport::edoClicked() {
    if (!onDocumentTab() || refusedWithoutPrincipal()) {
        return;
    }
    const DocumentInput input = session_.documentInput();
    EdoBook book;
    try {
        book = loadEdoBook(context_.store.DataFolder);
    } catch (const IoError& error) {
        showFileError(context_, error);
        return;
    }
    if (!completeEdoBook(input, book)) {
        return;
    }
    const UpdFile upd = prepareUpdFile(input, updSettingsFromData(input, context_.store, book));
    if (!upd.ok()) {
        QString text = QStringLiteral("Документы для ЭДО не записаны. Исправьте:");
        for (const std::string& problem : upd.problems) {
            text += QStringLiteral("\n• ") + QString::fromStdString(problem);
        }
        context_.messages.showMessage(text);
        return;
    }
    const QString chosen =
        dialogs_->chooseFolder(this, FolderKind::Edo, folderStart(FolderKind::Edo));
    if (chosen.isEmpty()) {
        return;
    }
    const QString folder = QDir::cleanPath(QDir(chosen).absolutePath());
    rememberFolder(FolderKind::Edo, folder);
    const WrittenPdfs written = writeEdoFiles(input, upd, folder);
    if (!written.ok()) {
        context_.messages.showMessage(
            QStringLiteral("Не удалось записать документ для ЭДО:\n%1\n%2")
                .arg(written.failedPath, written.result.error));
        return;
    }
    context_.messages.showInformation(edoFilesWrittenText(written.paths));
}

} // namespace kestrelon
