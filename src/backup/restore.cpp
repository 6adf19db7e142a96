#include "restore.h"

#include "backup_state.h"
#include "backup_zip.h"
#include "store/image_file.h"
#include "store/io_error.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

constexpr const char* kJournal = ".kestrelon-restore";
// Made when a restore begins and replaced by the journal before it is committed: a start that
// finds it clears what the restore left, and a start that finds neither has nothing to clear.
constexpr const char* kJournalUnfinished = ".kestrelon-restore.new";
constexpr const char* kTemporaryPrefix = ".kestrelon-restore-";

// Writes the bytes whole and on the disk. Throws IoError.
void writeSynced(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw IoError::fromErrno(errno, fs::path(path).filename().string(), path);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            const int error = wrote < 0 ? errno : ENOSPC;
            ::close(fd);
            throw IoError::fromErrno(error, fs::path(path).filename().string(), path);
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        throw IoError::fromErrno(errno, fs::path(path).filename().string(), path);
    }
}

// The unfinished journal goes last: while it is there the next start clears again.
void clearUnfinished(const std::string& dataFolder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dataFolder, ec)) {
        if (entry.path().filename().string().rfind(kTemporaryPrefix, 0) == 0) {
            fs::remove(entry.path(), ec);
        }
    }
    fs::remove(dataFolder + kJournalUnfinished, ec);
}

// Puts the journal's files in place: each step may be done again after a kill.
void applyJournal(const std::string& dataFolder, const std::string& journal) {
    std::istringstream lines(journal);
    std::string line;
    while (std::getline(lines, line)) {
        const auto blank = line.find(' ');
        if (blank == std::string::npos) {
            continue;
        }
        const std::string what = line.substr(0, blank);
        const std::string name = line.substr(blank + 1);
        if (!belongsInBackup(name)) {
            continue;
        }
        const std::string target = dataFolder + name;
        if (what == "write") {
            const std::string temporary = dataFolder + kTemporaryPrefix + name;
            if (fs::exists(temporary) && std::rename(temporary.c_str(), target.c_str()) != 0) {
                throw IoError::fromErrno(errno, name, target);
            }
        } else if (what == "remove") {
            if (std::remove(target.c_str()) != 0 && errno != ENOENT) {
                throw IoError::fromErrno(errno, name, target);
            }
        }
    }
    syncFolder(dataFolder);
    if (std::remove((dataFolder + kJournal).c_str()) != 0 && errno != ENOENT) {
        throw IoError::fromErrno(errno, kJournal, dataFolder + kJournal);
    }
    syncFolder(dataFolder);
}

} // namespace

void finishInterruptedRestore(const std::string& dataFolder) {
    // At every start: two lookups when no restore was cut short.
    std::error_code ec;
    const bool committed = fs::exists(dataFolder + kJournal, ec);
    if (!committed && !fs::exists(dataFolder + kJournalUnfinished, ec)) {
        return;
    }
    if (committed) {
        errno = 0;
        std::ifstream in(dataFolder + kJournal, std::ios::binary);
        if (!in) {
            throw IoError::fromErrno(errno != 0 ? errno : EIO, kJournal, dataFolder + kJournal);
        }
        const std::string journal((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
        applyJournal(dataFolder, journal);
    }
    clearUnfinished(dataFolder);
}

RestoreOutcome restoreBackup(const std::string& dataFolder, const std::string& backupFolder,
                             const std::string& backupPath, const BackupMoment& now) {
    // Refused before anything changes when it does not read back whole.
    const BackupRead backup = readBackupZip(backupPath);
    RestoreOutcome outcome;
    outcome.backupOfBefore = makeBackup(dataFolder, backupFolder, now).path;
    outcome.files = backup.files.size();

    finishInterruptedRestore(dataFolder);
    writeSynced(dataFolder + kJournalUnfinished, std::string());
    syncFolder(dataFolder);
    std::set<std::string> restored;
    std::string journal;
    for (const NamedBytes& file : backup.files) {
        writeSynced(dataFolder + kTemporaryPrefix + file.name, file.bytes);
        restored.insert(file.name);
        journal += "write " + file.name + '\n';
    }
    for (const NamedBytes& present : readFolderFiles(dataFolder)) {
        if (restored.count(present.name) == 0) {
            journal += "remove " + present.name + '\n';
        }
    }
    // The commit: from here the next start finishes what a kill cuts short.
    writeSynced(dataFolder + kJournalUnfinished, journal);
    syncFolder(dataFolder);
    if (std::rename((dataFolder + kJournalUnfinished).c_str(), (dataFolder + kJournal).c_str()) !=
        0) {
        const int error = errno;
        clearUnfinished(dataFolder);
        throw IoError::fromErrno(error, kJournal, dataFolder + kJournal);
    }
    syncFolder(dataFolder);
    applyJournal(dataFolder, journal);
    rememberBackedUpState(backupFolder, fingerprint(backup.files));
    return outcome;
}

} // namespace kestrelon
