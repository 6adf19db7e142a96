#pragma once
// Checks of a report record read from a file that nobody vouches for. The record's readers
// already clamp what is out of range; the exporter names it instead of printing a quietly
// different document.

#include "reports/files/report_record.h"

#include <string>
#include <vector>

namespace kestrelon {

// One line per damaged field: a row count above the record's capacity, a period outside the
// program's lists, a text whose length byte runs past its field.
std::vector<std::string> damagedFields(const ReportRecord& record);

} // namespace kestrelon
