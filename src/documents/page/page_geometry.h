#pragma once
// The device a document is laid out for: its pixels per millimetre, and for a printer the
// offset of the printable area from the paper's edge.

#include <cmath>

namespace kestrelon {

struct PageScale {
    double sx = 1.0; // pixels per millimetre, horizontal
    double sy = 1.0; // pixels per millimetre, vertical
};

// Rounds to the nearest integer, halves to even.
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

struct PageGeometry {
    static constexpr double kPaperWidthMm = 210.0;
    static constexpr double kPaperHeightMm = 297.0;

    PageScale scale;
    int offsetX = 0; // printer: paper edge to printable origin, in device pixels
    int offsetY = 0;
    bool printer = false;

    int x(double mm) const { return roundHalfEven(mm * scale.sx); }
    int y(double mm) const { return roundHalfEven(mm * scale.sy); }
    // The device row of a length down the page given in whole micrometres.
    int yUm(int um) const { return roundHalfEven(um * scale.sy / 1000.0); }
    // The most whole pixels that a length down the page of `um` micrometres holds. Two rows
    // yUm(a) and yUm(a + um) always lie at least this far apart, so a text cell no higher
    // than this never reaches into the line one such step below it.
    int pixelsWithin(int um) const {
        // The tiny allowance keeps an exact product such as 60.0 from flooring to 59.
        return static_cast<int>(std::floor(um * scale.sy / 1000.0 + 1e-9));
    }
    int pageWidth() const { return x(kPaperWidthMm); }
    int pageHeight() const { return y(kPaperHeightMm); }
    // A pen of the given millimetres on a printer, never thinner than one pixel.
    int printerPen(double mm) const {
        const int w = roundHalfEven(mm * scale.sy);
        return w < 1 ? 1 : w;
    }
};

} // namespace kestrelon
