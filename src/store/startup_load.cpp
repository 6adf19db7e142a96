#include "startup_load.h"

#include "image_file.h"
#include "slot_table.h"

namespace kestrelon {
namespace {

constexpr std::size_t kMaxDataFolderChars = 255;

// Cuts a UTF-8 text after `limit` characters without splitting one.
std::string cutCharacters(const std::string& text, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == limit) {
                return text.substr(0, i);
            }
            ++chars;
        }
    }
    return text;
}

} // namespace

std::string dataFolderFromExecutable(const std::filesystem::path& executable) {
    std::string folder = executable.parent_path().string();
    // A bare file name has no folder part; adding a separator would make it the root folder.
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return cutCharacters(folder, kMaxDataFolderChars);
}

std::string dataFolderFromChosen(const std::filesystem::path& folder) {
    std::string chosen = std::filesystem::absolute(folder).lexically_normal().string();
    if (chosen.empty() || chosen.back() != '/') {
        chosen += '/';
    }
    return cutCharacters(chosen, kMaxDataFolderChars);
}

std::string shippedFileFolder(const DataStore& store, const std::string& name) {
    std::error_code ignored;
    if (store.ProgramFolder.empty() || std::filesystem::exists(store.DataFolder + name, ignored)) {
        return store.DataFolder;
    }
    return store.ProgramFolder;
}

void LoadFunctionTable(DataStore& store) {
    for (std::size_t i = 0; i < 8; ++i) {
        store.EditedFunction.Thresholds[i] = static_cast<std::uint32_t>(100 * i);
        store.EditedFunction.Rates[i] = 100;
    }
    store.FunctionCount = 0;
    if (loadImage(store.DataFolder, files::kFunctions, store.Functions)) {
        store.FunctionCount = countSlots(store.Functions);
    }
}

void loadStartupTables(DataStore& store) {
    LoadFunctionTable(store);

    loadImage(store.DataFolder, files::kClients, store.Clients);
    store.ClientCount = countSlots(store.Clients);
    loadImage(store.DataFolder, files::kClientsDeleted, store.ClientsDel);
    store.DeletedClientCount = countSlots(store.ClientsDel);

    loadImage(store.DataFolder, files::kWindowState, store.FormW);

    loadImage(store.DataFolder, files::kColumnWidths, store.ArCol);
    store.ArCol.sanitise();

    loadImage(store.DataFolder, files::kFirms, store.Firms);
    store.FirmCount = countSlots(store.Firms);
    loadImage(store.DataFolder, files::kFirmsDeleted, store.FirmsDel);
    store.DeletedFirmCount = countSlots(store.FirmsDel);

    store.TelFound = loadImage(shippedFileFolder(store, files::kLogo), files::kLogo, store.Tel);
    if (!loadImage(shippedFileFolder(store, files::kGlobe), files::kGlobe, store.Pixels)) {
        store.Pixels.count = 0;
    }
}

bool loadAgentContract(DataStore& store) {
    try {
        const bool found = loadImage(store.DataFolder, files::kAgent, store.Agent);
        // Without "Principal" the fixed INN names the principal, as it always did.
        loadImage(store.DataFolder, files::kPrincipal, store.PrincipalChoice);
        store.refreshFirmIndexes();
        return found;
    } catch (const IoError&) {
        store.refreshFirmIndexes();
        throw;
    }
}

} // namespace kestrelon
