#pragma once
// The folder last chosen for the documents that "Отправить" sends ("MailFolder"), kept across
// runs as the window sizes are: a whole-image file of the data folder, written when the user
// chooses a folder. The path is kept as the file system names it (UTF-8), not as cp1251, so
// that a folder of any name is found again.

#include "le.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelon {

struct FolderChoice {
    static constexpr std::size_t kCapacity = 4094;
    LeU16 length{};
    std::array<char, kCapacity> bytes{};

    // Empty when none was chosen. A length past the capacity (a damaged file) reads as none:
    // a cut path would name another folder.
    std::string path() const;
    // False, leaving the choice as it was, for a path longer than the capacity.
    bool setPath(std::string_view path);
};
static_assert(sizeof(FolderChoice) == 4096);

// The folder kept in the data folder (with its trailing separator), empty when it keeps none.
// Throws IoError.
std::string loadMailFolder(const std::string& dataFolder);

// Keeps `path`; false when it is too long to keep. Throws IoError when the file cannot be
// written.
bool saveMailFolder(const std::string& dataFolder, std::string_view path);

} // namespace kestrelon
