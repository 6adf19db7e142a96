#pragma once
// kestrelon-export: the three documents of a stored report as PDF files.

#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

inline constexpr int kExportOk = 0;
inline constexpr int kExportFailed = 1;
inline constexpr int kExportUsage = 2;
inline constexpr int kExportMailFailed = 3; // --mail: the PDFs are written, the mail program failed

// Runs the command with its arguments (without the program name). Needs a Qt GUI application
// for fonts. Returns the process exit status.
int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kestrelon
