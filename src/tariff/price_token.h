#pragma once
// The price at the end of a price-list line, and the "Copy till" limit: digits with one ","
// or "." somewhere, read as a number of rubles and rounded to kopecks. Laxer than
// ParseAmount, as price lists come from other programs: "12." is 12 rubles, and "1.234" is
// rounded to 1.23.

#include <cstdint>
#include <string_view>

namespace kestrelon::tariff {

enum class PriceReading { NotAPrice, Price, TooDear };

struct TokenPrice {
    PriceReading reading = PriceReading::NotAPrice;
    std::uint32_t kopecks = 0; // set for a Price
};

// Round(value x 100) in extended precision, halves to even. A token holding any other
// character, no digit or more than one separator is NotAPrice; a price above 655.35 is
// TooDear: a line cannot hold it, and cutting it would store a wrong price.
TokenPrice readPriceToken(std::string_view token);

} // namespace kestrelon::tariff
