#pragma once
// A backup file: a zip of the folder's files with a comment saying what it holds, written
// through libzip and read back whole, every entry checked against its size and checksum.

#include "folder_files.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelon {

// Why a backup cannot be used (UTF-8): the file is cut, changed, holds something that is not a
// data folder's file, or would unpack to far more than any data folder.
class BackupProblem : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest file and the largest whole a data folder has room for (64 reports per list of a
// machine, tables of a few hundred kilobytes): a backup that claims more is refused unread.
inline constexpr std::uint64_t kMostBackupEntryBytes = 16u << 20;
inline constexpr std::uint64_t kMostBackupBytes = 512u << 20;
inline constexpr std::size_t kMostBackupEntries = 5000;

// Writes the zip at `path` (replacing what is there). Throws BackupProblem.
void writeBackupZip(const std::string& path, const std::vector<NamedBytes>& files,
                    const std::string& comment);

struct BackupRead {
    std::vector<NamedBytes> files;
    std::string comment;
};

// Every entry read and checked. Throws BackupProblem naming what is wrong.
BackupRead readBackupZip(const std::string& path);

// The comment alone (what the backup holds), or empty when the file cannot be opened.
std::string backupComment(const std::string& path);

} // namespace kestrelon
