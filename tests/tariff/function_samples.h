#pragma once
// Tariff functions the tests start from, and their values as plain arrays for comparing.

#include "store/tariff_function.h"

#include <array>
#include <cstdint>

namespace kestrelon::tariff {

// Ranges from 0, 1.00, ... 7.00 rubles, each at 100 %: what the editor starts with.
inline TariffFunction defaults() {
    TariffFunction f;
    for (std::size_t i = 0; i < 8; ++i) {
        f.Thresholds[i] = static_cast<std::uint32_t>(100 * i);
        f.Rates[i] = 100;
    }
    return f;
}

// The start thresholds with the given rates.
inline TariffFunction withRates(const std::array<std::uint16_t, 8>& rates) {
    TariffFunction f = defaults();
    for (std::size_t i = 0; i < 8; ++i) {
        f.Rates[i] = rates[i];
    }
    return f;
}

inline std::array<std::uint32_t, 8> thresholds(const TariffFunction& f) {
    std::array<std::uint32_t, 8> t{};
    for (std::size_t i = 0; i < 8; ++i) {
        t[i] = f.Thresholds[i].get();
    }
    return t;
}

inline std::array<unsigned, 8> rates(const TariffFunction& f) {
    std::array<unsigned, 8> r{};
    for (std::size_t i = 0; i < 8; ++i) {
        r[i] = f.Rates[i].get();
    }
    return r;
}

} // namespace kestrelon::tariff
