#include "report_pdfs.h"

#include "documents/input/document_file_name.h"
#include "pdf_export.h"

#include <QDir>

namespace kestrelon {

WrittenPdfs writeDocumentPdfs(const DocumentInput& input, const QString& folder,
                              const std::vector<std::pair<DocumentKind, QString>>& documents) {
    WrittenPdfs written;
    const QDir dir(folder);
    for (const auto& [kind, name] : documents) {
        const QString path = QDir::cleanPath(dir.absoluteFilePath(name));
        written.result = exportPdf(kind, input, path);
        if (!written.ok()) {
            written.failedPath = path;
            return written;
        }
        written.paths.append(path);
    }
    return written;
}

WrittenPdfs writeReportPdfs(const DocumentInput& input, const QString& folder,
                            const std::array<QString, 3>& names) {
    return writeDocumentPdfs(input, folder,
                             {{DocumentKind::Invoice, names[0]},
                              {DocumentKind::Act, names[1]},
                              {DocumentKind::OffsetAct, names[2]}});
}

std::array<QString, 3> suggestedPdfNames(const DocumentInput& input) {
    const std::array<std::string, 3> names = documentFileNames(input);
    return {QString::fromStdString(names[0]), QString::fromStdString(names[1]),
            QString::fromStdString(names[2])};
}

} // namespace kestrelon
