#include "image_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace kestrelon {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

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
        throw IoError::fromErrno(errno, name);
    }
    const std::size_t got = std::fread(image, 1, size, file.get());
    if (got < size) {
        if (std::ferror(file.get())) {
            throw IoError::fromErrno(errno, name);
        }
        throw IoError::readBeyondEnd(name);
    }
    return true;
}

void saveImageBytes(const std::string& folder, const std::string& name, const void* image,
                    std::size_t size) {
    const std::string path = folder + name;
    const std::string temporary = path + ".~save";
    errno = 0;
    std::FILE* raw = std::fopen(temporary.c_str(), "wb");
    if (!raw) {
        throw IoError::fromErrno(errno, name);
    }
    FileHandle file(raw);
    const bool written = std::fwrite(image, 1, size, raw) == size && std::fflush(raw) == 0 &&
                         ::fsync(::fileno(raw)) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        std::remove(temporary.c_str());
        throw IoError::fromErrno(error == 0 ? EIO : error, name);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        throw IoError::fromErrno(error, name);
    }
}

} // namespace kestrelon
