#include "remuneration.h"

#include "report_messages.h"
#include "reports/values/money.h"
#include "store/cp1251.h"

#include <array>
#include <cstdint>

namespace kestrelon {

bool computeTotals(RowSet& set, ComputationResult& result) {
    std::array<std::uint32_t, 3> totals{};
    for (const InvoiceRow& row : set.rows) {
        const std::array<std::uint32_t, 3> values = {row.AmountKop, row.VatKop, row.GrossKop};
        for (std::size_t c = 0; c < 3; ++c) {
            const auto sum = addKopecks(totals[c], values[c]);
            if (!sum || *sum > kMaxStoredKopecks) {
                result.message = messages::totalTooLarge(static_cast<AmountColumn>(c));
                return false;
            }
            totals[c] = *sum;
        }
    }
    set.IncomeTotal = totals[0];
    set.VatTotal = totals[1];
    set.GrossTotal = totals[2];
    result.incomeTotal = KopToRub(set.IncomeTotal);
    result.vatTotal = KopToRub(set.VatTotal);
    result.grossTotal = KopToRub(set.GrossTotal);
    result.totalsShown = true;
    return true;
}

void applyRemuneration(RowSet& set, std::string_view text, ComputationResult& result) {
    if (text.empty()) {
        return;
    }
    // A report keeps the remuneration as typed, in 10 characters: a longer text would be
    // stored cut and the documents would disagree with the computed totals.
    if (text.size() > kMaxAmountTextLength) {
        result.message = messages::remunerationTooLong(text);
        return;
    }
    const KopecksOrError remuneration = parseAmount(text);
    if (!remuneration.ok()) {
        result.message = messages::badRemuneration(text, remuneration.error);
        return;
    }
    set.Remuneration = remuneration.kopecks;
    if (set.IncomeTotal < set.Remuneration) {
        result.message = "Сумма вознаграждения больше начисленного дохода"_cp;
        result.remunerationCleared = true;
        return;
    }
    const auto toPrincipal = KopMinusRub(set.GrossTotal, set.Remuneration);
    if (!toPrincipal) {
        result.message = messages::remunerationAboveGross();
        result.remunerationCleared = true;
        return;
    }
    set.ToPrincipal = *toPrincipal;
    result.toPrincipal = KopToRub(set.ToPrincipal);
    result.ready = true;
}

} // namespace kestrelon
