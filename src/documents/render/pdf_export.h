#pragma once
// A document of a report as an A4 PDF at real size, laid out by the printer rules (no page
// frame) with its texts wrapped as buildDocumentTexts wraps them for the PDF device.

#include "document_texts.h"
#include "output_result.h"

#include <QString>

namespace kestrelon {

// The PDF is written to a temporary file beside `path` and renamed over it at the end, so a
// failure leaves no half-written file. Errors are in English, for the command line.
OutputResult exportPdf(DocumentKind kind, const DocumentInput& input, const QString& path);

} // namespace kestrelon
