#include "normalize_thresholds.h"

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
    for (int i = k - 1; i >= 1; --i) {
        if (T[at(i)].get() >= T[at(i + 1)].get()) {
            T[at(i)] = T[at(i + 1)].get() - 1;
        }
    }
    for (int i = k + 1; i <= 7; ++i) {
        if (T[at(i)].get() <= T[at(i - 1)].get()) {
            T[at(i)] = T[at(i - 1)].get() + 1;
        }
    }
}

} // namespace kestrelon::tariff
