#include "slk_computation.h"

#include "remuneration.h"
#include "reports/register/slk_period.h"

namespace kestrelon {

ComputationResult runSlkComputation(RowSet& slkSet, std::string_view remuneration) {
    ComputationResult result;
    if (computeTotals(slkSet, result)) {
        applyRemuneration(slkSet, remuneration, result);
    }
    return result;
}

SlkFill FillFromSlk(RowSet& slkSet, std::string_view remuneration) {
    SlkFill fill;
    const SlkPeriodResult period = periodFromFirstRow(slkSet);
    fill.period = period.period;
    fill.grid = slkGridRows(slkSet);
    fill.computation = runSlkComputation(slkSet, remuneration);
    if (!period.message.empty()) {
        ComputationResult& c = fill.computation;
        c.ready = false;
        c.toPrincipal.clear();
        c.message = c.message.empty() ? period.message : period.message + "\n" + c.message;
    }
    return fill;
}

} // namespace kestrelon
