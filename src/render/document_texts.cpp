#include "document_texts.h"

#include "wrapping_reference.h"

namespace kestrelon {

DocumentTexts buildDocumentTexts(DocumentKind kind, const DocumentInput& input,
                                 const PageGeometry& geometry, const TextMetrics& metrics) {
    DocumentTexts texts;
    switch (kind) {
    case DocumentKind::Invoice:
        texts.invoice = FillBillSt(input, geometry, metrics);
        break;
    case DocumentKind::Act:
        texts.act = FillActSt(input);
        break;
    case DocumentKind::OffsetAct: {
        const WrappingReference reference;
        texts.offsetAct = FillActZSt(input, reference.geometry(), reference.metrics());
        break;
    }
    }
    return texts;
}

PlacedDocument layoutDocument(DocumentKind kind, const DocumentTexts& texts,
                              const PageGeometry& geometry, const TextMetrics& metrics) {
    switch (kind) {
    case DocumentKind::Invoice:
        return FillBillXY(texts.invoice, geometry, metrics);
    case DocumentKind::Act:
        return FillActXY(texts.act, geometry, metrics);
    case DocumentKind::OffsetAct:
        return FillActZXY(texts.offsetAct, geometry, metrics);
    }
    return {};
}

} // namespace kestrelon
