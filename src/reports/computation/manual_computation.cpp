#include "manual_computation.h"

#include "manual_grid.h"
#include "remuneration.h"
#include "report_messages.h"
#include "reports/values/money.h"
#include "vat_rate.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kestrelon {
namespace {

constexpr std::size_t kNetColumn = 3;

struct RowAmounts {
    std::uint32_t net = 0, vat = 0, gross = 0;
};

// Step 1: invoice number and date of the period, and "0" in every empty amount cell.
void prepareRow(GridRow& row, const std::string& contractNo, const ManualInput& in) {
    row[1] = manualInvoiceNo(in.zoneDigit, in.period, contractNo);
    row[2] = manualInvoiceDate(in.period);
    for (std::size_t c = kNetColumn; c < 6; ++c) {
        if (row[c].empty()) {
            row[c].assign(1, '0');
        }
    }
}

// Every amount cell must be an amount before anything is computed or asked.
std::optional<std::string> parseRow(const GridRow& row, std::size_t rowNumber, RowAmounts& out) {
    std::array<std::uint32_t*, 3> targets = {&out.net, &out.vat, &out.gross};
    for (std::size_t c = 0; c < 3; ++c) {
        const KopecksOrError parsed = parseAmount(row[kNetColumn + c]);
        if (!parsed.ok()) {
            return messages::badCell(rowNumber, static_cast<AmountColumn>(c), row[kNetColumn + c],
                                     parsed.error);
        }
        *targets[c] = parsed.kopecks;
    }
    return std::nullopt;
}

class RowCompleter {
public:
    RowCompleter(const GridRow& row, std::size_t index, int ratePercent,
                 const VatQuestionHandler& ask)
        : row_(row), index_(index), ratePercent_(ratePercent), ask_(ask) {}

    // Completes the row; false when a conversion leaves the range of an amount.
    bool complete(RowAmounts& a) {
        const int givenCase = 4 * (a.net != 0) + 2 * (a.vat != 0) + (a.gross != 0);
        switch (givenCase) {
        case 0:
            return true;
        case 1:
            return calc(NdsMode::VatFromGross, a.gross, a.vat) &&
                   calc(NdsMode::NetFromGross, a.gross, a.net);
        case 2:
            return calc(NdsMode::NetFromVat, a.vat, a.net) &&
                   calc(NdsMode::GrossFromVat, a.vat, a.gross);
        case 3: {
            std::uint32_t expected = 0;
            if (!calc(NdsMode::VatFromGross, a.gross, expected)) {
                return false;
            }
            if (expected != a.vat && confirm(3, &expected, nullptr)) {
                a.vat = expected;
            }
            return calc(NdsMode::NetFromGross, a.gross, a.net);
        }
        case 4:
            return calc(NdsMode::VatFromNet, a.net, a.vat) &&
                   calc(NdsMode::GrossFromNet, a.net, a.gross);
        case 5: {
            std::uint32_t expected = 0;
            if (!calc(NdsMode::GrossFromNet, a.net, expected)) {
                return false;
            }
            if (expected != a.gross && confirm(5, nullptr, &expected)) {
                a.gross = expected;
            }
            return calc(NdsMode::VatFromNet, a.net, a.vat);
        }
        case 6: {
            std::uint32_t expected = 0;
            if (!calc(NdsMode::VatFromNet, a.net, expected)) {
                return false;
            }
            if (expected != a.vat && confirm(6, &expected, nullptr)) {
                a.vat = expected;
            }
            return calc(NdsMode::GrossFromNet, a.net, a.gross);
        }
        default:
            return completeAllGiven(a);
        }
    }

private:
    bool completeAllGiven(RowAmounts& a) {
        std::uint32_t vat = 0, gross = 0;
        if (!calc(NdsMode::VatFromNet, a.net, vat) || !calc(NdsMode::GrossFromNet, a.net, gross)) {
            return false;
        }
        const bool vatDiffers = vat != a.vat;
        const bool grossDiffers = gross != a.gross;
        if (vatDiffers && grossDiffers) {
            if (confirm(9, &vat, &gross)) {
                a.vat = vat;
                a.gross = gross;
            }
        } else if (vatDiffers) {
            if (confirm(7, &vat, nullptr)) {
                a.vat = vat;
            }
        } else if (grossDiffers) {
            if (confirm(8, nullptr, &gross)) {
                a.gross = gross;
            }
        }
        return true;
    }

