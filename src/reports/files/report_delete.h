#pragma once
// Deleting a stored report: the file is kept under a ".rdel" name that the program never
// reads again, and its entry leaves the list.

#include "report_list.h"

#include <cstddef>
#include <optional>
#include <string>

namespace kestrelon {

// The name a deleted report file gets: its name without the last five characters, then
// ".rdel" ("7_0313_12345678.rep" -> "7_0313_1234567.rdel").
std::string deletedReportName(const std::string& fileName);

// Deletes entry `index` of the list. When its file is not in the folder (or the index names
// no entry) nothing changes and the result is empty. Otherwise an older file of the new
// name is removed, the file is renamed, the entry is removed (the selection stays at that
// index, or moves to the entry before it when the last one was removed), the maxima are
// found again and the numbers for a new report are returned. Throws IoError when the older
// file cannot be removed or the file cannot be renamed; the list is then unchanged.
std::optional<NextNumbers> DeleteReport(ReportList& list, std::size_t index,
                                        const std::string& folder);

} // namespace kestrelon
