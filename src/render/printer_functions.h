#pragma once
// The functions of the printer library (libkestrelon-printer.so), which alone links Qt's
// printing module: the program loads it at its first print rather than at every start. Both
// sides are built together, so its C names carry C++ arguments.

#include <QString>
#include <QStringList>

class QFont;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kestrelon {

// What the user chose in the print dialog, and what the printer can do.
struct PrinterSettings {
    QString name;
    bool valid = false;
    bool toFile = false; // a PDF file, named by outputFile
    QString outputFile;
    int firstSheet = 0; // both 0: every sheet
    int lastSheet = 0;
    int copies = 1;
    bool collated = true;
    bool printerMakesCopies = false;
    bool failed = false; // the printer said it failed
};

} // namespace kestrelon

extern "C" {
// An A4 printer on the default printer (or the first there is), full page, one copy, the job
// named `jobName`; with no printer at all one that writes a PDF file yet to be named.
QPrinter* kestrelon_printer_new(const QString* jobName);
void kestrelon_printer_delete(QPrinter* printer);
// The printer as the device pages are painted on.
QPagedPaintDevice* kestrelon_printer_device(QPrinter* printer);
void kestrelon_printer_settings(const QPrinter* printer, kestrelon::PrinterSettings* settings);
// The system's print dialog for a job of `sheets` sheets; true when the user prints. A printer
// without a name (there is none) has nothing to choose: true.
bool kestrelon_printer_choose(QWidget* parent, QPrinter* printer, int sheets);
// `lines` on the default printer, one a line in `font`, a new sheet when one is full; the job
// named `jobName`. `error` is left empty, or says what failed.
void kestrelon_print_lines(const QStringList* lines, const QFont* font, const QString* jobName,
                           QString* error);
}
