#pragma once
// Keeping the eight ranges of a tariff function in order after one "From" amount changed.

#include "store/tariff_function.h"

#include <cstdint>

namespace kestrelon::tariff {

// k is the edited threshold (1..7), v its new value in hundredths. A value below k cannot
// leave room for the thresholds under it: they become 1..k and v is dropped. Otherwise T[k]
// becomes v and its neighbours are pushed away one hundredth at a time where they collide.
void NormalizeThresholds(TariffFunction& function, int k, std::uint32_t v);

} // namespace kestrelon::tariff
