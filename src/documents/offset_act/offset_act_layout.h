#pragma once
// What the parts of the act's layout share: the texts with the device's measures, and a page
// that takes lines and texts across in page pixels and down in micrometres, and puts them on
// the device with its pen and offset.

#include "offset_act_document.h"
#include "offset_act_items.h"
#include "offset_act_measures.h"

#include <cstddef>
#include <string>

namespace kestrelon::offset_act {

struct Context {
    const OffsetActText& texts;
    const Measures& m;
    const TextMetrics& metrics;
    const PageGeometry& geometry;

    // The empty text beyond the list, so a short list lays out as blank items.
    const std::string& item(std::size_t i) const;
    // A block's wrapped line count, kept within the four items it has.
    int lines(Block block) const;
    int width(const std::string& text, const FontSpec& font) const {
        return metrics.width(text, font);
    }
};

class PageWriter {
public:
    PageWriter(PlacedPage& page, const PageGeometry& geometry);

    // x in page pixels, y in micrometres from the paper's top edge.
    void text(const std::string& text, int x, int y, const FontSpec& font);
    void horizontal(int x1, int x2, int y);
    void vertical(int x, int y1, int y2);
    // The seven column lines of the tables from top to bottom.
    void columns(const Measures& m, int top, int bottom);

private:
    PlacedPage& page_;
    const PageGeometry& geometry_;
    int pen_;
};

// Every y below is in micrometres (see offset_act_measures.h).

// A wrapped block's lines at x, the first at y, one regular line step apart.
void placeBlock(const Context& c, PageWriter& page, std::size_t first, Block block, int x, int y);

// A table's header row from `top` down: its top and bottom lines and its eleven texts from
// item `first`, each bold and centred in its column, a header of several lines stacked one
// line step apart and centred as a whole. Gives the bottom line's y.
int placeHeader(const Context& c, PageWriter& page, std::size_t first, int top);

// The header of the table of the principal's invoices, with its own column lines: under
// clause 2 on the first page, and at the top margin of every further page with rows, so that
// a sheet read alone still says what its columns hold. Gives the y where its rows begin.
int placeInvoiceTableHeader(const Context& c, PageWriter& page, int top);

// Items 0..43 of the first page; gives the y of the second table's header bottom line, where
// the second table's rows begin.
int placeFirstPage(const Context& c, PlacedPage& page);

// The second table's rows from the first page's table top on, over as many pages as they need;
// gives the y of the last row's bottom line on the document's last page.
int placeRows(const Context& c, PlacedDocument& doc, int firstTableTop);

// Clauses 3 to 5 with the signatures after the last row, on its page or on one more page.
void placeClosingBlocks(const Context& c, PlacedDocument& doc, int lastRowBottom);

// The line naming the act and the sheet in the bottom margin of every page, once the page
// count is final; an act of one page has none.
void placePageLines(const Context& c, PlacedDocument& doc);

} // namespace kestrelon::offset_act
