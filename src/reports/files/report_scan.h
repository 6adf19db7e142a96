#pragma once
// FindFilesReport: rebuilds the report list from the report files of the data folder.

#include "report_list.h"
#include "report_record.h"

#include <functional>
#include <string>

namespace kestrelon {

// Reads folder + name (a UTF-8 name) into the record: true when read, false when the file
// is gone; throws IoError when it cannot be read whole.
using ReportFileReader =
    std::function<bool(const std::string& folder, const std::string& name, ReportRecord&)>;

// Lists the files of the folder named "*.rep" (any case) of exactly the record's size, taken
// in name order so that the same folder always gives the same list; at most 64 of them, each
// read into a buffer of its own. A file that cannot be read any more is left out. The list
// comes back sorted by offset act number, with its maxima and the first entry selected.
// Throws IoError only when the folder itself cannot be listed.
ReportList FindFilesReport(const std::string& folder);
ReportList FindFilesReport(const std::string& folder, const ReportFileReader& read);

} // namespace kestrelon
