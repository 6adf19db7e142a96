#include "layout_helpers.h"

#include <utility>

namespace kestrelon {

int ruleEndX(const RuleLine& line, const PageGeometry& g) {
    return g.x(line.x) + (line.vertical ? 0 : g.x(line.length));
}

int ruleEndY(const RuleLine& line, const PageGeometry& g) {
    return g.y(line.y) + (line.vertical ? g.y(line.length) : 0);
}

int centred(int from, int to, int extent) {
    return from + roundHalfEven((to - from - extent) / 2.0);
}

TextBox measure(const TextMetrics& metrics, const std::string& text, const FontSpec& font) {
    return TextBox{metrics.width(text, font), metrics.height(text, font)};
}

PlacedLine placeLine(int x1, int y1, int x2, int y2, int penWidth, const PageGeometry& g) {
    return PlacedLine{x1 - g.offsetX, y1 - g.offsetY, x2 - g.offsetX, y2 - g.offsetY, penWidth};
}

PlacedLine placeLine(const RuleLine& line, int penWidth, const PageGeometry& g) {
    return placeLine(g.x(line.x), g.y(line.y), ruleEndX(line, g), ruleEndY(line, g), penWidth, g);
}

TextItem placeText(std::string text, int x, int y, const FontSpec& font, const PageGeometry& g) {
    return TextItem{std::move(text), x - g.offsetX, y - g.offsetY, font};
}

} // namespace kestrelon
