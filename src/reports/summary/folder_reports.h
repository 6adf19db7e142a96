#pragma once
// Every report file of a folder read once, for the year's summary: not only the 64 the report
// list holds. A file that is named a report but cannot be one is kept with the reason, so that
// it is said, never silently left out.

#include "reports/values/period.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

struct StoredReport {
    std::string fileName;    // as the file system names it (UTF-8)
    std::string offsetActNo; // cp1251
    Period period;
    // The report's own totals, in kopecks.
    std::uint32_t gross = 0;
    std::uint32_t vat = 0;
    std::uint32_t remuneration = 0;
    std::uint32_t toPrincipal = 0;
    std::string agentName; // cp1251
};

struct UnreadReport {
    std::string fileName; // UTF-8
    std::string reason;   // UTF-8
    // The calendar year of the report when its period could be read.
    std::optional<int> year;
};

struct FolderReports {
    std::vector<StoredReport> reports; // in name order
    std::vector<UnreadReport> unread;  // in name order
};

// Throws IoError when the folder itself cannot be listed.
FolderReports readFolderReports(const std::string& folder);

} // namespace kestrelon
