#pragma once
// A file operation that failed, carrying exactly one of the system's messages:
// "Read beyond end of file", "File not found", "File access denied", "Disk full"
// or "I/O error %d". The window that started the operation shows message().

#include <stdexcept>
#include <string>

namespace kestrelon {

class IoError : public std::runtime_error {
public:
    IoError(std::string message, std::string fileName)
        : std::runtime_error(message), message_(std::move(message)),
          fileName_(std::move(fileName)) {}

    const std::string& message() const { return message_; }
    const std::string& fileName() const { return fileName_; }

    static IoError readBeyondEnd(const std::string& fileName);
    // Maps a system error number to its message ("I/O error %d" for the rest).
    static IoError fromErrno(int error, const std::string& fileName);

private:
    std::string message_;
    std::string fileName_;
};

} // namespace kestrelon
