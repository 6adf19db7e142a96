#include "manual_grid.h"

#include <map>

namespace kestrelon {
namespace {

constexpr std::size_t kFirstAmountColumn = 3;

} // namespace

std::vector<std::string> activeContractNos(const DataStore& store) {
    std::vector<std::string> contracts;
    for (std::size_t k = 0; k < store.ClientCount && k < store.Clients.size(); ++k) {
        if (store.Clients[k].Inactive == 0) {
            contracts.emplace_back(store.Clients[k].ContractNo.view());
        }
    }
    return contracts;
}

std::string manualInvoiceNo(int zoneDigit, const Period& period, const std::string& contractNo) {
    return std::to_string(((zoneDigit % 10) + 10) % 10) + periodYY(period) + periodMM(period) +
           contractNo;
}

std::string manualInvoiceDate(const Period& period) {
    return periodLastDay(period) + "." + periodMM(period) + "." + periodYY(period);
}

GridRows manualGridRows(const std::vector<std::string>& contractNos, const Period& period,
                        int zoneDigit, const GridRows& previous) {
    // Typed amounts by contract number, in the order the rows had them.
    std::map<std::string, std::vector<const GridRow*>> typed;
    for (const GridRow& row : previous) {
        typed[row[0]].push_back(&row);
    }
    std::map<std::string, std::size_t> taken;
    GridRows rows;
    rows.reserve(contractNos.size());
    for (const std::string& contract : contractNos) {
        GridRow row{contract, manualInvoiceNo(zoneDigit, period, contract),
                    manualInvoiceDate(period)};
        const auto found = typed.find(contract);
        std::size_t& k = taken[contract];
        if (found != typed.end() && k < found->second.size()) {
            for (std::size_t c = kFirstAmountColumn; c < row.size(); ++c) {
                row[c] = (*found->second[k])[c];
            }
        }
        ++k;
        rows.push_back(std::move(row));
    }
    return rows;
}

bool ManualGridTracker::needsRebuild(const std::vector<std::string>& current) {
    if (built_ && current == shown_) {
        return false;
    }
    built_ = true;
    shown_ = current;
    return true;
}

} // namespace kestrelon
