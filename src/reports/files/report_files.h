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

// Reads folder + fileName whole and only then makes it the record and the current report
// file name, returning true. A file that is not there returns false, and one that cannot be
// read whole throws IoError; either way the record and the current name stay as they were.
bool OpenReport(const std::string& folder, const std::string& fileName, ReportRecord& record,
                std::string& currentFileName);

} // namespace kestrelon
