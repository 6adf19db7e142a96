#pragma once
// The backup folder: where backups go (beside the data folder, named after it with
// ".backups", unless another was chosen), their names with the date and time, the list of
// them, making one, and which old ones are let go.

#include "store/calendar_day.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

struct BackupMoment {
    CalendarDay day;
    int hour = 0, minute = 0, second = 0;

    long long order() const {
        return ((((day.year * 12LL + day.month) * 31 + day.day) * 24 + hour) * 60 + minute) * 60 +
               second;
    }
};

BackupMoment backupMomentNow();

// "/home/buh/.local/share/kestrelon/" -> "/home/buh/.local/share/kestrelon.backups/".
std::string defaultBackupFolder(const std::string& dataFolder);
// The folder chosen for the data folder's backups (kept in it), else the default one.
std::string backupFolderOf(const std::string& dataFolder);
// Keeps the folder chosen for the backups. Throws IoError.
void chooseBackupFolder(const std::string& dataFolder, const std::string& backupFolder);

// "kestrelon-2026-12-10-140530.zip"; the moment back from such a name, nothing for any other.
std::string backupFileName(const BackupMoment& moment);
std::optional<BackupMoment> momentOfBackup(const std::string& fileName);

struct BackupFile {
    std::string path;
    std::string name;
    BackupMoment moment;
    std::uintmax_t size = 0;
    std::string contents; // what it holds (UTF-8), from its comment
};

// The backups of the folder, the newest first: only files named as backups are, so an
// unfinished one is never listed.
std::vector<BackupFile> listBackups(const std::string& backupFolder);

// Those to let go: all but the 20 newest and, of the 24 months up to `now`, each month's
// newest.
std::vector<std::string> backupsToPrune(const std::vector<BackupFile>& backups,
                                        const BackupMoment& now);

struct BackupOutcome {
    bool made = false; // false: nothing changed since the last backup
    std::string path;
};

// Makes a backup of the data folder when anything in it changed since the last backup or
// restore (always with `evenWhenUnchanged`): written under a temporary name, read back and
// checked entry by entry, synced, then renamed into place; old backups are then pruned.
// Throws BackupProblem or IoError; a failure leaves no file listed as a backup.
BackupOutcome makeBackup(const std::string& dataFolder, const std::string& backupFolder,
                         const BackupMoment& now, bool evenWhenUnchanged = false);

} // namespace kestrelon
