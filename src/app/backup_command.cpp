#include "backup_command.h"

#include "backup/backup_zip.h"
#include "backup/restore.h"
#include "store/data_folder_lock.h"
#include "store/io_error.h"

#include <cstdio>

namespace kestrelon {
namespace {

std::string momentText(const BackupMoment& m) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", m.day.day, m.day.month,
                  m.day.year, m.hour, m.minute, m.second);
    return text;
}

} // namespace

int runBackupCommand(const CommandLine& line, const std::string& dataFolder, std::ostream& out,
                     std::ostream& err) {
    const DataFolderLock lock(dataFolder);
    if (lock.heldElsewhere()) {
        err << "kestrelon: " << DataFolderLock::kHeldElsewhereMessage << " (" << dataFolder
            << "); close it first\n";
        return 1;
    }
    const std::string backupFolder = backupFolderOf(dataFolder);
    try {
        finishInterruptedRestore(dataFolder);
        switch (line.action) {
        case CommandLine::Action::Backup: {
            const BackupOutcome made =
                makeBackup(dataFolder, backupFolder, backupMomentNow(), true);
            out << made.path << "\n";
            break;
        }
        case CommandLine::Action::Backups:
            out << "Backups in " << backupFolder << ":\n";
            for (const BackupFile& backup : listBackups(backupFolder)) {
                out << backup.name << "  " << momentText(backup.moment) << "  " << backup.size
                    << " bytes  " << backup.contents << "\n";
            }
            break;
        case CommandLine::Action::Restore: {
            const RestoreOutcome restored =
                restoreBackup(dataFolder, backupFolder, line.restoreFile, backupMomentNow());
            out << "restored " << line.restoreFile << " into " << dataFolder << " ("
                << restored.files << " files)";
            if (!restored.backupOfBefore.empty()) {
                out << "; the state before is in " << restored.backupOfBefore;
            }
            out << "\n";
            break;
        }
        default:
            break;
        }
    } catch (const BackupProblem& problem) {
        err << "kestrelon: " << line.restoreFile << ": " << problem.what()
            << "; nothing was changed\n";
        return 1;
    } catch (const IoError& error) {
        err << "kestrelon: " << error.path() << ": " << error.message() << "\n";
        return 1;
    }
    return 0;
}

} // namespace kestrelon
