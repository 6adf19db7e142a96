#pragma once
// The check that a printed sheet is legible: no two texts overlap, no rule line runs through a
// text, and every text stays in the part of the sheet a printer can print. It works on boxes in
// millimetres, so a laid-out document and the words of an exported PDF are checked alike.

#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"
#include "documents/words/text_metrics.h"

#include <string>
#include <vector>

namespace kestrelon::test {

// Millimetres from the paper's top-left edge.
struct SheetBox {
    std::string text; // UTF-8, for the message
    double left = 0, top = 0, right = 0, bottom = 0;
};

// A horizontal or vertical rule line.
struct SheetRule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Sheet {
    double width = 210, height = 297;
    std::vector<SheetBox> texts;
    std::vector<SheetRule> rules;
};

// Printers leave this much of every edge blank.
inline constexpr double kPrintableMarginMm = 5.0;

// What is wrong on the sheet, one line each; nothing when it is legible. Boxes and rules
// may touch, and may meet by up to `toleranceMm`.
std::vector<std::string> sheetFaults(const Sheet& sheet, double toleranceMm);

// The pages of a laid-out document as sheets: each non-empty text as wide and as high as the
// device measures it in its font, with the printer's offset put back.
std::vector<Sheet> sheetsOf(const PlacedDocument& document, const PageGeometry& geometry,
                            const TextMetrics& metrics);

} // namespace kestrelon::test
