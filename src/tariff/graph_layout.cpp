#include "graph_layout.h"

#include "function_fields.h"
#include "store/general_number.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestrelon::tariff {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended precision");

// Round to nearest, halves to even (the default rounding mode).
int roundEven(long double value) {
    return static_cast<int>(std::nearbyintl(value));
}

int columnWidth(int width) {
    const long double plotWidth = width - GraphLayout::kLeft;
    return std::clamp(roundEven(plotWidth / 8.0L), 0, GraphLayout::kMaxColumn);
}

} // namespace

GraphLayout LayoutGraph(int width, int height, const TariffFunction& function, char separator,
                        const MeasureText& measure) {
    GraphLayout g;
    g.width = width;
    g.height = height;
    g.maxRate = MaxRate(function);
    g.baseY = height - GraphLayout::kBottom;
    g.column = columnWidth(width);
    const int plotHeight = height - GraphLayout::kBottom - GraphLayout::kTop;
    // All rates 0 leave no scale: every step lies on the axis line.
    const long double scale =
        g.maxRate == 0 ? 0.0L : static_cast<long double>(plotHeight) / g.maxRate;
    for (std::size_t i = 0; i < 8; ++i) {
        g.x[i] = GraphLayout::kLeft + g.column * static_cast<int>(i);
        g.y[i] = g.baseY - roundEven(function.Rates[i].get() * scale);
    }
    for (std::size_t i = 1; i < 8; ++i) {
        GraphLabel& label = g.thresholdLabels[i];
        label.text = cutGeneralNumber(generalNumber(function.Thresholds[i].get(), 2, separator),
                                      GraphLayout::kLabelLength, separator);
        label.left = g.x[i] - measure(label.text).width / 2;
        label.top = g.baseY + GraphLayout::kLabelGap;
    }
    for (std::size_t i = 0; i < 8; ++i) {
        GraphLabel& label = g.rateLabels[i];
        label.text = std::to_string(function.Rates[i].get()).substr(0, GraphLayout::kLabelLength);
        label.left = 0;
        label.top = g.y[i] - measure(label.text).height / 2;
    }
    return g;
}

} // namespace kestrelon::tariff
