#include "slk_computation.h"

#include "remuneration.h"

namespace kestrelon {

ComputationResult runSlkComputation(RowSet& slkSet, std::string_view remuneration) {
    ComputationResult result;
    if (computeTotals(slkSet, result)) {
        applyRemuneration(slkSet, remuneration, result);
    }
    return result;
}

} // namespace kestrelon
