#pragma once
// A laid-out document in device pixels: what painting, printing and PDF export draw.
// Positions are relative to the page's own top-left corner (for a printer already
// corrected by the printable area's offset).

#include "documents/words/text_metrics.h"

#include <string>
#include <vector>

namespace kestrelon {

struct TextItem {
    std::string text; // cp1251
    int x = 0;        // top-left corner of the text cell
    int y = 0;
    FontSpec font;
};

struct PlacedLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int penWidth = 1;
};

struct PlacedPage {
    std::vector<PlacedLine> lines;
    std::vector<TextItem> texts;
    int tableRows = 0; // rows of a paginated table on this page
    int tailCode = 0;  // which closing blocks the page carries (act of mutual offset)
};

struct PlacedDocument {
    int pageWidth = 0;
    int pageHeight = 0;
    std::vector<PlacedPage> pages;
};

} // namespace kestrelon
