#pragma once
// "Get" in register mode: totals of the imported rows and the remuneration check.

#include "computation_result.h"
#include "row_set.h"

#include <string_view>

namespace kestrelon {

ComputationResult runSlkComputation(RowSet& slkSet, std::string_view remuneration);

} // namespace kestrelon
