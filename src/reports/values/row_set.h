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
    // The set was computed since "New". Until then its rows belong to an earlier report, and
    // the documents must not show them.
    bool SlkComputed = false;
    bool ManualComputed = false;

    const RowSet& current(ReportMode mode) const {
        return mode == ReportMode::Slk ? SlkSet : ManualSet;
    }
    bool ready(ReportMode mode) const { return mode == ReportMode::Slk ? SlkReady : ManualReady; }
    bool computed(ReportMode mode) const {
        return mode == ReportMode::Slk ? SlkComputed : ManualComputed;
    }

    // The rows the live documents show: the mode's set once it was computed since "New".
    const RowSet& documentRows(ReportMode mode) const {
        static const RowSet kNone;
        return computed(mode) ? current(mode) : kNone;
    }

    // "New": nothing is computed or ready; the imported rows stay for the next computation.
    void startNewReport() {
        SlkReady = ManualReady = false;
        SlkComputed = ManualComputed = false;
    }
};

} // namespace kestrelon
