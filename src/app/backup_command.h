#pragma once
// kestrelon --backup, --backups, --restore FILE: the data folder's backups without windows,
// under the folder's lock.

#include "command_line.h"

#include <ostream>
#include <string>

namespace kestrelon {

// `dataFolder` with its trailing separator. Returns the exit status: 0 done, 1 not done (the
// reason on `err`).
int runBackupCommand(const CommandLine& line, const std::string& dataFolder, std::ostream& out,
                     std::ostream& err);

} // namespace kestrelon
