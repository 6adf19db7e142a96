#include "function_samples.h"
#include "tariff/mark_up.h"
#include "tariff/normalize_thresholds.h"
#include "tariff/tariff_amount.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>

namespace kestrelon::tariff {
namespace {

TEST(TariffAmount, ReadsDigitsWithOneSeparatorAndOneOrTwoFractionDigits) {
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"12", 1200},
        {"1,5", 150},
        {"1.5", 150},
        {"0.05", 5},
        {"12.", {}},
        {",5", {}},
        {"1.234", {}},
        {"1.2.3", {}},
        {"1-5", {}},
        {"12a", {}},
        {"", {}},
        {"655.35", 65535},
        {"007", 700},
        {"42949672.95", {4294967295u}},
        {"42949672.96", {}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseAmount(text), expected) << "\"" << text << "\"";
    }
    EXPECT_EQ(normaliseSeparators("1.5,2", ','), "1,5,2");
    EXPECT_EQ(normaliseSeparators("1,5", '.'), "1.5");
}

TEST(MarkUpPrice, RoundsHalvesToEvenInExtendedPrecisionInTheGivenOrder) {
    const std::array<std::array<std::uint32_t, 3>, 8> cases = {{
        {3, 50, 4},  // 4.5 rounds to the even 4
        {7, 50, 10}, // 10.5 -> 10
        {1, 50, 2},  // 1.5 -> 2
        {150, 50, 225},
        {1250, 100, 2500},
        {31814, 275, 119303}, // exact decimal arithmetic would give 119302
        {54122, 275, 202957}, // ... and 202958
        {65535, 500, 393210},
    }};
    for (const auto& [price, percent, expected] : cases) {
        EXPECT_EQ(MarkUpPrice(price, percent), expected) << price << " at " << percent << " %";
    }
}

TEST(RateForPrice, APriceTakesTheRangeThatStartsAtOrBelowIt) {
    TariffFunction f = defaults();
    for (std::size_t i = 0; i < 8; ++i) {
        f.Rates[i] = static_cast<std::uint16_t>(10 + i);
    }
    const std::pair<std::uint32_t, unsigned> cases[] = {
        {0, 10}, {99, 10}, {100, 11}, {101, 11}, {699, 16}, {700, 17}, {4000000000u, 17}};
    for (const auto& [price, rate] : cases) {
        EXPECT_EQ(RateForPrice(f, price), rate) << price;
    }
    EXPECT_EQ(MarkUpPrice(1250, RateForPrice(defaults(), 1250)), 2500u) << "every price doubled";
}

TEST(NormalizeThresholds, TheEditedValueWinsAndPushesItsNeighboursAway) {
    struct Case {
        int k;
        std::uint32_t v;
        std::array<std::uint32_t, 8> expected;
    };
    const Case cases[] = {
        {1, 500, {0, 500, 501, 502, 503, 504, 600, 700}}, {3, 1, {0, 1, 2, 3, 400, 500, 600, 700}},
        {5, 250, {0, 100, 200, 248, 249, 250, 600, 700}}, {7, 50, {0, 44, 45, 46, 47, 48, 49, 50}},
        {4, 350, {0, 100, 200, 300, 350, 500, 600, 700}},
    };
    for (const Case& c : cases) {
        TariffFunction f = defaults();
        NormalizeThresholds(f, c.k, c.v);
        EXPECT_EQ(thresholds(f), c.expected) << "k = " << c.k << ", v = " << c.v;
    }
}

TEST(NormalizeThresholds, ThresholdsOutOfOrderNeverWrapRound) {
    constexpr std::uint32_t kTop = 4294967295u;
    struct Case {
        std::array<std::uint32_t, 8> from;
        int k;
        std::uint32_t v;
        std::array<std::uint32_t, 8> expected;
    };
    // Functions as another program may have written them: a step down from 0, a step up
    // from the largest threshold.
    const Case cases[] = {
        {{0, 0, 500, 300, 300, 2, 900, 800}, 7, 800, {0, 0, 2, 3, 4, 2, 799, 800}},
        {{0, 100, 200, 300, kTop, 10, 20, 30}, 3, 350, {0, 100, 200, 350, kTop, kTop, kTop, kTop}},
    };
    for (const Case& c : cases) {
        TariffFunction f = defaults();
        for (std::size_t i = 0; i < 8; ++i) {
            f.Thresholds[i] = c.from[i];
        }
        NormalizeThresholds(f, c.k, c.v);
        EXPECT_EQ(thresholds(f), c.expected) << "k = " << c.k << ", v = " << c.v;
    }
}

} // namespace
} // namespace kestrelon::tariff
