#include "printing.h"

#include "paged_device_geometry.h"
#include "placed_painting.h"
#include "printer_library.h"
#include "qt_text_metrics.h"

#include <QPagedPaintDevice>
#include <algorithm>

namespace kestrelon {
namespace {

// The sheets the printer was asked for, as many times as the copies ask when it cannot make
// copies itself (a PDF file, a printer without a spooler that does): each copy whole in turn,
// or each sheet as often as the copies when they are not to be collated.
PlacedDocument chosenSheets(const PrinterSettings& printer, const PlacedDocument& document) {
    const int count = static_cast<int>(document.pages.size());
    int first = 1;
    int last = count;
    if (printer.firstSheet > 0) {
        first = std::max(1, printer.firstSheet);
        last = std::min(count, std::max(first, printer.lastSheet));
    }
    const int copies = printer.printerMakesCopies ? 1 : printer.copies;
    const bool collated = printer.collated;
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
    try {
        const PrinterLibrary& library = printerLibrary();
        // Without any printer Qt makes a printer that writes a PDF file: the choice may name
        // the file, else there is nowhere to print.
        const OwnedPrinter printer(library.kestrelon_printer_new(&jobName));
        if (choose && !choose(*printer, sheets(*printer))) {
            return {};
        }
        const PrinterSettings chosen = library.settings(*printer);
        if (chosen.toFile ? chosen.outputFile.isEmpty() : chosen.name.isEmpty()) {
            return {QStringLiteral("Принтер по умолчанию не найден.")};
        }
        return print(*printer);
    } catch (const MissingLibrary& missing) {
        return {printerLibraryMissingText(missing)};
    }
}

bool choosePrinterInDialog(QWidget* parent, QPrinter& printer, int sheets) {
    // Asked for only on a printer the library made, so the library is there.
    return printerLibrary().kestrelon_printer_choose(parent, &printer, sheets);
}

OutputResult printDocument(DocumentKind kind, const DocumentTexts& texts, const QString& jobName,
                           const PrinterChoice& choose) {
    // The sheets break alike on every device: counted on the starting printer, they hold on
    // whichever the user picks.
    const auto sheets = [&](QPrinter& printer) {
        QPagedPaintDevice& device = printerLibrary().device(printer);
        const QtTextMetrics metrics(&device);
        return static_cast<int>(
            layoutDocument(kind, texts, pagedDeviceGeometry(device), metrics).pages.size());
    };
    return printAfterChoice(jobName, sheets, choose, [&](QPrinter& printer) {
        return printOnPrinter(printer, kind, texts);
    });
}

OutputResult paintOnPrinter(QPrinter& printer, const QString& failure,
                            const PrinterPainting& paint) {
    try {
        const PrinterLibrary& library = printerLibrary();
        const PrinterSettings chosen = library.settings(printer);
        if (!chosen.valid) {
            return {QStringLiteral("Принтер «%1» недоступен.").arg(chosen.name)};
        }
        if (!paint(library.device(printer), chosen) || library.settings(printer).failed) {
            return {failure.arg(chosen.name)};
        }
        return {};
    } catch (const MissingLibrary& missing) {
        return {printerLibraryMissingText(missing)};
    }
}

OutputResult printOnPrinter(QPrinter& printer, DocumentKind kind, const DocumentTexts& texts) {
    return paintOnPrinter(
        printer, QStringLiteral("Не удалось напечатать документ на принтере «%1»."),
        [&](QPagedPaintDevice& device, const PrinterSettings& chosen) {
            const QtTextMetrics metrics(&device);
            const PlacedDocument placed = chosenSheets(
                chosen, layoutDocument(kind, texts, pagedDeviceGeometry(device), metrics));
            // No sheet chosen prints nothing, and is no error.
            return placed.pages.empty() || paintSheets(device, placed, metrics);
        });
}

} // namespace kestrelon
