#pragma once
// A line's percentage and what follows from it: the marked-up price and its text.

#include "price_table.h"

#include <cstdint>
#include <string>

namespace kestrelon::tariff {

// The marked-up price in rubles as a general number with the given separator ("25",
// "1.5", "0.05"), cut to the seven characters of the field.
std::string markedUpText(std::uint32_t markedUpKopecks, char separator);

// Gives the line the percentage and recomputes its marked-up price and text. The flag is
// left alone: each caller has its own rule for it.
void setLinePercent(PriceEntry& line, unsigned percent, char separator);

} // namespace kestrelon::tariff
