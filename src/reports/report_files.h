#pragma once
// Report files: one file in the data folder holds exactly one ReportRecord. Report file
// names are cp1251 like every other text; they become UTF-8 only on the way to the file
// system.

#include "report_record.h"

#include <string>

namespace kestrelon {

// folder + name as the file system sees it (folder is UTF-8, name cp1251).
std::string reportPath(const std::string& folder, const std::string& fileName);

// Writes the record as folder + fileName. Throws IoError.
void SaveReport(const ReportRecord& record, const std::string& folder, const std::string& fileName);

// Makes fileName the current report file name. If folder + fileName exists, reads it into
// the record and returns true; otherwise leaves the record as it was and returns false.
// Throws IoError when the file exists but cannot be read whole.
bool OpenReport(const std::string& folder, const std::string& fileName, ReportRecord& record,
                std::string& currentFileName);

} // namespace kestrelon
