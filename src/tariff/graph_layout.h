#pragma once
// Where the step graph of the function editor puts its axes, steps and labels: eight columns
// of equal width whatever the amounts, each range's rate as a height above the axis line.

#include "store/tariff_function.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kestrelon::tariff {

struct TextSize {
    int width = 0;
    int height = 0;
};

// Measures a cp1251 text in the graph's font.
using MeasureText = std::function<TextSize(const std::string&)>;

struct GraphLabel {
    std::string text; // cp1251, at most 5 characters
    int left = 0;
    int top = 0;
};

struct GraphLayout {
    static constexpr int kLeft = 32;       // L: room for the rate labels
    static constexpr int kBottom = 24;     // below the axis line: the threshold labels
    static constexpr int kTop = 16;        // above the highest step
    static constexpr int kMaxColumn = 255; // the column width is kept in one byte
    static constexpr int kTickHalf = 4;    // ticks reach this far on each side of an axis
    static constexpr int kLabelGap = 4;    // threshold labels start this far below the axis
    static constexpr int kLabelLength = 5;

    int width = 0;
    int height = 0;
    int baseY = 0;  // the x axis
    int column = 0; // C
    std::uint16_t maxRate = 0;
    std::array<int, 8> x{}; // left edge of range i's column
    std::array<int, 8> y{}; // height of range i's step
    // Threshold labels 1..7 under the x axis (entry 0 is unused), rate labels 0..7 left of
    // the y axis.
    std::array<GraphLabel, 8> thresholdLabels{};
    std::array<GraphLabel, 8> rateLabels{};
};

// The layout of a paint area of width x height pixels for the function's rates and
// thresholds. With every rate 0 all steps lie on the axis line.
GraphLayout LayoutGraph(int width, int height, const TariffFunction& function, char separator,
                        const MeasureText& measure);

} // namespace kestrelon::tariff
