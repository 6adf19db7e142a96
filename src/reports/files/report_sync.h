#pragma once
// The report list's "Sync": report files are copied both ways between the data folder and a
// folder the user chose, matched by name only and never overwritten.

#include <cstddef>
#include <string>

namespace kestrelon {

struct SyncResult {
    std::size_t copiedOut = 0; // data folder -> other folder
    std::size_t errorsOut = 0;
    std::size_t copiedIn = 0; // other folder -> data folder
    std::size_t errorsIn = 0;
    std::string message; // six lines joined by CR LF (cp1251)

    // Files came in: the report list must be scanned again.
    bool rescanNeeded() const { return copiedIn > 0; }
};

// First every "*.rep" file of the data folder missing (by name) from the other folder is
// copied there, then every one of the other folder missing from the data folder is copied
// in, whatever its size. Both folders are UTF-8 paths ending in a separator. Throws IoError
// only when a folder cannot be listed.
SyncResult SyncReports(const std::string& dataFolder, const std::string& otherFolder);

} // namespace kestrelon
