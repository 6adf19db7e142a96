#include "documents/page/layout_helpers.h"
#include "offset_act_layout.h"

namespace kestrelon::offset_act {
namespace {

// The first table: its header and the one row with the agent's invoice; gives its bottom line.
int placeFirstTable(const Context& c, PageWriter& page, int top) {
    const Measures& m = c.m;
    const int headerBottom = placeHeader(c, page, kFirstHeader, top);
    const int bottom = headerBottom + m.firstRowHeight();
    page.horizontal(m.left, m.right, bottom);
    page.columns(m, top, bottom);
    const int y = centred(headerBottom, bottom, m.ht);
    for (std::size_t column = 0; column < kColumns; ++column) {
        const std::string& cell = c.item(kFirstRow + column);
        const int x = centred(m.columns[column], m.columns[column + 1], c.width(cell, m.table));
        page.text(cell, x, y, m.table);
    }
    return bottom;
}

} // namespace

int placeFirstPage(const Context& c, PlacedPage& target) {
    const Measures& m = c.m;
    PageWriter page(target, c.geometry);
    for (std::size_t i = kTitle; i < kCity; ++i) {
        const int x = centred(m.left, m.right, c.width(c.item(i), m.title));
        page.text(c.item(i), x, m.top + m.hb * static_cast<int>(i), m.title);
    }
    const int cityY = m.top + 3 * m.hb;
    page.text(c.item(kCity), m.left, cityY, m.body);
    page.text(c.item(kDate), m.right - c.width(c.item(kDate), m.body), cityY, m.body);

    const int preambleY = cityY + 2 * m.hb;
    placeBlock(c, page, kPreamble, Preamble, m.left, preambleY);
    const int clause1Y = preambleY + (c.lines(Preamble) + 1) * m.hb;
    placeBlock(c, page, kClause1, Clause1, m.clauseX, clause1Y);

    const int firstTableTop = clause1Y + (c.lines(Clause1) + 1) * m.hb;
    const int clause2Y = placeFirstTable(c, page, firstTableTop) + m.hb;
    placeBlock(c, page, kClause2, Clause2, m.clauseX, clause2Y);

    return placeInvoiceTableHeader(c, page, clause2Y + (c.lines(Clause2) + 1) * m.hb);
}

} // namespace kestrelon::offset_act
