#pragma once
// The three documents of a report as PDF files in one folder, as "Отправить" and the exporter
// write them.

#include "documents/input/document_input.h"
#include "documents/input/document_kind.h"
#include "output_result.h"

#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon {

struct WrittenPdfs {
    QStringList paths;  // the files written, absolute, in document order
    QString failedPath; // the file that could not be written, when one could not
    OutputResult result;
    bool ok() const { return result.ok(); }
};

// Writes each document into `folder` under its name, with the `others` (name and bytes) beside
// them, replacing files of those names: all of them or none (saveFilesTogether). The paths are
// in the order given, the others last.
WrittenPdfs writeDocumentPdfs(const DocumentInput& input, const QString& folder,
                              const std::vector<std::pair<DocumentKind, QString>>& documents,
                              const std::vector<std::pair<QString, std::string>>& others = {});

// The invoice, the act and the act of mutual offset under `names`, in that order.
WrittenPdfs writeReportPdfs(const DocumentInput& input, const QString& folder,
                            const std::array<QString, 3>& names);

// The names the "PDF" button suggests for the three documents.
std::array<QString, 3> suggestedPdfNames(const DocumentInput& input);

} // namespace kestrelon
