#pragma once
// A named tariff scale of eight price ranges, and the table of 16 of them ("Function").

#include "le.h"
#include "short_str.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon {

struct TariffFunction {
    ShortStr<32> Name; // presence field
    ShortStr<10> CreatedTime;
    std::array<LeU16, 8> Rates{};      // whole percentages
    std::array<LeU32, 8> Thresholds{}; // lowest price of each range, in kopecks
};

static_assert(sizeof(TariffFunction) == 92 && alignof(TariffFunction) == 1);
static_assert(offsetof(TariffFunction, Name) == 0);
static_assert(offsetof(TariffFunction, CreatedTime) == 33);
static_assert(offsetof(TariffFunction, Rates) == 44);
static_assert(offsetof(TariffFunction, Thresholds) == 60);

inline bool isPresent(const TariffFunction& f) {
    return !f.Name.empty();
}
inline void clearPresence(TariffFunction& f) {
    f.Name.clear();
}

using FunctionTable = std::array<TariffFunction, 16>;
static_assert(sizeof(FunctionTable) == 1472);

} // namespace kestrelon
