#pragma once
// The files of a data folder that a backup holds: its tables and side files, its reports
// (*.rep) and deleted reports (*.rdel). Not the lock, not the leftovers of killed saves or
// restores, nothing else a user put there.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct NamedBytes {
    std::string name; // as the file system names it
    std::string bytes;
};

bool belongsInBackup(std::string_view name);

// Every such file of the folder, read whole, in name order. Throws IoError.
std::vector<NamedBytes> readFolderFiles(const std::string& folder);

// "name size crc32" a line per file: what the folder holds, for telling whether it changed.
std::string fingerprint(const std::vector<NamedBytes>& files);

// "организаций: 2, договоров: 3, отчетов: 600, последний отчет — Март 2013" (UTF-8).
std::string contentsText(const std::vector<NamedBytes>& files);

} // namespace kestrelon
