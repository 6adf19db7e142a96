#include "price_token.h"

#include "price_table.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kestrelon::tariff {

static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended precision");

TokenPrice readPriceToken(std::string_view token) {
    std::string number;
    std::size_t digits = 0, separators = 0;
    for (const char c : token) {
        if (c >= '0' && c <= '9') {
            ++digits;
            number += c;
        } else if (c == ',' || c == '.') {
            ++separators;
            number += '.'; // the reading below takes the point whatever the system's separator
        } else {
            return {};
        }
    }
    if (digits == 0 || separators > 1) {
        return {};
    }
    long double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        return {PriceReading::TooDear, 0};
    }
    if (error != std::errc() || end != number.data() + number.size()) {
        return {};
    }
    const long double kopecks = std::nearbyintl(value * 100.0L);
    if (kopecks > static_cast<long double>(kMaxBasePrice)) {
        return {PriceReading::TooDear, 0};
    }
    return {PriceReading::Price, static_cast<std::uint32_t>(kopecks)};
}

} // namespace kestrelon::tariff
