#include "mark_up.h"

#include <cmath>
#include <limits>

namespace kestrelon::tariff {

static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended precision");

unsigned RateForPrice(const TariffFunction& f, std::uint32_t x) {
    const auto T = [&f](std::size_t i) { return f.Thresholds[i].get(); };
    unsigned rate = f.Rates[0].get();
    if (x < T(1)) {
        rate = f.Rates[0].get();
    }
    for (std::size_t j = 1; j <= 6; ++j) {
        if (T(j) <= x && x < T(j + 1)) {
            rate = f.Rates[j].get();
        }
    }
    if (x >= T(7)) {
        rate = f.Rates[7].get();
    }
    return rate;
}

std::uint32_t MarkUpPrice(std::uint32_t price, unsigned percent) {
    const long double x = static_cast<long double>(price);
    // x87 extended arithmetic has no fused multiply-add, so each step is rounded to 64 bits
    // of significand in this order, as the results depend on.
    const long double step = x / 100.0L * static_cast<long double>(percent) + x;
    const long double rounded = std::nearbyintl(step);
    if (rounded > static_cast<long double>(std::numeric_limits<std::uint32_t>::max())) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    return static_cast<std::uint32_t>(rounded);
}

} // namespace kestrelon::tariff
