#pragma once
// A data folder as a busy user has it: every table full.

#include <string>

namespace kestrelon::bench {

// Writes full "Firms", "FirmsDel", "Clients", "ClientsDel", "Agent", "FormW", "ArCol.ats" and
// "Function" into `folder`, and copies "Tel" and "Pixels" from `installFolder` when present.
void writeFullDataFolder(const std::string& folder, const std::string& installFolder);

} // namespace kestrelon::bench
