#include "backup_folder.h"

#include "backup_state.h"
#include "backup_zip.h"
#include "store/folder_choice.h"
#include "store/image_file.h"
#include "store/io_error.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kKeptNewest = 20;
constexpr int kKeptMonths = 24;
constexpr const char* kPrefix = "kestrelon-";
constexpr const char* kUnfinished = ".part";

std::string withSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

void syncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        throw IoError::fromErrno(error, fs::path(path).filename().string(), path);
    }
    ::close(fd);
}

void removeUnfinished(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) == 0 && name.size() > std::string(kUnfinished).size() &&
            name.compare(name.size() - 5, 5, kUnfinished) == 0) {
            fs::remove(entry.path(), ec);
        }
    }
}

} // namespace

BackupMoment backupMomentNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            local.tm_hour,
            local.tm_min,
            std::min(local.tm_sec, 59)};
}

std::string defaultBackupFolder(const std::string& dataFolder) {
    std::string folder = dataFolder;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder + ".backups/";
}

std::string backupFolderOf(const std::string& dataFolder) {
    std::string chosen;
    try {
        chosen = loadFolder(dataFolder, FolderKind::Backup);
    } catch (const IoError&) {
        // A damaged choice: the backups go where they go by default.
    }
    return chosen.empty() ? defaultBackupFolder(dataFolder) : withSeparator(chosen);
}

void chooseBackupFolder(const std::string& dataFolder, const std::string& backupFolder) {
    saveFolder(dataFolder, FolderKind::Backup, backupFolder);
}

std::string backupFileName(const BackupMoment& moment) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%04d-%02d-%02d-%02d%02d%02d.zip", kPrefix, moment.day.year,
                  moment.day.month, moment.day.day, moment.hour, moment.minute, moment.second);
    return name;
}

std::optional<BackupMoment> momentOfBackup(const std::string& fileName) {
    BackupMoment m;
    char tail[8] = {};
    const int read =
        std::sscanf(fileName.c_str(), "kestrelon-%4d-%2d-%2d-%2d%2d%2d%7s", &m.day.year,
                    &m.day.month, &m.day.day, &m.hour, &m.minute, &m.second, tail);
    if (read != 7 || std::string(tail) != ".zip" || fileName != backupFileName(m)) {
        return std::nullopt;
    }
    return m;
}

std::vector<BackupFile> listBackups(const std::string& backupFolder) {
    std::vector<BackupFile> backups;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(backupFolder, ec)) {
        const std::string name = entry.path().filename().string();
        const auto moment = momentOfBackup(name);
        std::error_code typeError;
        if (!moment || !entry.is_regular_file(typeError)) {
            continue;
        }
        BackupFile file{entry.path().string(), name, *moment, entry.file_size(typeError), {}};
        file.contents = backupComment(file.path);
        backups.push_back(std::move(file));
    }
    std::sort(backups.begin(), backups.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.moment.order() > b.moment.order();
    });
    return backups;
}

std::vector<std::string> backupsToPrune(const std::vector<BackupFile>& backups,
                                        const BackupMoment& now) {
    // `backups` newest first: the first of each month met is that month's newest.
    std::map<int, bool> monthKept;
    std::vector<std::string> pruned;
    for (std::size_t i = 0; i < backups.size(); ++i) {
        const CalendarDay& day = backups[i].moment.day;
        const int month = day.year * 12 + day.month - 1;
        const int age = (now.day.year * 12 + now.day.month - 1) - month;
        const bool newestOfMonth = age < kKeptMonths && !monthKept[month];
        if (age < kKeptMonths) {
            monthKept[month] = true;
        }
        if (i >= kKeptNewest && !newestOfMonth) {
            pruned.push_back(backups[i].path);
        }
    }
    return pruned;
}

BackupOutcome makeBackup(const std::string& dataFolder, const std::string& backupFolder,
                         const BackupMoment& now, bool evenWhenUnchanged) {
    const std::vector<NamedBytes> files = readFolderFiles(dataFolder);
    const std::string state = fingerprint(files);
    if (!evenWhenUnchanged && lastBackedUpState(backupFolder) == state) {
        return {};
    }
    std::error_code ec;
    fs::create_directories(backupFolder, ec);
    if (ec) {
        throw IoError::fromErrno(ec.value(), backupFolder, backupFolder);
    }
    removeUnfinished(backupFolder);
    BackupMoment moment = now;
    std::string path = backupFolder + backupFileName(moment);
    while (fs::exists(path, ec)) {
        // Two backups in one second: the second is counted a second later.
        ++moment.second;
        path = backupFolder + backupFileName(moment);
    }
    const std::string unfinished = path + kUnfinished;
    try {
        writeBackupZip(unfinished, files, contentsText(files));
        syncFile(unfinished);
        const BackupRead back = readBackupZip(unfinished);
        if (back.files.size() != files.size() ||
            !std::equal(files.begin(), files.end(), back.files.begin(),
                        [](const NamedBytes& a, const NamedBytes& b) {
                            return a.name == b.name && a.bytes == b.bytes;
                        })) {
            throw BackupProblem("записанный архив не совпадает с папкой данных");
        }
        if (std::rename(unfinished.c_str(), path.c_str()) != 0) {
            throw IoError::fromErrno(errno, fs::path(path).filename().string(), path);
        }
    } catch (...) {
        fs::remove(unfinished, ec);
        throw;
    }
    syncFolder(backupFolder);
    rememberBackedUpState(backupFolder, state);
    for (const std::string& old : backupsToPrune(listBackups(backupFolder), now)) {
        fs::remove(old, ec);
    }
    return {true, path};
}

} // namespace kestrelon
