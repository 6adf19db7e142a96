#pragma once
// The report rows in memory: imported from the register or entered by hand.

#include "store/short_str.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kestrelon {

struct InvoiceRow {
    ShortStr<8> AgentCustNo; // import only
    ShortStr<8> ClientContractNo;
    ShortStr<14> InvoiceNo;
    ShortStr<10> InvoiceDate;
    std::uint32_t AmountKop = 0;
    std::uint32_t VatKop = 0;
    std::uint32_t GrossKop = 0;
    // MoneyText for manual rows, the cell text as imported for imported rows.
    ShortStr<10> AmountText;
    ShortStr<10> VatText;
    ShortStr<10> GrossText;
};

struct RowSet {
    static constexpr std::size_t kCapacity = 1024;

    std::uint32_t Remuneration = 0;
    std::uint32_t ToPrincipal = 0;
    std::uint32_t IncomeTotal = 0;
    std::uint32_t VatTotal = 0;
    std::uint32_t GrossTotal = 0;
    std::vector<InvoiceRow> rows; // at most kCapacity

    std::size_t count() const { return rows.size(); }
    bool empty() const { return rows.empty(); }
};

enum class ReportMode { Slk, Manual };

// The two row sets of the report window and whether each was computed without objection.
// SlkReady is reset by "New", by choosing manual mode, by a confirmed import and by any change
// of the remuneration; ManualReady by "New" and by every manual computation.
struct ReportSets {
    RowSet SlkSet;
    RowSet ManualSet;
    bool SlkReady = false;
    bool ManualReady = false;

    const RowSet& current(ReportMode mode) const {
        return mode == ReportMode::Slk ? SlkSet : ManualSet;
    }
    bool ready(ReportMode mode) const { return mode == ReportMode::Slk ? SlkReady : ManualReady; }
};

} // namespace kestrelon
