#pragma once
// Exact decimal amounts written the way the system's general number format writes them:
// the shortest form, no digit grouping, no trailing zeros and no separator for a whole
// number ("1750.5", "1500", "0.05"; "1750,5" where the separator is a comma).

#include <cstdint>
#include <string>

namespace kestrelon {

// `units` counts steps of 10^-decimals (kopecks: decimals = 2); decimals is at most 18.
std::string generalNumber(std::uint64_t units, unsigned decimals, char separator);

// Cuts a general number text to at most `length` characters; what the cut leaves at the end
// (zeros after the separator, a bare separator) goes too, so that the text stays in the
// same format.
std::string cutGeneralNumber(std::string text, std::size_t length, char separator);

} // namespace kestrelon
