#pragma once
// The three documents of a report.

namespace kestrelon {

enum class DocumentKind { Invoice, Act, OffsetAct };

inline constexpr DocumentKind kAllDocuments[] = {DocumentKind::Invoice, DocumentKind::Act,
                                                 DocumentKind::OffsetAct};

// The name a print job or a PDF carries (UTF-8): the caption of the document's tab.
inline const char* documentTitle(DocumentKind kind) {
    switch (kind) {
    case DocumentKind::Invoice:
        return "Счет";
    case DocumentKind::Act:
        return "Акт";
    case DocumentKind::OffsetAct:
        return "Акт Зачета";
    }
    return "";
}

} // namespace kestrelon
