#pragma once
// "Get" in manual mode: completes each typed row (net, VAT, amount with VAT), totals the
// rows into the manual set and checks the remuneration.

#include "computation_result.h"
#include "reports/values/period.h"
#include "reports/values/report_values.h"
#include "reports/values/row_set.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kestrelon {

// A typed VAT or amount with VAT that disagrees with the one computed from the row's other
// amounts. Codes: 3 (VAT vs. amount with VAT), 5 (amount with VAT vs. net), 6 (VAT vs. net),
// 7 (VAT only), 8 (amount with VAT only), 9 (both) of a row with all three amounts.
struct VatQuestion {
    int code = 0;
    std::size_t rowIndex = 0;    // 0-based data row
    std::string net, vat, gross; // the cells as they stand
    std::string expectedVat;     // MoneyText, when the question needs it
    std::string expectedGross;   // MoneyText, when the question needs it
};

// Answers a question: true to take the expected value(s), false to keep the typed ones.
using VatQuestionHandler = std::function<bool(const VatQuestion&)>;

struct ManualInput {
    std::vector<std::string> contractNos; // ContractNo of the active clients, one per row
    Period period;
    int zoneDigit = 2;
    std::string remuneration; // the field as typed
};

// Works on the grid's data rows in place. Runs over the rows that have an active client.
// A cell that is not an amount, or a value out of range, stops it with a message naming the
// row and column; it is then not ready and the manual set is unchanged.
ComputationResult runManualComputation(GridRows& grid, const ManualInput& input, RowSet& manualSet,
                                       const VatQuestionHandler& ask);

} // namespace kestrelon
