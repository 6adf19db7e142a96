#pragma once
// The three documents of a report as one family: their texts, built once for the device
// that wraps them, and their layout on any device.

#include "documents/forms/act_document.h"
#include "documents/forms/invoice_document.h"
#include "documents/input/document_input.h"
#include "documents/input/document_kind.h"
#include "documents/offset_act/offset_act_document.h"

namespace kestrelon {

// The texts as the document tabs build them. Printing lays these out again on the printer
// but keeps their wrapped lines.
struct DocumentTexts {
    DocumentText invoice;
    DocumentText act;
    OffsetActText offsetAct;
};

// The texts of one document (the others stay empty). The invoice and the act are wrapped with
// `metrics` on `geometry`; the act of mutual offset, which runs over as many sheets as its
// rows need, on the WrappingReference, so that its sheets break alike on every device.
DocumentTexts buildDocumentTexts(DocumentKind kind, const DocumentInput& input,
                                 const PageGeometry& geometry, const TextMetrics& metrics);

PlacedDocument layoutDocument(DocumentKind kind, const DocumentTexts& texts,
                              const PageGeometry& geometry, const TextMetrics& metrics);

} // namespace kestrelon
