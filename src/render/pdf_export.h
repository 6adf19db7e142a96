#pragma once
// A document of a report as an A4 PDF at real size, laid out by the printer rules (no page
// frame) with its texts wrapped as buildDocumentTexts wraps them for the PDF device.

#include "document_texts.h"
#include "output_result.h"

#include <QByteArray>
#include <QString>

class QPdfWriter;

namespace kestrelon {

// An A4 PDF at the exports' resolution, without margins, with its title, on `writer`.
void setUpA4Pdf(QPdfWriter& writer, const QString& title);

// Writes the rendered bytes (a rendering failure is passed on, naming the path): whole or not at
// all, as exportPdf does.
OutputResult saveRenderedPdf(const QByteArray& bytes, OutputResult rendered, const QString& path);

// The whole PDF in memory; `error` says why there is none.
QByteArray renderPdf(DocumentKind kind, const DocumentInput& input, OutputResult& error);

// The PDF is written to a temporary file beside `path` and renamed over it once every byte is on
// the disk, so a failure (a full disk, a file-size limit) leaves the old file or none and is
// said. A symbolic link or FIFO at `path` is refused. Errors are in English, for the command line.
OutputResult exportPdf(DocumentKind kind, const DocumentInput& input, const QString& path);

} // namespace kestrelon
