#include "report_pdfs.h"

#include "documents/document_file_name.h"
#include "pdf_export.h"

#include <QDir>

namespace kestrelon {

WrittenPdfs writeReportPdfs(const DocumentInput& input, const QString& folder,
                            const std::array<QString, 3>& names) {
    WrittenPdfs written;
    const QDir dir(folder);
    for (std::size_t d = 0; d < names.size(); ++d) {
        const QString path = QDir::cleanPath(dir.absoluteFilePath(names[d]));
        written.result = exportPdf(kAllDocuments[d], input, path);
        if (!written.ok()) {
            written.failedPath = path;
            return written;
        }
        written.paths.append(path);
    }
    return written;
}

std::array<QString, 3> suggestedPdfNames(const DocumentInput& input) {
    const std::array<std::string, 3> names = documentFileNames(input);
    return {QString::fromStdString(names[0]), QString::fromStdString(names[1]),
            QString::fromStdString(names[2])};
}

} // namespace kestrelon
