#include "data_folder_upkeep.h"

#include "data_store.h"
#include "image_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace kestrelon {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 18> kTableNames = {
    files::kFirms,      files::kFirmsDeleted, files::kClients,      files::kClientsDeleted,
    files::kAgent,      files::kWindowState,  files::kColumnWidths, files::kFunctions,
    files::kLogo,       files::kGlobe,        files::kMailFolder,   files::kPdfFolder,
    files::kSyncFolder, files::kPrincipal,    files::kEdo,          files::kEdoFolder,
};

// Reports, price-list images and texts, requisites cards: the extensions the program writes,
// in any letter case (a name the user typed keeps the case typed).
constexpr std::array<std::string_view, 3> kSavedExtensions = {".rep", ".trf", ".txt"};

bool endsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() <= tail.size()) {
        return false;
    }
    const std::string_view end = text.substr(text.size() - tail.size());
    return std::equal(end.begin(), end.end(), tail.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

bool isSavedFileName(std::string_view name) {
    return std::find(kTableNames.begin(), kTableNames.end(), name) != kTableNames.end() ||
           std::any_of(kSavedExtensions.begin(), kSavedExtensions.end(),
                       [&](std::string_view ext) { return endsWithIgnoringCase(name, ext); });
}

// A save of another running process, one that writes a price list into this folder from its
// own, must not lose its temporary file half-way.
bool processRuns(long pid) {
    if (pid == static_cast<long>(::getpid())) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

bool dataFolderTakesSaves(const std::string& folder) {
    return folderTakesSaves(folder, files::kWindowState);
}

std::string unwritableDataFolderMessage(const std::string& folder) {
    // The folder as users write it, without the separator the program keeps after it.
    const bool separated = folder.size() > 1 && folder.back() == '/';
    const std::string shown = separated ? folder.substr(0, folder.size() - 1) : folder;
    return "Папка данных недоступна для записи: " + shown + "; изменения не будут сохранены";
}

bool isLeftoverTemporary(const std::string& fileName) {
    const auto name = parseTemporaryImageName(fileName);
    return name && isSavedFileName(name->saved) && !processRuns(name->pid);
}

std::vector<IoError> removeLeftoverTemporaries(const std::string& folder) {
    std::vector<IoError> failures;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!isLeftoverTemporary(name) || !it->is_regular_file(typeError) ||
            it->is_symlink(typeError)) {
            continue;
        }
        const std::string path = folder + name;
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
            failures.push_back(IoError::fromErrno(errno, name, path));
        }
    }
    if (ec) {
        failures.push_back(IoError::fromErrno(ec.value() != 0 ? ec.value() : EIO, folder));
    }
    return failures;
}

std::string leftoverRemovalMessage(const std::vector<IoError>& failures) {
    std::string text = "Не удалось удалить временные файлы прерванных сохранений:";
    for (const IoError& failure : failures) {
        text += "\n" + failure.message() + "\n" + failure.path();
    }
    return text;
}

} // namespace kestrelon
