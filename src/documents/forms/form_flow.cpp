#include "form_flow.h"

namespace kestrelon {

void FormFlow::pushFrom(double mm, int pixels) {
    if (pixels != 0) {
        pushes_.emplace_back(mm, pixels);
    }
}

int FormFlow::shiftAt(double mm) const {
    int shift = 0;
    for (const auto& [from, pixels] : pushes_) {
        shift += mm >= from ? pixels : 0;
    }
    return shift;
}

PlacedLine FormFlow::line(const RuleLine& rule, int penWidth) const {
    PlacedLine placed = placeLine(rule, penWidth, geometry_);
    const int shift = shiftAt(rule.y);
    placed.y1 += shift;
    placed.y2 += shift;
    return placed;
}

} // namespace kestrelon
