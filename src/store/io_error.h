#pragma once
// A file operation that failed, carrying exactly one of the system's messages:
// "Read beyond end of file", "File not found", "File access denied", "Disk full"
// or "I/O error %d: <the system's words>". The window that started the operation shows message()
// with the file.

#include <stdexcept>
#include <string>

namespace kestrelon {

class IoError : public std::runtime_error {
public:
    IoError(std::string message, std::string fileName, std::string path = {})
        : std::runtime_error(message), message_(std::move(message)), fileName_(std::move(fileName)),
          path_(std::move(path)) {}

    const std::string& message() const { return message_; }
    // The name the operation was given: inside the folder it worked in, or a full name.
    const std::string& fileName() const { return fileName_; }
    // The file's full name where the operation knew its folder, else fileName().
    const std::string& path() const { return path_.empty() ? fileName_ : path_; }

    static IoError readBeyondEnd(const std::string& fileName, const std::string& path = {});
    // Maps a system error number to its message ("I/O error %d: " and the system's words for the
    // rest).
    static IoError fromErrno(int error, const std::string& fileName, const std::string& path = {});

private:
    std::string message_;
    std::string fileName_;
    std::string path_;
};

// How a file error is said (UTF-8): the system's message, then on its own line the file's full
// name, so that the user knows which file of which folder failed. A name without a folder
// belongs to `dataFolder`.
std::string fileErrorText(const IoError& error, const std::string& dataFolder);

} // namespace kestrelon
