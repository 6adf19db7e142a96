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

std::string loadMailFolder(const std::string& dataFolder) {
    FolderChoice choice;
    loadImage(dataFolder, files::kMailFolder, choice);
    return choice.path();
}

bool saveMailFolder(const std::string& dataFolder, std::string_view path) {
    FolderChoice choice;
    if (!choice.setPath(path)) {
        return false;
    }
    saveImage(dataFolder, files::kMailFolder, choice);
    return true;
}

} // namespace kestrelon
