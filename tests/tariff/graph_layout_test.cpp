#include "function_samples.h"
#include "tariff/graph_layout.h"

#include <array>
#include <gtest/gtest.h>

namespace kestrelon::tariff {
namespace {

// Every character 7 pixels wide, every text 13 pixels high.
TextSize fakeMetrics(const std::string& text) {
    return {7 * static_cast<int>(text.size()), 13};
}

TEST(LayoutGraph, DesignedSizeWithTheStartValues) {
    const GraphLayout g = LayoutGraph(630, 200, withRates({100, 100, 100, 100, 100, 100, 100, 100}),
                                      '.', fakeMetrics);
    EXPECT_EQ(g.baseY, 176);
    EXPECT_EQ(g.column, 75); // 598 / 8 = 74.75
    EXPECT_EQ(g.x, (std::array<int, 8>{32, 107, 182, 257, 332, 407, 482, 557}));
    // The largest rate reaches 160 pixels (200 - 24 - 16) above the axis.
    EXPECT_EQ(g.y, (std::array<int, 8>{16, 16, 16, 16, 16, 16, 16, 16}));
    EXPECT_EQ(g.maxRate, 100);
    // "3" is 7 pixels wide: it stands 3 pixels left of its column's edge, 4 below the axis.
    EXPECT_EQ(g.thresholdLabels[3].text, "3");
    EXPECT_EQ(g.thresholdLabels[3].left, 257 - 3);
    EXPECT_EQ(g.thresholdLabels[3].top, 180);
    EXPECT_EQ(g.rateLabels[5].text, "100");
    EXPECT_EQ(g.rateLabels[5].left, 0);
    EXPECT_EQ(g.rateLabels[5].top, 16 - 6);
}

TEST(LayoutGraph, ColumnWidthRoundsHalvesToEvenAndFitsOneByte) {
    const std::pair<int, int> cases[] = {
        {32 + 600, 75},   {32 + 604, 76},   // 75.5 -> 76
        {32 + 612, 76},                     // 76.5 -> 76
        {32 + 2040, 255}, {32 + 2400, 255}, // 300 would not fit the byte
        {32, 0},          {10, 0},
    };
    const TariffFunction f = withRates({1, 2, 3, 4, 5, 6, 7, 8});
    for (const auto& [width, column] : cases) {
        EXPECT_EQ(LayoutGraph(width, 200, f, '.', fakeMetrics).column, column) << width;
    }
}

TEST(LayoutGraph, StepHeightsRoundHalvesToEven) {
    // 160 pixels for a largest rate of 320: half a pixel per percent.
    const GraphLayout g =
        LayoutGraph(630, 200, withRates({320, 1, 3, 5, 7, 0, 160, 161}), ',', fakeMetrics);
    EXPECT_EQ(g.y, (std::array<int, 8>{16, 176, 174, 174, 172, 176, 96, 96}));
    EXPECT_EQ(g.rateLabels[0].text, "320");
    EXPECT_EQ(g.rateLabels[6].top, 96 - 6);
}

TEST(LayoutGraph, AllRatesZeroPutEveryStepOnTheAxisLine) {
    const GraphLayout g = LayoutGraph(630, 200, withRates({}), '.', fakeMetrics);
    EXPECT_EQ(g.maxRate, 0);
    EXPECT_EQ(g.y, (std::array<int, 8>{176, 176, 176, 176, 176, 176, 176, 176}));
    EXPECT_EQ(g.rateLabels[0].text, "0");
}

TEST(LayoutGraph, LabelsAreGeneralNumbersOfAtMostFiveCharacters) {
    TariffFunction f = withRates({100, 100, 100, 100, 100, 100, 100, 100});
    f.Thresholds[1] = 150;
    f.Thresholds[2] = 12345;   // 123.45
    f.Thresholds[3] = 123456;  // 1234.56: the cut would leave "1234."
    f.Thresholds[4] = 1000005; // 10000.05
    f.Thresholds[5] = 1000006;
    f.Thresholds[6] = 1000007;
    f.Thresholds[7] = 1000008;
    const GraphLayout g = LayoutGraph(630, 200, f, ',', fakeMetrics);
    const std::array<std::string, 7> expected = {"1,5",   "123,4", "1234", "10000",
                                                 "10000", "10000", "10000"};
    for (std::size_t i = 1; i < 8; ++i) {
        EXPECT_EQ(g.thresholdLabels[i].text, expected[i - 1]) << i;
    }
    EXPECT_EQ(g.thresholdLabels[2].left, 182 - 17); // "123,4" is 35 wide: 35 / 2 = 17
}

} // namespace
} // namespace kestrelon::tariff
