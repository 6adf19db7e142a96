#pragma once
// What the count box says after an import, for the bookkeeper to check against the
// principal's register. Texts are cp1251.

#include "reports/values/period.h"
#include "slk_import.h"

#include <cstddef>
#include <string>

namespace kestrelon {

inline constexpr std::size_t kListedSkippedLines = 20;

// How many lines became rows; the register's month when it is not the one `proposed` («реестр
// за Октябрь 2026; предлагался Ноябрь 2026»); the rows dated in another month than the
// register's (its first row's), with their line and date; the rows whose amount with VAT is not
// the net amount and the VAT, with their three amounts; each line skipped with its reason.
// Each list names its first kListedSkippedLines. Empty when the read found no row and
// skipped nothing.
std::string importSummary(const SlkImportResult& result, const Period& proposed);

} // namespace kestrelon
