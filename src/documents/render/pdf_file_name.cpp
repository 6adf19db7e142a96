#include "pdf_file_name.h"

#include "cp1251_qstring.h"

namespace kestrelon {
namespace {

QString documentWord(DocumentKind kind) {
    switch (kind) {
    case DocumentKind::Invoice:
        return QStringLiteral("Счет");
    case DocumentKind::Act:
        return QStringLiteral("Акт");
    case DocumentKind::OffsetAct:
        return QStringLiteral("Акт зачета");
    }
    return {};
}

const std::string& documentNumber(DocumentKind kind, const DocumentInput& input) {
    switch (kind) {
    case DocumentKind::Invoice:
        return input.invoiceNo;
    case DocumentKind::Act:
        return input.actNo;
    case DocumentKind::OffsetAct:
        break;
    }
    return input.offsetActNo;
}

} // namespace

QString suggestedPdfName(DocumentKind kind, const DocumentInput& input) {
    QString name = documentWord(kind);
    const QString number = fromCp1251(documentNumber(kind, input)).trimmed();
    if (!number.isEmpty()) {
        name += QLatin1Char(' ') + number;
    }
    const QString month = fromCp1251(monthName(input.period.month));
    const QString year = fromCp1251(yearText(input.period.year));
    if (!month.isEmpty() && !year.isEmpty()) {
        name += QStringLiteral(" за %1 %2").arg(month, year);
    }
    // Numbers are typed by hand: nothing in them may leave the chosen folder or trouble a
    // file system.
    static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
    for (QChar& c : name) {
        if (kUnsafe.contains(c) || c.unicode() < 32) {
            c = QLatin1Char('_');
        }
    }
    return name + QStringLiteral(".pdf");
}

} // namespace kestrelon
