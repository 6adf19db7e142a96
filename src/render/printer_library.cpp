#include "printer_library.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace kestrelon {
namespace {

constexpr const char* kLibraryName = "libkestrelon-printer.so";

// Beside the executable, where the build and the package put it.
std::string besideTheExecutable() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? kLibraryName : (self.parent_path() / kLibraryName).string();
}

// Beside the executable, else where the loader looks (a test built elsewhere names the
// build's folder in its run path).
std::string libraryPath() {
    const std::string beside = besideTheExecutable();
    return ::access(beside.c_str(), F_OK) == 0 ? beside : kLibraryName;
}

} // namespace

PrinterSettings PrinterLibrary::settings(const QPrinter& printer) const {
    PrinterSettings settings;
    kestrelon_printer_settings(&printer, &settings);
    return settings;
}

const PrinterLibrary& printerLibrary() {
    static const PrinterLibrary library(libraryPath());
    return library;
}

QString printerLibraryMissingText(const MissingLibrary& missing) {
    return QStringLiteral("Печать недоступна: %1").arg(QString::fromUtf8(missing.what()));
}

void PrinterDeleter::operator()(QPrinter* printer) const {
    printerLibrary().kestrelon_printer_delete(printer);
}

} // namespace kestrelon
