#pragma once
// Reading a report file given on the command line, where any file may turn up.

#include "reports/files/report_record.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace kestrelon {

// Reads the file into `record`. Returns why it cannot be used: missing, not a plain file, of
// another size than a report, unreadable, or damaged (see damagedFields).
std::optional<std::string> readReportFile(const std::string& path, ReportRecord& record);

// The report of the file, or nothing after saying on `err` why it cannot be used.
std::unique_ptr<ReportRecord> readReportOrSay(const std::string& path, std::ostream& err);

} // namespace kestrelon
