#pragma once
// What start-up checks and tidies in the data folder before the tables are read: whether saves
// can be made there at all, and the temporary files that saves killed before their rename
// (a power cut, a kill) left behind.

#include "io_error.h"

#include <string>
#include <vector>

namespace kestrelon {

// Whether the data folder (with its trailing separator) takes saves now.
bool dataFolderTakesSaves(const std::string& folder);

// Shown (UTF-8) once at start-up when it does not; the program then runs on what it read.
std::string unwritableDataFolderMessage(const std::string& folder);

// Whether a name in the data folder is a temporary file this program made: the name of one of
// the files it saves there (a table, a report, a price list or a text card) followed by the
// ".~pid-attempt" of a save, the process being gone or this one.
bool isLeftoverTemporary(const std::string& fileName);

// Removes the leftover temporary files (regular files only) of the folder. Call only while the
// folder's lock is held, so that no other copy is saving there. Returns the removals that
// failed, each naming its file; a folder that cannot be listed is one failure.
std::vector<IoError> removeLeftoverTemporaries(const std::string& folder);

// Shown (UTF-8) when some removals failed.
std::string leftoverRemovalMessage(const std::vector<IoError>& failures);

} // namespace kestrelon
