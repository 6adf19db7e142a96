#pragma once
// One running copy per data folder: two copies would overwrite each other's saves. The lock
// is an flock on a file in the folder, which the kernel drops when its holder dies, so the
// lock of a killed copy is taken over by the next start.

#include <string>

namespace kestrelon {

class DataFolderLock {
public:
    static constexpr const char* kFileName = ".kestrelon.lock";
    // Shown (UTF-8) by a copy that finds the folder taken.
    static constexpr const char* kHeldElsewhereMessage =
        "Программа уже запущена с этой папкой данных";

    // Tries to take the lock of `folder` (with its trailing separator) without waiting.
    explicit DataFolderLock(const std::string& folder);
    // Gives the lock up and removes its file, so a closed program leaves the folder as it was.
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Another running copy holds the folder; this one must end without touching any file.
    bool heldElsewhere() const { return heldElsewhere_; }
    // This copy holds the folder. Neither flag is set when the lock file can neither be made
    // nor opened (a read-only folder without one): then nothing can be saved there anyway.
    bool held() const { return fd_ >= 0; }

private:
    std::string path_;
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

} // namespace kestrelon
