// The data folder's tables: any file content loads, the lookups keep to the loaded tables,
// and every table the program saves comes back byte for byte (the column widths after their
// sanitising, which a second load keeps). The first byte chooses the table; the rest is the
// start of its file, filled up with zeros to the table's size.
#include "fuzz_check.h"
#include "store/data_store.h"
#include "store/startup_load.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace kestrelon;
using fuzz::require;

namespace {

struct TableFile {
    const char* name;
    std::size_t size;
};

constexpr std::array<TableFile, 9> kTables{{
    {files::kFirms, sizeof(FirmTable)},
    {files::kFirmsDeleted, sizeof(FirmTable)},
    {files::kClients, sizeof(ClientTable)},
    {files::kClientsDeleted, sizeof(ClientTable)},
    {files::kAgent, sizeof(AgentRecord)},
    {files::kWindowState, sizeof(WindowState)},
    {files::kColumnWidths, sizeof(ColumnWidths)},
    {files::kFunctions, sizeof(FunctionTable)},
    {files::kGlobe, sizeof(GlobePixels)},
}};

const std::string& folder() {
    return fuzz::scratchFolder();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void clearFolder() {
    for (const TableFile& table : kTables) {
        std::filesystem::remove(folder() + table.name);
    }
}

void load(DataStore& store) {
    store.DataFolder = folder();
    loadStartupTables(store);
    loadAgentContract(store);
}

void lookUp(const DataStore& store) {
    require(store.FirmCount <= store.Firms.size(), "the organization count fits the table");
    require(store.ClientCount <= store.Clients.size(), "the contract count fits the table");
    require(store.FunctionCount <= store.Functions.size(), "the function count fits the table");
    for (std::size_t i = 0; i < store.FirmCount; ++i) {
        const int found = store.findFirmByInn(store.Firms[i].Inn.view());
        require(found >= 0 && static_cast<std::size_t>(found) <= i, "a firm is found by its INN");
        require(store.Firms[found].Inn.view() == store.Firms[i].Inn.view(), "the INN matches");
    }
    for (const int index : {store.PrincipalFirmIndex, store.AgentFirmIndex}) {
        require(index >= -1 && index < static_cast<int>(store.FirmCount),
                "a derived index names an active organization");
    }
    require(store.Pixels.usedCount() <= GlobePixels::kCapacity, "the globe keeps to its table");
}

void saveAll(const DataStore& store) {
    store.SaveFileFirm();
    store.SaveFileFirmDel();
    store.SaveFileClient();
    store.SaveFileClientDel();
    store.SaveFileAgent();
    store.SaveFileForm();
    store.SaveFileCol();
    store.SaveFileFunc();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const TableFile& table = kTables[data[0] % kTables.size()];
    std::string image(fuzz::bytes(data + 1, std::min(size - 1, table.size)));
    image.resize(table.size, '\0');
    clearFolder();
    writeFile(folder() + table.name, image);

    DataStore store;
    load(store);
    lookUp(store);
    store.rebuildClientFirmNames();
    saveAll(store);
    const std::string saved = readFile(folder() + table.name);
    require(saved.size() == table.size, "a saved table has its size");
    if (std::string_view(table.name) == files::kColumnWidths) {
        DataStore again;
        load(again);
        again.SaveFileCol();
        require(readFile(folder() + table.name) == saved, "sanitised widths load unchanged");
    } else {
        require(saved == image, "a loaded and saved table comes back byte for byte");
    }
    return 0;
}
