#pragma once
// A stored report as the program saves it, for the render tests, the printing check and the
// benchmarks.

#include "reports/files/report_record.h"

#include <cstddef>
#include <memory>
#include <string>

namespace kestrelon::test {

// The agent's name is one word, so that it reaches the documents unshortened and can be
// found in a PDF's text.
inline constexpr const char* kSampleAgentName = "Сапсан-Телеком";

// March 2011, remuneration 1500.00, and `rows` principal invoices (at most 801).
std::unique_ptr<ReportRecord> sampleReport(std::size_t rows = 3);

// The record as a report file's bytes.
std::string reportFileBytes(const ReportRecord& record);

} // namespace kestrelon::test
