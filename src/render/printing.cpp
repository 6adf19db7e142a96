#include "printing.h"

#include "paged_device_geometry.h"
#include "placed_painting.h"
#include "qt_text_metrics.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace kestrelon {
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

void setUpForDocument(QPrinter& printer, const QString& jobName) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The sheet's own corner is the origin; the layout measures everything from the edge.
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setDocName(jobName);
}

// The sheets the printer was asked for, as many times as the copies ask when it cannot make
// copies itself (a PDF file, a printer without a spooler that does): each copy whole in turn,
// or each sheet as often as the copies when they are not to be collated.
PlacedDocument chosenSheets(const QPrinter& printer, const PlacedDocument& document) {
    const int count = static_cast<int>(document.pages.size());
    int first = 1;
    int last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(count, std::max(first, printer.toPage()));
    }
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const bool collated = printer.collateCopies();
    PlacedDocument chosen{document.pageWidth, document.pageHeight, {}};
    for (int round = 0; round < (collated ? copies : 1); ++round) {
        for (int page = first; page <= last; ++page) {
            for (int copy = 0; copy < (collated ? 1 : copies); ++copy) {
                chosen.pages.push_back(document.pages[static_cast<std::size_t>(page - 1)]);
            }
        }
    }
    return chosen;
}

} // namespace

OutputResult printAfterChoice(const QString& jobName, const std::function<int(QPrinter&)>& sheets,
                              const PrinterChoice& choose,
                              const std::function<OutputResult(QPrinter&)>& print) {
    // Without any printer Qt makes a printer that writes a PDF file: the choice may name the
    // file, else there is nowhere to print.
    QPrinter printer(startingPrinter(), QPrinter::HighResolution);
    setUpForDocument(printer, jobName);
    if (choose && !choose(printer, sheets(printer))) {
        return {};
    }
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    if (toFile ? printer.outputFileName().isEmpty() : printer.printerName().isEmpty()) {
        return {QStringLiteral("Принтер по умолчанию не найден.")};
    }
    return print(printer);
}

OutputResult printDocument(DocumentKind kind, const DocumentTexts& texts, const QString& jobName,
                           const PrinterChoice& choose) {
    // The sheets break alike on every device: counted on the starting printer, they hold on
    // whichever the user picks.
    const auto sheets = [&](QPrinter& printer) {
        const QtTextMetrics metrics(&printer);
        return static_cast<int>(
            layoutDocument(kind, texts, pagedDeviceGeometry(printer), metrics).pages.size());
    };
    return printAfterChoice(jobName, sheets, choose, [&](QPrinter& printer) {
        return printOnPrinter(printer, kind, texts);
    });
}

OutputResult printOnPrinter(QPrinter& printer, DocumentKind kind, const DocumentTexts& texts) {
    if (!printer.isValid()) {
        return {QStringLiteral("Принтер «%1» недоступен.").arg(printer.printerName())};
    }
    const PageGeometry geometry = pagedDeviceGeometry(printer);
    const QtTextMetrics metrics(&printer);
    const PlacedDocument placed =
        chosenSheets(printer, layoutDocument(kind, texts, geometry, metrics));
    if (placed.pages.empty()) {
        return {};
    }
    if (!paintSheets(printer, placed, metrics) || printer.printerState() == QPrinter::Error) {
        return {QStringLiteral("Не удалось напечатать документ на принтере «%1».")
                    .arg(printer.printerName())};
    }
    return {};
}

} // namespace kestrelon
