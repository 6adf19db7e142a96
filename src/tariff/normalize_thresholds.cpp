#include "normalize_thresholds.h"

#include <limits>

namespace kestrelon::tariff {

void NormalizeThresholds(TariffFunction& f, int k, std::uint32_t v) {
    if (k < 1 || k > 7) {
        return;
    }
    auto& T = f.Thresholds;
    const auto at = [](int i) { return static_cast<std::size_t>(i); };
    if (v < static_cast<std::uint32_t>(k)) {
        for (int i = 1; i <= k; ++i) {
            T[at(i)] = static_cast<std::uint32_t>(i);
        }
        return;
    }
    T[at(k)] = v;
    // Thresholds kept in order never reach the bounds of the steps below; ones read from a
    // file another program wrote may, and a step there stops at the bound instead of
    // wrapping round to the other end of the range.
    for (int i = k - 1; i >= 1; --i) {
        const std::uint32_t above = T[at(i + 1)].get();
        if (T[at(i)].get() >= above) {
            T[at(i)] =
                above > static_cast<std::uint32_t>(i) ? above - 1 : static_cast<std::uint32_t>(i);
        }
    }
    for (int i = k + 1; i <= 7; ++i) {
        const std::uint32_t below = T[at(i - 1)].get();
        if (T[at(i)].get() <= below) {
            T[at(i)] = below < std::numeric_limits<std::uint32_t>::max() ? below + 1 : below;
        }
    }
}

} // namespace kestrelon::tariff
