#pragma once
// Building blocks shared by the document layouts: rule lines given in millimetres, centring
// a text in a column or a row, and putting lines and texts on a page with the printer's
// offset already taken off.

#include "documents/words/text_metrics.h"
#include "page_geometry.h"
#include "placed_document.h"

#include <string>

namespace kestrelon {

// A straight line of a form in millimetres: horizontal from (x, y) to (x + length, y),
// vertical from (x, y) to (x, y + length).
struct RuleLine {
    double x = 0;
    double y = 0;
    double length = 0;
    bool vertical = false;
};

// The pixel where a line ends on the device, before any printer offset. Start and length are
// rounded separately, so every line of the same length comes out equally long.
int ruleEndX(const RuleLine& line, const PageGeometry& geometry);
int ruleEndY(const RuleLine& line, const PageGeometry& geometry);

// Start of something `extent` pixels long centred between `from` and `to`: works for a text
// width in a column as well as for a text height in a row.
int centred(int from, int to, int extent);

// A position in device pixels.
struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Width and height of a sample text, e.g. the "W" that gives the documents their insets.
struct TextBox {
    int width = 0;
    int height = 0;
};
TextBox measure(const TextMetrics& metrics, const std::string& text, const FontSpec& font);

// Lines and texts laid out in page pixels, moved by the printable area's offset so that a
// printer puts them at the same place on the paper as the screen shows them on the page.
PlacedLine placeLine(int x1, int y1, int x2, int y2, int penWidth, const PageGeometry& geometry);
PlacedLine placeLine(const RuleLine& line, int penWidth, const PageGeometry& geometry);
TextItem placeText(std::string text, int x, int y, const FontSpec& font,
                   const PageGeometry& geometry);

} // namespace kestrelon
