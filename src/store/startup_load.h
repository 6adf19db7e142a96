#pragma once
// Loading of the persisted tables at start-up, in the program's fixed order.

#include "data_store.h"

#include <filesystem>
#include <string>

namespace kestrelon {

// The folder of the executable with a trailing separator, cut to 255 characters.
std::string dataFolderFromExecutable(const std::filesystem::path& executable);

// A folder chosen on the command line, made absolute, with a trailing separator, cut to 255
// characters like the executable's folder.
std::string dataFolderFromChosen(const std::filesystem::path& folder);

// The folder to read a shipped file (the picture files, the help) from: the data folder when
// it holds `name`, else the program's folder.
std::string shippedFileFolder(const DataStore& store, const std::string& name);

// Loads "Function" and counts it; also sets the function editor's working copy to its
// start values (ranges from 0, 1.00, 2.00 ... 7.00 rubles, each at 100 %).
void LoadFunctionTable(DataStore& store);

// Steps 2 to 7 of start-up: "Function", "Clients", "ClientsDel", "FormW", "ArCol.ats",
// "Firms", "FirmsDel", "Tel", "Pixels", with counts and sanitising. Throws IoError naming
// the file that failed; tables loaded before it keep their contents.
void loadStartupTables(DataStore& store);

// Loads "Agent" and "Principal" (done when the agent contract window is created) and finds the
// derived organization indexes again. Returns whether the file existed. On IoError the record keeps
// what was read and the indexes are still refreshed before the error is passed on.
bool loadAgentContract(DataStore& store);

} // namespace kestrelon
