#include "tariff_amount.h"

#include <limits>

namespace kestrelon::tariff {
namespace {

bool isSeparator(char c) {
    return c == ',' || c == '.';
}

} // namespace

std::string normaliseSeparators(std::string_view text, char systemSeparator) {
    std::string out(text);
    for (char& c : out) {
        if (isSeparator(c)) {
            c = systemSeparator;
        }
    }
    return out;
}

std::optional<std::uint32_t> ParseAmount(std::string_view text) {
    std::size_t integerDigits = 0, separators = 0, fractionDigits = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            ++(separators == 0 ? integerDigits : fractionDigits);
        } else if (isSeparator(c)) {
            ++separators;
        } else {
            return std::nullopt;
        }
    }
    const bool valid =
        integerDigits > 0 &&
        (separators == 0 || (separators == 1 && fractionDigits >= 1 && fractionDigits <= 2));
    if (!valid) {
        return std::nullopt;
    }
    // With at most two fraction digits, number x 100 is a whole number: rounding it is
    // exact, so the hundredths are counted in integers.
    std::uint64_t hundredths = 0;
    std::size_t fractionSeen = 0;
    bool fraction = false;
    for (const char c : text) {
        if (isSeparator(c)) {
            fraction = true;
            continue;
        }
        hundredths = hundredths * 10 + static_cast<std::uint64_t>(c - '0');
        fractionSeen += fraction ? 1 : 0;
        if (hundredths > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
    }
    for (; fractionSeen < 2; ++fractionSeen) {
        hundredths *= 10;
    }
    if (hundredths > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(hundredths);
}

} // namespace kestrelon::tariff
