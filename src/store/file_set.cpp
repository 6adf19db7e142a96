#include "file_set.h"

#include "image_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrelon {
namespace {

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::string folderOf(const std::string& path) {
    return std::filesystem::path(path).parent_path().string();
}

// What stands at a path: nothing, a plain file, or something else named for the message.
const char* entryKind(const std::string& path, bool& exists) {
    struct stat entry {};
    exists = ::lstat(path.c_str(), &entry) == 0;
    if (!exists || S_ISREG(entry.st_mode)) {
        return nullptr;
    }
    if (S_ISLNK(entry.st_mode)) {
        return "a symbolic link";
    }
    if (S_ISFIFO(entry.st_mode)) {
        return "a FIFO";
    }
    if (S_ISDIR(entry.st_mode)) {
        return "a folder";
    }
    return "not a plain file";
}

// One file on its way: its temporary, and the link that keeps the old file until all are in.
struct Staged {
    std::string path;
    std::string temporary;
    std::string kept; // empty when there was no old file or it could not be linked
    bool renamed = false;
};

void removeQuietly(const std::string& path) {
    if (!path.empty()) {
        ::unlink(path.c_str());
    }
}

// Puts every renamed file back as it was and removes what is left of the others.
void undo(std::vector<Staged>& staged) {
    for (Staged& s : staged) {
        if (s.renamed) {
            if (s.kept.empty() || std::rename(s.kept.c_str(), s.path.c_str()) != 0) {
                removeQuietly(s.path);
            }
            s.kept.clear();
        }
        removeQuietly(s.temporary);
        removeQuietly(s.kept);
    }
}

} // namespace

std::string notAPlainFileProblem(const std::string& path) {
    bool exists = false;
    const char* kind = entryKind(path, exists);
    if (kind == nullptr) {
        return {};
    }
    return "«" + path + "» is " + kind + ", not a file to replace; choose another name";
}

void saveFilesTogether(const std::vector<FileToWrite>& files) {
    for (const FileToWrite& f : files) {
        if (const std::string problem = notAPlainFileProblem(f.path); !problem.empty()) {
            throw IoError(problem, fileNameOf(f.path), f.path);
        }
    }
    std::vector<Staged> staged;
    try {
        for (const FileToWrite& f : files) {
            staged.push_back({f.path, {}, {}, false});
            staged.back().temporary =
                writeTemporaryBeside(f.path, fileNameOf(f.path), f.bytes.data(), f.bytes.size());
        }
    } catch (const IoError&) {
        undo(staged);
        throw;
    }
    // The old files stay reachable under a second name until every new one is in place.
    for (Staged& s : staged) {
        bool exists = false;
        entryKind(s.path, exists);
        if (exists) {
            const std::string kept = s.temporary + ".old";
            if (::link(s.path.c_str(), kept.c_str()) == 0) {
                s.kept = kept;
            }
        }
    }
    for (Staged& s : staged) {
        if (std::rename(s.temporary.c_str(), s.path.c_str()) != 0) {
            const int error = errno;
            undo(staged);
            throw IoError::fromErrno(error, fileNameOf(s.path), s.path);
        }
        s.renamed = true;
        s.temporary.clear();
    }
    for (Staged& s : staged) {
        removeQuietly(s.kept);
    }
    for (const Staged& s : staged) {
        try {
            syncFolder(folderOf(s.path));
        } catch (const IoError& error) {
            throw IoError(error.message(), fileNameOf(s.path), s.path);
        }
    }
}

} // namespace kestrelon
