#pragma once
// The "*.rep" files of a folder, as the scan and the two-way copy see them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Names ending in ".rep" in any letter case: files copied from Windows may carry ".REP".
bool hasReportExtension(std::string_view name);

struct FolderFile {
    std::string name; // as the file system gives it (UTF-8)
    std::uintmax_t size = 0;
};

// The regular files of the folder whose names end in ".rep", in the order the file system
// lists them. Throws IoError when the folder cannot be listed.
std::vector<FolderFile> listReportFiles(const std::string& folder);

} // namespace kestrelon
