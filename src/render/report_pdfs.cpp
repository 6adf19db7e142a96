#include "report_pdfs.h"

#include "documents/input/document_file_name.h"
#include "pdf_export.h"
#include "store/file_set.h"

#include <QDir>

namespace kestrelon {

WrittenPdfs writeDocumentPdfs(const DocumentInput& input, const QString& folder,
                              const std::vector<std::pair<DocumentKind, QString>>& documents,
                              const std::vector<std::pair<QString, std::string>>& others) {
    WrittenPdfs written;
    const QDir dir(folder);
    std::vector<FileToWrite> files;
    for (const auto& [kind, name] : documents) {
        const QString path = QDir::cleanPath(dir.absoluteFilePath(name));
        const QByteArray bytes = renderPdf(kind, input, written.result);
        if (!written.ok()) {
            written.failedPath = path;
            written.result.error += QStringLiteral(" into %1").arg(path);
            return written;
        }
        files.push_back({path.toStdString(), bytes.toStdString()});
    }
    for (const auto& [name, bytes] : others) {
        files.push_back({QDir::cleanPath(dir.absoluteFilePath(name)).toStdString(), bytes});
    }
    try {
        saveFilesTogether(files);
    } catch (const IoError& error) {
        written.failedPath = QString::fromStdString(error.path());
        written.result.error =
            QStringLiteral("cannot write %1: %2")
                .arg(written.failedPath, QString::fromStdString(error.message()));
        return written;
    }
    for (const FileToWrite& f : files) {
        written.paths.append(QString::fromStdString(f.path));
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
