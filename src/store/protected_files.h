#pragma once
// The files an output must never take the place of: the program reads them, and a slip of the
// user's (or of a command line) would destroy a report or a table.

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kestrelon {

enum class ProtectedFile {
    Input,      // a file the command or window is reading from (the report given)
    ReportFile, // any *.rep: a stored report, or a file the report list would take for one
    DataTable,  // a table or side file of the data folder
};

// Why `output` must not be written, or nothing. `dataFolder` (with or without its trailing
// separator; may be empty) holds the tables; `inputs` are the files being read. Paths are
// compared as the files they name, through links and "..".
std::optional<ProtectedFile> protectedFileKind(const std::string& output,
                                               const std::string& dataFolder,
                                               const std::vector<std::string>& inputs = {});

// The names of the data folder's tables and side files (not its reports).
std::span<const char* const> dataTableNames();

// The refusal for the command line (English), naming the file.
std::string protectedFileRefusal(ProtectedFile kind, const std::string& output);

} // namespace kestrelon
