#pragma once
// The file name the "PDF" button suggests: the document, its number and the report period,
// so that a month's three PDFs sort together and say what they are ("Счет 12 за Март 2013.pdf").

#include "document_kind.h"
#include "documents/document_input.h"

#include <QString>

namespace kestrelon {

QString suggestedPdfName(DocumentKind kind, const DocumentInput& input);

} // namespace kestrelon
