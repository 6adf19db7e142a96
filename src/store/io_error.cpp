#include "io_error.h"

#include <cerrno>

namespace kestrelon {

IoError IoError::readBeyondEnd(const std::string& fileName) {
    return IoError("Read beyond end of file", fileName);
}

IoError IoError::fromErrno(int error, const std::string& fileName) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return IoError("File not found", fileName);
    case EACCES:
    case EPERM:
    case EROFS:
        return IoError("File access denied", fileName);
    case ENOSPC:
    case EDQUOT:
        return IoError("Disk full", fileName);
    default:
        return IoError("I/O error " + std::to_string(error), fileName);
    }
}

} // namespace kestrelon
