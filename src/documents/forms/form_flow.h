#pragma once
// The invoice and the act are laid out in millimetres from the top of the sheet. A text that
// wraps needs room for its extra lines: it moves everything below it on the form down by
// them, rule lines included, so that nothing below is overprinted. A form whose texts all fit
// keeps every position.

#include "documents/page/layout_helpers.h"
#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"

#include <utility>
#include <vector>

namespace kestrelon {

class FormFlow {
public:
    explicit FormFlow(const PageGeometry& geometry) : geometry_(geometry) {}

    // Everything laid out at `mm` from the top or lower moves down by `pixels` more.
    void pushFrom(double mm, int pixels);

    // How far the form's millimetre `mm` has moved down, in pixels.
    int shiftAt(double mm) const;
    // The device row of the form's millimetre `mm` after the moves.
    int y(double mm) const { return geometry_.y(mm) + shiftAt(mm); }
    // A rule line of the form, moved as far as the millimetre it starts at.
    PlacedLine line(const RuleLine& rule, int penWidth) const;

private:
    const PageGeometry& geometry_;
    std::vector<std::pair<double, int>> pushes_; // from which millimetre, how many pixels
};

} // namespace kestrelon