    bool calc(NdsMode mode, std::uint32_t from, std::uint32_t& to) const {
        const auto value = CalcNds(mode, from, ratePercent_);
        if (!value) {
            return false;
        }
        to = *value;
        return true;
    }

    bool confirm(int code, const std::uint32_t* vat, const std::uint32_t* gross) const {
        if (!ask_) {
            return false;
        }
        VatQuestion q;
        q.code = code;
        q.rowIndex = index_;
        q.net = row_[kNetColumn];
        q.vat = row_[kNetColumn + 1];
        q.gross = row_[kNetColumn + 2];
        q.expectedVat = vat ? KopToRub(*vat) : std::string();
        q.expectedGross = gross ? KopToRub(*gross) : std::string();
        return ask_(q);
    }

    const GridRow& row_;
    std::size_t index_;
    int ratePercent_;
    const VatQuestionHandler& ask_;
};

std::optional<AmountColumn> columnTooLargeForReport(const RowAmounts& a) {
    const std::array<std::uint32_t, 3> values = {a.net, a.vat, a.gross};
    for (std::size_t c = 0; c < 3; ++c) {
        if (values[c] > kMaxStoredKopecks) {
            return static_cast<AmountColumn>(c);
        }
    }
    return std::nullopt;
}

// Step 3: the results as MoneyText; a row with all three amounts zero shows "0" in each.
InvoiceRow storeResults(GridRow& row, const RowAmounts& a) {
    InvoiceRow out;
    out.AmountKop = a.net;
    out.VatKop = a.vat;
    out.GrossKop = a.gross;
    const bool allZero = a.net == 0 && a.vat == 0 && a.gross == 0;
    row[kNetColumn] = allZero ? "0" : KopToRub(a.net);
    row[kNetColumn + 1] = allZero ? "0" : KopToRub(a.vat);
    row[kNetColumn + 2] = allZero ? "0" : KopToRub(a.gross);
    out.AmountText.assign(row[kNetColumn]);
    out.VatText.assign(row[kNetColumn + 1]);
    out.GrossText.assign(row[kNetColumn + 2]);
    out.ClientContractNo.assign(row[0]);
    out.InvoiceNo.assign(row[1]);
    out.InvoiceDate.assign(row[2]);
    return out;
}

} // namespace

ComputationResult runManualComputation(GridRows& grid, const ManualInput& input, RowSet& manualSet,
                                       const VatQuestionHandler& ask) {
    ComputationResult result;
    const std::size_t count = std::min(grid.size(), input.contractNos.size());
    if (count == 0) {
        return result;
    }
    for (std::size_t r = 0; r < count; ++r) {
        prepareRow(grid[r], input.contractNos[r], input);
    }

    std::vector<RowAmounts> amounts(count);
    for (std::size_t r = 0; r < count; ++r) {
        if (auto problem = parseRow(grid[r], r + 1, amounts[r])) {
            result.message = *problem;
            return result;
        }
    }

    // The VAT of the rows is that of the rate in force in the report's month.
    const int rate = vatRatePercent(input.period);
    RowSet computed;
    computed.rows.reserve(count);
    for (std::size_t r = 0; r < count; ++r) {
        if (!RowCompleter(grid[r], r, rate, ask).complete(amounts[r])) {
            result.message = messages::conversionOutOfRange(r + 1);
            return result;
        }
        if (auto column = columnTooLargeForReport(amounts[r])) {
            result.message = messages::amountTooLargeForReport(r + 1, *column);
            return result;
        }
        computed.rows.push_back(storeResults(grid[r], amounts[r]));
    }
    if (!computeTotals(computed, result)) {
        return result;
    }
    manualSet = std::move(computed);
    applyRemuneration(manualSet, input.remuneration, result);
    return result;
}

} // namespace kestrelon
