#pragma once
// Restoring a backup into the data folder as one step. The backup is read and checked whole
// before anything changes; the folder's present state is backed up first; then every file of
// the backup is written under a temporary name, a journal naming the files to put in place is
// committed, and the files are renamed into place (and those the backup lacks removed). A
// restore cut short before the journal leaves the old folder, one cut short after it is
// finished by the next start: never a mix.

#include "backup_folder.h"

#include <string>

namespace kestrelon {

struct RestoreOutcome {
    std::string backupOfBefore; // the backup of the state restored over, empty when one was
                                // already there
    std::size_t files = 0;      // the files the folder now holds
};

// Throws BackupProblem (nothing changed) or IoError.
RestoreOutcome restoreBackup(const std::string& dataFolder, const std::string& backupFolder,
                             const std::string& backupPath, const BackupMoment& now);

// Finishes a restore a killed run committed, or clears what an uncommitted one left. Run at
// every start, under the folder's lock. Throws IoError.
void finishInterruptedRestore(const std::string& dataFolder);

} // namespace kestrelon
