#pragma once
// Printing a document straight to the system's default printer: no dialog, A4, one copy.
// The texts are those the document tab built for the screen; printing lays them out again
// for the printer at real size without wrapping them anew.

#include "document_texts.h"
#include "output_result.h"

class QPrinter;

namespace kestrelon {

OutputResult printDocument(DocumentKind kind, const DocumentTexts& texts);

// The same on a printer set up by the caller.
OutputResult printOnPrinter(QPrinter& printer, DocumentKind kind, const DocumentTexts& texts);

} // namespace kestrelon
