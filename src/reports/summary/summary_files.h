#pragma once
// The year's summary as files for the accountant: a CSV text any program reads (";" between
// cells, a decimal comma, UTF-8 with a byte order mark) and an .xlsx workbook whose amounts are
// number cells in a kopeck format and whose quarter and year lines are formulas carrying their
// values. Both are written whole or not at all.

#include "year_summary.h"

#include <string>

namespace kestrelon {

// The summary's columns, in order (UTF-8).
inline constexpr const char* kSummaryColumns[] = {"Месяц", "Отчетов",        "С НДС",
                                                  "НДС",   "Вознаграждение", "Принципалу"};

std::string summaryCsv(const YearSummary& summary);

// The workbook's bytes. Throws IoError when the library cannot make it.
std::string summaryXlsx(const YearSummary& summary);

// "Итоги 2013 года — ООО "Сапсан-Телеком"" (UTF-8): the title of the workbook and the page.
std::string summaryTitle(const YearSummary& summary);

} // namespace kestrelon
