#pragma once
// The two read-only installation files of the main window's picture:
// "Tel" (the pictogram's geometry) and "Pixels" (the globe's points).

#include "le.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon {

struct LogoParams {
    std::array<std::uint8_t, 4> Unused0{};
    LeU16 X, Y, W, H, R;
    LeU16 A, B, K;
    LeU16 D, E;
    LeU16 Unused24;
    LeU16 F, G, Q, V;
    LeU16 SW, SH;
    LeU16 Unused38;
    LeU16 CX, CD;
    LeU16 X2, Y2, X3, Y3, X4, Y4;
    LeF32 S;
};

static_assert(sizeof(LogoParams) == 60 && alignof(LogoParams) == 1);
static_assert(offsetof(LogoParams, X) == 4);
static_assert(offsetof(LogoParams, Y) == 6);
static_assert(offsetof(LogoParams, W) == 8);
static_assert(offsetof(LogoParams, H) == 10);
static_assert(offsetof(LogoParams, R) == 12);
static_assert(offsetof(LogoParams, A) == 14);
static_assert(offsetof(LogoParams, B) == 16);
static_assert(offsetof(LogoParams, K) == 18);
static_assert(offsetof(LogoParams, D) == 20);
static_assert(offsetof(LogoParams, E) == 22);
static_assert(offsetof(LogoParams, F) == 26);
static_assert(offsetof(LogoParams, G) == 28);
static_assert(offsetof(LogoParams, Q) == 30);
static_assert(offsetof(LogoParams, V) == 32);
static_assert(offsetof(LogoParams, SW) == 34);
static_assert(offsetof(LogoParams, SH) == 36);
static_assert(offsetof(LogoParams, CX) == 40);
static_assert(offsetof(LogoParams, CD) == 42);
static_assert(offsetof(LogoParams, X2) == 44);
static_assert(offsetof(LogoParams, Y2) == 46);
static_assert(offsetof(LogoParams, X3) == 48);
static_assert(offsetof(LogoParams, Y3) == 50);
static_assert(offsetof(LogoParams, X4) == 52);
static_assert(offsetof(LogoParams, Y4) == 54);
static_assert(offsetof(LogoParams, S) == 56);

struct GlobePoint {
    LeU16 x; // relative to the circle's bounding square
    LeU16 y;
    LeU32 colour; // Windows colour value: red in the low byte, then green, then blue
};
static_assert(sizeof(GlobePoint) == 8);

struct GlobePixels {
    static constexpr std::size_t kCapacity = 18001;
    LeI16 count;
    std::array<std::uint8_t, 2> padding{};
    std::array<GlobePoint, kCapacity> points{};

    // The count a reader may use: never negative, never beyond the table.
    std::size_t usedCount() const {
        const int n = count.get();
        return n < 0 ? 0 : (static_cast<std::size_t>(n) > kCapacity ? kCapacity : n);
    }
};
static_assert(sizeof(GlobePixels) == 144012 && alignof(GlobePixels) == 1);
static_assert(offsetof(GlobePixels, points) == 4);

} // namespace kestrelon
