#include "documents/page/layout_helpers.h"
#include "offset_act_layout.h"

namespace kestrelon::offset_act {

int placeHeader(const Context& c, PageWriter& page, std::size_t first, int top) {
    const Measures& m = c.m;
    const int bottom = top + m.headerHeight();
    page.horizontal(m.left, m.right, top);
    page.horizontal(m.left, m.right, bottom);
    std::size_t i = first;
    for (std::size_t column = 0; column < kColumns; ++column) {
        const int stack = kHeaderLines[column];
        const int y = centred(top, bottom, stack * m.ht);
        for (int k = 0; k < stack; ++k, ++i) {
            const int width = c.width(c.item(i), m.tableBold);
            const int x = centred(m.columns[column], m.columns[column + 1], width);
            page.text(c.item(i), x, y + k * m.ht, m.tableBold);
        }
    }
    return bottom;
}

int placeInvoiceTableHeader(const Context& c, PageWriter& page, int top) {
    // The column lines drawn here span the header only: each page draws its own below it,
    // down to the last row it carries.
    const int bottom = placeHeader(c, page, kSecondHeader, top);
    page.columns(c.m, top, bottom);
    return bottom;
}

} // namespace kestrelon::offset_act
