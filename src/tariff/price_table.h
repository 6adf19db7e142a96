#pragma once
// The price list in memory, which is also the layout of a price-list image (".trf"): 2048
// slots of 184 bytes, the count of lines kept inside the last slot, so at most 2047 lines.

#include "store/le.h"
#include "store/short_str.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon::tariff {

// The dearest base price a line can hold, in kopecks: 655.35 marked up by 500 % still fits
// the seven characters of the marked-up price text.
inline constexpr std::uint32_t kMaxBasePrice = 65535;
inline constexpr unsigned kMaxPercent = 500;
inline constexpr std::size_t kMaxPriceLines = 2047;

struct PriceEntry {
    LeU32 BasePrice;     // kopecks, at most kMaxBasePrice
    LeU32 MarkedUpPrice; // MarkUpPrice(BasePrice, Percent)
    LeU32 Percent;       // 0..500
    std::array<std::uint8_t, 24> Unused{};
    std::uint8_t Individual = 0; // 1: the line's own percentage, not "All %"
    ShortStr<7> PriceText;
    ShortStr<7> MarkedUpText;
    ShortStr<128> Name;
    std::array<std::uint8_t, 2> Padding{};
};

static_assert(sizeof(PriceEntry) == 184 && alignof(PriceEntry) == 1);
static_assert(offsetof(PriceEntry, BasePrice) == 0);
static_assert(offsetof(PriceEntry, MarkedUpPrice) == 4);
static_assert(offsetof(PriceEntry, Percent) == 8);
static_assert(offsetof(PriceEntry, Unused) == 12);
static_assert(offsetof(PriceEntry, Individual) == 36);
static_assert(offsetof(PriceEntry, PriceText) == 37);
static_assert(offsetof(PriceEntry, MarkedUpText) == 45);
static_assert(offsetof(PriceEntry, Name) == 53);
static_assert(offsetof(PriceEntry, Padding) == 182);

struct PriceTable {
    std::array<PriceEntry, kMaxPriceLines> Lines{};
    // Slot 2047 holds no line: its bytes 8..11 are the count.
    std::array<std::uint8_t, 8> CountSlotHead{};
    LeU32 Count;
    std::array<std::uint8_t, 172> CountSlotTail{};

    // A count read from a file never reaches past the slots.
    std::size_t count() const {
        return Count.get() < kMaxPriceLines ? Count.get() : kMaxPriceLines;
    }
};

inline constexpr std::size_t kPriceImageSize = 376832;
static_assert(sizeof(PriceTable) == kPriceImageSize && alignof(PriceTable) == 1);
static_assert(offsetof(PriceTable, Lines) == 0);
static_assert(offsetof(PriceTable, CountSlotHead) == 184 * kMaxPriceLines);
static_assert(offsetof(PriceTable, Count) == 376656);
static_assert(offsetof(PriceTable, CountSlotTail) == 376660);

} // namespace kestrelon::tariff
