#pragma once
// The measures of the act of mutual offset on one device: fonts, margins and the table's
// column grid.
//
// Across the page they are device pixels. Down the page they are whole micrometres, the same
// on every device: the line steps are the fonts' nominal heights, not what a device's fonts
// happen to measure, so the act breaks its pages after the same row and the same clause on
// the screen, on a printer and in a PDF, and only each final position is rounded to the
// device's pixels.

#include "documents/page/page_geometry.h"
#include "documents/words/text_metrics.h"

#include <array>

namespace kestrelon::offset_act {

// Nominal heights, in micrometres.
inline constexpr int kBodyStepUm = 4860;  // Times 4.86 mm: preamble, clauses, signatures
inline constexpr int kTableStepUm = 4390; // Times 4.39 mm: the tables
inline constexpr int kPageLineUm = 3500;  // Times 3.5 mm: the line naming the act and sheet
inline constexpr int kRowUm = 6000;       // a row of the invoice table
inline constexpr int kMarginUm = 15000;   // the top margin, and the bottom one as well
inline constexpr int kPaperHeightUm = 297000;

struct Measures {
    // Each font's cell is the most whole pixels its line step holds, so stacked lines never
    // overlap, however the device rounds.
    FontSpec body;      // regular 4.86 mm
    FontSpec title;     // bold 4.86 mm
    FontSpec table;     // regular 4.39 mm
    FontSpec tableBold; // bold 4.39 mm: table headers
    FontSpec pageLine;  // regular 3.5 mm: the act and sheet named in the bottom margin

    // Across the page, in device pixels.
    int pageWidth = 0;
    int left = 0;                 // 25 mm
    int right = 0;                // page width less 15 mm
    int clauseX = 0;              // 30 mm
    std::array<int, 7> columns{}; // the seven column lines of both tables

    // Down the page, in micrometres.
    int hb = kBodyStepUm;                    // a line of the body and of the title
    int ht = kTableStepUm;                   // a line of the tables
    int inset = (kRowUm - kTableStepUm) / 2; // centres one table line in a 6 mm row
    int rowHeight = kRowUm;
    int top = kMarginUm; // the top margin
    // A row whose bottom lies lower than this ends the page: breaking half a row above the
    // bottom margin lets a page's last row reach at most half a row into the margin.
    int rowLimit = kPaperHeightUm - kMarginUm - kRowUm / 2;
    // The closing blocks end above this: no lower than a page's last row may reach. A month's
    // signatures may so take the row's share of the margin rather than a sheet of their own.
    int textBottom = kPaperHeightUm - kMarginUm + kRowUm / 2;
    // The top of the line naming the act and the sheet: below the lowest a row or the closing
    // text can reach (12 mm above the paper's edge), ending 7 mm above it, clear of the strip
    // printers cannot print.
    int pageLineY = kPaperHeightUm - 7000 - kPageLineUm;

    int pageHeight = 0; // device pixels, for the laid-out document

    int headerHeight() const { return 3 * ht + 2 * inset; }
    int firstRowHeight() const { return ht + 2 * inset; }
};

Measures measureOffsetAct(const PageGeometry& geometry, const TextMetrics& metrics);

// The widths the preamble and the clauses wrap to: their text column less two "W".
int preambleWidth(const Measures& m, const TextMetrics& metrics);
int clauseWidth(const Measures& m, const TextMetrics& metrics);

} // namespace kestrelon::offset_act
