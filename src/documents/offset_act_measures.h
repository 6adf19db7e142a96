#pragma once
// The measures of the act of mutual offset on one device: fonts, line steps, margins and the
// table's column grid, all in device pixels.

#include "page_geometry.h"
#include "text_metrics.h"

#include <array>

namespace kestrelon::offset_act {

struct Measures {
    FontSpec body;      // regular 4.86 mm: preamble, clauses, closing lines
    FontSpec title;     // bold 4.86 mm
    FontSpec table;     // regular 4.39 mm
    FontSpec tableBold; // bold 4.39 mm: table headers
    FontSpec pageLine;  // regular 3.5 mm: the act and sheet named in the bottom margin

    // Line steps: the height of "W" in each font.
    int hb = 0, hbb = 0, ht = 0, htb = 0;
    int inset = 0; // centres one bold table line in a 6 mm row

    int pageWidth = 0, pageHeight = 0;
    int left = 0;    // 25 mm
    int right = 0;   // page width less 15 mm
    int top = 0;     // 15 mm: the top margin, and the bottom one as well
    int clauseX = 0; // 30 mm
    int rowHeight = 0;
    double rowLimit = 0; // a row whose bottom lies lower than this ends the page
    int textBottom = 0;  // the closing blocks must end above this
    int pageLineY = 0;   // the top of the line naming the act and the sheet

    std::array<int, 7> columns{}; // the seven column lines of both tables

    int headerHeight() const { return 3 * ht + 2 * inset; }
    int firstRowHeight() const { return ht + 2 * inset; }
};

Measures measureOffsetAct(const PageGeometry& geometry, const TextMetrics& metrics);

// The widths the preamble and the clauses wrap to: their text column less two "W".
int preambleWidth(const Measures& m, const TextMetrics& metrics);
int clauseWidth(const Measures& m, const TextMetrics& metrics);

} // namespace kestrelon::offset_act
