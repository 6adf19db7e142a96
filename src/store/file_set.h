#pragma once
// Files the user asked for, written as one: every file complete on the disk before any takes
// its name, and what was there before kept when one cannot be written.

#include "io_error.h"

#include <string>
#include <vector>

namespace kestrelon {

struct FileToWrite {
    std::string path;  // the full name the file is to have
    std::string bytes; // its whole content
};

// Refuses, before anything is written, a path whose entry is not a plain file (a symbolic
// link, a FIFO, a folder, a device): it was not chosen to be replaced by one. Then writes every
// file to a temporary name beside its own (checked, synced, closed) and renames them into place
// one after the other. A failure before the renames leaves every old file (or none) and no
// temporary; a rename failing part way puts the files already renamed back as they were.
// Throws IoError naming the path that failed.
void saveFilesTogether(const std::vector<FileToWrite>& files);

// The message of the refusal of a path that is not a plain file, e.g. "«out.pdf» is a symbolic
// link; choose another name" (English: the command line's language), empty when it is one or
// does not exist.
std::string notAPlainFileProblem(const std::string& path);

} // namespace kestrelon
