#pragma once
// The printer library, loaded at the first print from the program's own folder: Qt's printing
// module and what it brings along cost every start a noticeable part of a millisecond, and
// most starts print nothing.

#include "printer_functions.h"
#include "store/shared_library.h"

#include <memory>
#include <string>

namespace kestrelon {

struct PrinterLibrary {
    explicit PrinterLibrary(const std::string& path) : library(path.c_str()) {}

    SharedLibrary library;
    KESTRELON_LIBRARY_FUNCTION(library, kestrelon_printer_new);
    KESTRELON_LIBRARY_FUNCTION(library, kestrelon_printer_delete);
    KESTRELON_LIBRARY_FUNCTION(library, kestrelon_printer_device);
    KESTRELON_LIBRARY_FUNCTION(library, kestrelon_printer_settings);
    KESTRELON_LIBRARY_FUNCTION(library, kestrelon_printer_choose);
    KESTRELON_LIBRARY_FUNCTION(library, kestrelon_print_lines);

    PrinterSettings settings(const QPrinter& printer) const;
    QPagedPaintDevice& device(QPrinter& printer) const {
        return *kestrelon_printer_device(&printer);
    }
};

// Loaded at the first call. Throws MissingLibrary.
const PrinterLibrary& printerLibrary();

// What printing says when the library cannot be loaded.
QString printerLibraryMissingText(const MissingLibrary& missing);

struct PrinterDeleter {
    void operator()(QPrinter* printer) const;
};
using OwnedPrinter = std::unique_ptr<QPrinter, PrinterDeleter>;

} // namespace kestrelon
