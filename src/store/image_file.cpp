#include "image_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrelon {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Closes a descriptor on every way out of a save.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, returning the error number of a failed close (0 when it succeeded).
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Enough tries to pass any number of leftovers a run of killed saves can leave.
constexpr int kTemporaryAttempts = 1000;

// The rename needs only the folder's permission, so a file the user made read-only would
// be replaced silently. Root passes every access() check; for it a file without any write
// bit counts as read-only.
bool targetRefusesWriting(const std::string& path, const struct stat& target) {
    if ((target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return true;
    }
    return ::geteuid() != 0 && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EPERM || errno == EROFS);
}

// Creates a temporary file of a name no one else uses; a leftover of a killed save (a file
// or even a folder of that name) is passed over.
int createTemporary(const std::string& path, std::string& temporary) {
    const long pid = static_cast<long>(::getpid());
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        temporary = temporaryImageName(path, pid, attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Digits as std::to_string writes them: no sign, no leading zero, at most `maxDigits`.
std::optional<unsigned long> canonicalNumber(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits || (digits.size() > 1 && digits[0] == '0')) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    return value;
}

bool writeWhole(int fd, const void* image, std::size_t size) {
    const auto* bytes = static_cast<const char*>(image);
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::string temporaryImageName(const std::string& path, long pid, int attempt) {
    return path + ".~" + std::to_string(pid) + "-" + std::to_string(attempt);
}

std::optional<TemporaryName> parseTemporaryImageName(std::string_view fileName) {
    const std::size_t mark = fileName.rfind(".~");
    if (mark == std::string_view::npos || mark == 0) {
        return std::nullopt;
    }
    const std::string_view numbers = fileName.substr(mark + 2);
    const std::size_t dash = numbers.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto pid = canonicalNumber(numbers.substr(0, dash), 10);
    const auto attempt = canonicalNumber(numbers.substr(dash + 1), 3);
    if (!pid || *pid == 0 || !attempt ||
        *attempt >= static_cast<unsigned long>(kTemporaryAttempts)) {
        return std::nullopt;
    }
    return TemporaryName{std::string(fileName.substr(0, mark)), static_cast<long>(*pid)};
}

void syncFolder(const std::string& folder) {
    const std::string name = folder.empty() ? std::string(".") : folder;
    Descriptor fd(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        throw IoError::fromErrno(errno, folder);
    }
    // Some file systems cannot sync a folder at all; their renames are not at risk.
    if (::fsync(fd.get()) != 0 && errno != EINVAL) {
        throw IoError::fromErrno(errno, folder);
    }
}

bool loadImageBytes(const std::string& folder, const std::string& name, void* image,
                    std::size_t size) {
    const std::string path = folder + name;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        return false;
    }
    errno = 0;
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw IoError::fromErrno(errno, name, path);
    }
    const std::size_t got = std::fread(image, 1, size, file.get());
    if (got < size) {
        if (std::ferror(file.get())) {
            throw IoError::fromErrno(errno, name, path);
        }
        throw IoError::readBeyondEnd(name, path);
    }
    return true;
}

std::string writeTemporaryBeside(const std::string& path, const std::string& name,
                                 const void* bytes, std::size_t size) {
    struct stat target {};
    const bool replacing = ::stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode);
    if (replacing && targetRefusesWriting(path, target)) {
        throw IoError::fromErrno(EACCES, name, path);
    }
    std::string temporary;
    Descriptor fd(createTemporary(path, temporary));
    if (fd.get() < 0) {
        throw IoError::fromErrno(errno, name, path);
    }
    // The new file takes the old one's permission bits, so a save never widens or narrows
    // who may read the data.
    const bool written = writeWhole(fd.get(), bytes, size) &&
                         (!replacing || ::fchmod(fd.get(), target.st_mode & 07777) == 0) &&
                         ::fsync(fd.get()) == 0;
    const int writeError = written ? 0 : errno;
    const int closeError = fd.close();
    if (!written || closeError != 0) {
        const int error = written ? closeError : writeError;
        ::unlink(temporary.c_str());
        throw IoError::fromErrno(error == 0 ? EIO : error, name, path);
    }
    return temporary;
}

void saveImageBytes(const std::string& folder, const std::string& name, const void* image,
                    std::size_t size) {
    const std::string path = folder + name;
    const std::string temporary = writeTemporaryBeside(path, name, image, size);
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw IoError::fromErrno(error, name, path);
    }
    // The rename lives in the folder; without this a power cut can bring back the old file.
    try {
        syncFolder(std::filesystem::path(path).parent_path().string());
    } catch (const IoError& error) {
        throw IoError(error.message(), name, path);
    }
}

bool folderTakesSaves(const std::string& folder, const std::string& name) {
    std::string temporary;
    Descriptor fd(createTemporary(folder + name, temporary));
    if (fd.get() < 0) {
        return false;
    }
    // One byte, so that a full disk counts as well as a folder that refuses new files.
    const bool written = writeWhole(fd.get(), "\0", 1);
    fd.close();
    const bool removed = ::unlink(temporary.c_str()) == 0;
    return written && removed;
}

} // namespace kestrelon
