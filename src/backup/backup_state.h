#pragma once
// What the data folder held at its last backup or restore, kept in the backup folder, so that
// closing the program makes a backup only when something changed.

#include <string>

namespace kestrelon {

// Empty when none is kept (or it cannot be read).
std::string lastBackedUpState(const std::string& backupFolder);
// Throws IoError.
void rememberBackedUpState(const std::string& backupFolder, const std::string& state);

} // namespace kestrelon
