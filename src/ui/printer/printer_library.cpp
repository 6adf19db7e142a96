// The printer library: every call of Qt's printing module the program makes. Built as a shared
// library of its own and loaded at the first print (render/printer_library.h).

#include "render/printer_functions.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <algorithm>

#define KESTRELON_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The default printer, or the first there is when none is the default; none when there is no
// printer at all.
QPrinterInfo startingPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        return info;
    }
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    return all.isEmpty() ? QPrinterInfo() : all.constFirst();
}

} // namespace

KESTRELON_EXPORT QPrinter* kestrelon_printer_new(const QString* jobName) {
    // Without any printer Qt makes a printer that writes a PDF file.
    auto* printer = new QPrinter(startingPrinter(), QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    // The sheet's own corner is the origin; the layout measures everything from the edge.
    printer->setFullPage(true);
    printer->setCopyCount(1);
    printer->setDocName(*jobName);
    return printer;
}

KESTRELON_EXPORT void kestrelon_printer_delete(QPrinter* printer) {
    delete printer;
}

KESTRELON_EXPORT QPagedPaintDevice* kestrelon_printer_device(QPrinter* printer) {
    return printer;
}

KESTRELON_EXPORT void kestrelon_printer_settings(const QPrinter* printer,
                                                 kestrelon::PrinterSettings* settings) {
    settings->name = printer->printerName();
    settings->valid = printer->isValid();
    settings->toFile = printer->outputFormat() == QPrinter::PdfFormat;
    settings->outputFile = printer->outputFileName();
    const bool range = printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0;
    settings->firstSheet = range ? printer->fromPage() : 0;
    settings->lastSheet = range ? printer->toPage() : 0;
    settings->copies = std::max(1, printer->copyCount());
    settings->collated = printer->collateCopies();
    settings->printerMakesCopies = printer->supportsMultipleCopies();
    settings->failed = printer->printerState() == QPrinter::Error;
}

KESTRELON_EXPORT bool kestrelon_printer_choose(QWidget* parent, QPrinter* printer, int sheets) {
    if (printer->printerName().isEmpty()) {
        // No printer at all: nothing to choose from, and printing says so. "PDF" saves a file.
        return true;
    }
    QPrintDialog dialog(printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, std::max(1, sheets));
    return dialog.exec() == QDialog::Accepted;
}

// The plain text device: every line at the left edge of the printable area, one line per
// baseline step of the font, a new page when the next line would not fit.
KESTRELON_EXPORT void kestrelon_print_lines(const QStringList* lines, const QFont* font,
                                            const QString* jobName, QString* error) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        *error = QStringLiteral("Принтер по умолчанию не установлен.");
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(*jobName);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("Не удалось начать печать на принтере %1.").arg(info.printerName());
        return;
    }
    const QFont printerFont(*font, painter.device());
    painter.setFont(printerFont);
    const QFontMetricsF metrics(printerFont, painter.device());
    const qreal pageHeight = painter.viewport().height();
    const qreal pageWidth = painter.viewport().width();
    qreal top = 0;
    for (const QString& line : *lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(QRectF(0, top, pageWidth, metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs,
                         line);
        top += metrics.lineSpacing();
    }
    painter.end();
}
