#pragma once
// The folders last chosen for each kind of file the report windows write or read, kept across
// runs as the window sizes are: one whole-image file of the data folder per kind, written
// through a temporary file when the user chooses a folder. "Отправить" keeps the folder of the
// documents it sends ("MailFolder"), "PDF" the folder of the last document saved ("PdfFolder"),
// the report list's "Sync" the folder it copies reports to and from ("SyncFolder"), "ЭДО" the
// folder of the documents for the EDO operator ("EdoFolder"), "Платежка" the folder of the
// payment orders ("PaymentFolder"), the import's "Open" the folder of the last register opened
// ("RegisterFolder"), the year's summary the folder it was last saved to ("SummaryFolder"), the
// backups the folder chosen for them ("BackupFolder"). A path is
// kept as the file system names it (UTF-8), not as cp1251, so that a folder of any name is
// found again.

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

enum class FolderKind { Mail, Pdf, Sync, Edo, Payment, Register, Summary, Backup };

// The name of the kind's file in the data folder.
const char* folderFileName(FolderKind kind);

// The folder kept for the kind in the data folder, empty when it keeps none. Throws IoError.
std::string loadFolder(const std::string& dataFolder, FolderKind kind);

// Keeps `path` for the kind; false when it is too long to keep. Throws IoError when the file
// cannot be written.
bool saveFolder(const std::string& dataFolder, FolderKind kind, std::string_view path);

// The folder of "Отправить".
inline std::string loadMailFolder(const std::string& dataFolder) {
    return loadFolder(dataFolder, FolderKind::Mail);
}
inline bool saveMailFolder(const std::string& dataFolder, std::string_view path) {
    return saveFolder(dataFolder, FolderKind::Mail, path);
}

} // namespace kestrelon
