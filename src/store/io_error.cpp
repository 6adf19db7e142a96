#include "io_error.h"

#include <cstring>

#include <cerrno>

namespace kestrelon {

IoError IoError::readBeyondEnd(const std::string& fileName, const std::string& path) {
    return IoError("Read beyond end of file", fileName, path);
}

IoError IoError::fromErrno(int error, const std::string& fileName, const std::string& path) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return IoError("File not found", fileName, path);
    case EACCES:
    case EPERM:
    case EROFS:
        return IoError("File access denied", fileName, path);
    case ENOSPC:
    case EDQUOT:
        return IoError("Disk full", fileName, path);
    default:
        // The number as it always was, and what the system calls it, for the user to act on.
        return IoError("I/O error " + std::to_string(error) + ": " + std::strerror(error), fileName,
                       path);
    }
}

std::string fileErrorText(const IoError& error, const std::string& dataFolder) {
    const std::string& path = error.path();
    const std::string full = !path.empty() && path.front() == '/' ? path : dataFolder + path;
    return error.message() + "\n" + full;
}

} // namespace kestrelon
