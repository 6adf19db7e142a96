#pragma once
// "Get" in register mode: totals of the imported rows and the remuneration check.

#include "computation_result.h"
#include "reports/values/period.h"
#include "reports/values/report_values.h"
#include "reports/values/row_set.h"

#include <optional>
#include <string_view>

namespace kestrelon {

ComputationResult runSlkComputation(RowSet& slkSet, std::string_view remuneration);

struct SlkFill {
    std::optional<Period> period; // nullopt: the window keeps its period
    GridRows grid;
    ComputationResult computation;
};

// After an import, on "Get" and on switching to register mode: the period from the first
// row, the grid, and the computation. A first row that names no period of the year list is
// reported and leaves the report not ready, since the period cannot be chosen by hand here.
SlkFill FillFromSlk(RowSet& slkSet, std::string_view remuneration);

} // namespace kestrelon
