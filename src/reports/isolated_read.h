#pragma once
// Reading a file from outside in a child process of its own. The libraries that read
// spreadsheet files are not ours to mend, and a file can be damaged in a way that makes one of
// them crash, run out of memory or never finish: in a child process that costs the one file,
// not the program and the user's unsaved work.

#include "sheet_text.h"

#include <chrono>
#include <functional>

namespace kestrelon {

struct IsolatedRead {
    SheetText result;
    // Empty when `read` finished; else what stopped it (cp1251), and result is empty.
    std::string stopped;
};

// Runs `read` in a forked child and hands back what it gave. The child may use a gigabyte of
// memory more than this process and `timeout` of time; a crash, an exhausted memory or the time
// running out stop it and are told in `stopped`.
IsolatedRead readIsolated(const std::function<SheetText()>& read,
                          std::chrono::milliseconds timeout = std::chrono::seconds(30));

} // namespace kestrelon
