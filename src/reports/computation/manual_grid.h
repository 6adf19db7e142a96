#pragma once
// The manual grid: one row per active client contract, with the invoice number and date the
// period gives, and the amounts the user typed.

#include "reports/values/period.h"
#include "reports/values/report_values.h"
#include "store/data_store.h"

#include <string>
#include <vector>

namespace kestrelon {

// ContractNo of the active client contracts, in table order.
std::vector<std::string> activeContractNos(const DataStore& store);

// "Счет": zone digit, YY, MM and the contract number ("213031234" for zone 2, March 2013).
std::string manualInvoiceNo(int zoneDigit, const Period& period, const std::string& contractNo);
// "Дата": the period's last day as DD.MM.YY.
std::string manualInvoiceDate(const Period& period);

// The rows for these contracts. Typed amounts of `previous` rows are kept for the contracts
// that are still there (the k-th row of a contract number keeps the k-th typed row of it).
GridRows manualGridRows(const std::vector<std::string>& contractNos, const Period& period,
                        int zoneDigit, const GridRows& previous = {});

// When the report window must rebuild its manual grid: the active contracts it shows are no
// longer those of the table. A rebuild on every activation would throw typed amounts away.
class ManualGridTracker {
public:
    // True when the grid shows other contracts than `current`; then `current` is remembered.
    bool needsRebuild(const std::vector<std::string>& current);
    // The grid was rebuilt (on "New", on switching to manual mode) for these contracts.
    void rebuilt(const std::vector<std::string>& contracts) {
        shown_ = contracts;
        built_ = true;
    }

private:
    std::vector<std::string> shown_;
    bool built_ = false;
};

} // namespace kestrelon
