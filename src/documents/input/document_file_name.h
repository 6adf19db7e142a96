#pragma once
// The file name a document of a report is saved under: the document, its number and the report
// period, so that a month's three PDFs sort together and say what they are
// ("Счет 12 за Март 2013.pdf"). The "PDF" button suggests it and "Отправить" attaches the
// documents under it.

#include "document_input.h"
#include "document_kind.h"

#include <array>
#include <string>

namespace kestrelon {

// The document as it calls itself, its number and the report period: «Акт зачета 5 за Март
// 2013» (UTF-8), the name a print job carries. A part whose value is missing is left out.
std::string documentName(DocumentKind kind, const DocumentInput& input);

// The name with ".pdf", with the characters no folder takes made "_"; UTF-8, as the file
// system takes it.
std::string documentFileName(DocumentKind kind, const DocumentInput& input);

// The names of the invoice, the act and the act of mutual offset, in that order.
std::array<std::string, 3> documentFileNames(const DocumentInput& input);

} // namespace kestrelon
