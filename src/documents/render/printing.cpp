#include "printing.h"

#include "paged_device_geometry.h"
#include "placed_painting.h"
#include "qt_text_metrics.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace kestrelon {

OutputResult printDocument(DocumentKind kind, const DocumentTexts& texts) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return {QStringLiteral("Принтер по умолчанию не найден.")};
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The sheet's own corner is the origin; the layout measures everything from the edge.
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(QString::fromUtf8(documentTitle(kind)));
    return printOnPrinter(printer, kind, texts);
}

OutputResult printOnPrinter(QPrinter& printer, DocumentKind kind, const DocumentTexts& texts) {
    if (!printer.isValid()) {
        return {QStringLiteral("Принтер «%1» недоступен.").arg(printer.printerName())};
    }
    const PageGeometry geometry = pagedDeviceGeometry(printer);
    const QtTextMetrics metrics(&printer);
    const PlacedDocument placed = layoutDocument(kind, texts, geometry, metrics);
    if (!paintSheets(printer, placed, metrics) || printer.printerState() == QPrinter::Error) {
        return {QStringLiteral("Не удалось напечатать документ на принтере «%1».")
                    .arg(printer.printerName())};
    }
    return {};
}

} // namespace kestrelon
