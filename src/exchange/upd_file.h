#pragma once
// The УПД exchange file of a report, ready to be written: its name and its bytes, or every
// reason it cannot be written.

#include "edo_book.h"
#include "upd_from_report.h"

#include "store/data_store.h"

#include <string>
#include <vector>

namespace kestrelon {

struct UpdFile {
    std::string name;                  // ИдФайл + ".xml"
    std::string bytes;                 // windows-1251
    std::vector<std::string> problems; // UTF-8; nothing is to be written while there are any
    bool ok() const { return problems.empty(); }
};

// Builds, checks against the format's rules and encodes the document; all problems at once.
UpdFile prepareUpdFile(const DocumentInput& input, const UpdSettings& settings);

// The settings of a file made now: the participant ids of the two organizations and the
// signer's full name from the book, the agent contract from the catalogue, the local time, a
// new GUID and this program's version.
UpdSettings updSettingsFromData(const DocumentInput& input, const DataStore& store,
                                const EdoBook& book);

// Writes the file into the folder through a temporary file. Throws IoError.
void saveUpdFile(const std::string& folder, const UpdFile& file);

} // namespace kestrelon
