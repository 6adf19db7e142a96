#pragma once
// Reading a file from outside in a child process of its own. The libraries that read
// spreadsheet files are not ours to mend, and a file can be damaged in a way that makes one of
// them crash, run out of memory or never finish: in a child process that costs the one file,
// not the program and the user's unsaved work.

#include "sheet_text.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

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

// The steps of readIsolated, for a child that reads one file after another (the fuzz targets
// keep one up): the same limits, and the same words for what stops it.

// Makes the calling process, just forked, a reading child: a crash stops it at once, without
// the handlers its parent set, and it may use a gigabyte of memory more than it has now.
void becomeReadingChild();

// What `read` gives, as the child hands it back: 'T' and the text, 'M' and the message, or
// 'X' when an exception stopped it.
std::string childReply(const std::function<SheetText()>& read);

// The child's reply read back; an 'X', or nothing when the child ended first, is a stopped read.
IsolatedRead fromChildReply(std::string_view reply);

// What stopped a child that ended with `waitStatus` (as waitpid gives it) before it replied.
std::string childStopped(int waitStatus);

// What stopped a child that was still reading after `timeout`.
std::string readTimedOut(std::chrono::milliseconds timeout);

} // namespace kestrelon
