#pragma once
// Printing a document: the user chooses the printer, the copies and the sheets in the system's
// print dialog (or whatever stands in for it), which starts on the default printer. Always A4,
// measured from the sheet's edge. The texts are those the document tab built for the screen;
// printing lays them out again for the printer at real size without wrapping them anew, so the
// sheets break where the tab shows them break. Qt's printing module is loaded at the first
// print (printer_library.h).

#include "document_texts.h"
#include "output_result.h"
#include "printer_functions.h"

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kestrelon {

// Asks for the printer, the copies and the sheets of a document of `sheets` sheets on
// `printer`, set up for the document on the default printer (with no printer at all, one that
// writes a PDF file yet to be named); false when the user gave up.
using PrinterChoice = std::function<bool(QPrinter& printer, int sheets)>;

// Prints after the choice, under `jobName` in the print queue. A choice given up prints
// nothing and is no error; a choice that leaves no printer (and no file) is said.
OutputResult printDocument(DocumentKind kind, const DocumentTexts& texts, const QString& jobName,
                           const PrinterChoice& choose);

// An A4 printer set up on the default printer for the job of `sheets` sheets, the user's
// choice on it, then `print` on the printer chosen; the same outcomes as printDocument.
OutputResult printAfterChoice(const QString& jobName, const std::function<int(QPrinter&)>& sheets,
                              const PrinterChoice& choose,
                              const std::function<OutputResult(QPrinter&)>& print);

// The system's print dialog for a job of `sheets` sheets on a printer printAfterChoice made;
// true when the user prints (and at once when there is no printer to choose from).
bool choosePrinterInDialog(QWidget* parent, QPrinter& printer, int sheets);

// `paint` on the printer chosen when it is there; `failure` (its %1 the printer's name) when
// painting or the printer fails, and what printDocument says when the printer is not there.
using PrinterPainting = std::function<bool(QPagedPaintDevice& device, const PrinterSettings&)>;
OutputResult paintOnPrinter(QPrinter& printer, const QString& failure,
                            const PrinterPainting& paint);

// The same on a printer set up by the caller: the sheets and copies it has chosen.
OutputResult printOnPrinter(QPrinter& printer, DocumentKind kind, const DocumentTexts& texts);

} // namespace kestrelon
