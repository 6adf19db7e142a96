#pragma once
// The program's command-line options, read before any window exists.

#include <filesystem>
#include <string>
#include <vector>

namespace kestrelon {

struct CommandLine {
    // Backup, Backups and Restore work on the data folder without any window.
    enum class Action { Run, Help, Error, Backup, Backups, Restore };
    Action action = Action::Run;
    // Empty: the data lives in the executable's folder, as for a copied, portable program.
    std::filesystem::path dataFolder;
    // Closes the main window as soon as it is shown: a start-up check for installed copies.
    bool closeWhenShown = false;
    std::string error;       // what was wrong, when action is Error
    std::string restoreFile; // the backup --restore restores
};

// Reads the arguments after the program's name. A later --data-folder wins over an earlier
// one, so that a user may override the one an installed launcher passes.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text that --help prints; `program` is the name the program was started by.
std::string usageText(const std::string& program);

} // namespace kestrelon
