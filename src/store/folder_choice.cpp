#include "folder_choice.h"

#include "data_store.h"
#include "image_file.h"

namespace kestrelon {

std::string FolderChoice::path() const {
    const std::size_t size = length.get();
    return size <= kCapacity ? std::string(bytes.data(), size) : std::string();
}

bool FolderChoice::setPath(std::string_view path) {
    if (path.size() > kCapacity) {
        return false;
    }
    bytes.fill('\0');
    path.copy(bytes.data(), path.size());
    length = static_cast<std::uint16_t>(path.size());
    return true;
}

const char* folderFileName(FolderKind kind) {
    switch (kind) {
    case FolderKind::Mail:
        return files::kMailFolder;
    case FolderKind::Pdf:
        return files::kPdfFolder;
    case FolderKind::Sync:
        return files::kSyncFolder;
    case FolderKind::Edo:
        return files::kEdoFolder;
    case FolderKind::Payment:
        return files::kPaymentFolder;
    case FolderKind::Register:
        return files::kRegisterFolder;
    case FolderKind::Summary:
        return files::kSummaryFolder;
    case FolderKind::Backup:
        return files::kBackupFolder;
    }
    return files::kMailFolder;
}

std::string loadFolder(const std::string& dataFolder, FolderKind kind) {
    FolderChoice choice;
    loadImage(dataFolder, folderFileName(kind), choice);
    return choice.path();
}

bool saveFolder(const std::string& dataFolder, FolderKind kind, std::string_view path) {
    FolderChoice choice;
    if (!choice.setPath(path)) {
        return false;
    }
    saveImage(dataFolder, folderFileName(kind), choice);
    return true;
}

} // namespace kestrelon
