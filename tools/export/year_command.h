#pragma once
// kestrelon-export --year: the year's summary of a data folder's reports as an .xlsx workbook,
// a CSV text or a one-page PDF, as the report list's «Год» saves and prints it.

#include <ostream>
#include <string>
#include <vector>

namespace kestrelon {

// The arguments after "--year": YYYY DATA_FOLDER OUT.{xlsx,csv,pdf}. Returns the exit status:
// 0 written, 1 not written (the reason on `err`), 2 wrong arguments.
int runYearExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kestrelon
