#pragma once
// The percentage a tariff function gives a price, and the marked-up price.

#include "store/tariff_function.h"

#include <cstdint>

namespace kestrelon::tariff {

// The rate of the range the price (in hundredths) falls in: below T[1] R[0], from T[j] up to
// T[j+1] R[j], from T[7] on R[7]. A price equal to a threshold takes the range starting there.
// Thresholds out of order are evaluated as they stand, the later test winning.
unsigned RateForPrice(const TariffFunction& function, std::uint32_t price);

// Round(percent x (price / 100) + price), each step in 80-bit extended precision in exactly
// this order, halves to even. The order matters: price / 100 is not exact in base 2, so a
// few results differ from exact decimal arithmetic (31814 at 275 % gives 119303).
std::uint32_t MarkUpPrice(std::uint32_t price, unsigned percent);

} // namespace kestrelon::tariff
