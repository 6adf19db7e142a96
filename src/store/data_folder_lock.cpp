#include "data_folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrelon {
namespace {

// The file a descriptor is open on is still the one the path names: a closing copy removes
// the lock file while it holds the lock, and whoever locked the removed file must try again.
bool stillNamed(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

DataFolderLock::DataFolderLock(const std::string& folder) : path_(folder + kFileName) {
    for (;;) {
        int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            // In a folder the user may not write to, an existing lock still tells of a copy.
            fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) {
                return;
            }
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            heldElsewhere_ = errno == EWOULDBLOCK;
            ::close(fd);
            return;
        }
        if (stillNamed(fd, path_)) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
}

DataFolderLock::~DataFolderLock() {
    if (fd_ >= 0) {
        ::unlink(path_.c_str());
        ::close(fd_);
    }
}

} // namespace kestrelon
