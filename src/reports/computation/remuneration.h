#pragma once
// The common end of both computations: totals of a row set, then the typed remuneration
// checked against them and the amount due to the principal.

#include "computation_result.h"
#include "reports/values/row_set.h"

#include <string_view>

namespace kestrelon {

// Sums the rows' kopecks into the set's totals and their texts into the result. False (with
// the message set) when a total would not fit a report's field; the set is then unchanged.
bool computeTotals(RowSet& set, ComputationResult& result);

// With an empty remuneration text nothing happens. Otherwise the text is parsed; a
// remuneration above the accrued income or above the total with VAT is refused and both
// fields are emptied; else the set's Remuneration and ToPrincipal are set and the result is
// ready.
void applyRemuneration(RowSet& set, std::string_view remunerationText, ComputationResult& result);

} // namespace kestrelon
