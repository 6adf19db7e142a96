#include "documents/page/layout_helpers.h"
#include "offset_act_layout.h"
#include "offset_act_signatures.h"

#include <algorithm>

namespace kestrelon::offset_act {
namespace {

using Row = std::array<std::string, 4>;

// The four cells of a row sit in the middle columns, invoice number to VAT.
void placeRowCells(const Context& c, PageWriter& page, const Row& row, int top) {
    const Measures& m = c.m;
    const int y = centred(top, top + m.rowHeight, m.ht);
    for (std::size_t k = 0; k < row.size(); ++k) {
        const int x = centred(m.columns[k + 1], m.columns[k + 2], c.width(row[k], m.table));
        page.text(row[k], x, y, m.table);
    }
}

// The page's part of the table ends at its last row: a full-width bottom line, the column
// lines from the page's table top, and the contract number and offset sum as one cell each
// over all the page's rows.
void closeTablePage(const Context& c, PageWriter& page, int tableTop, int bottom) {
    const Measures& m = c.m;
    page.horizontal(m.left, m.right, bottom);
    page.columns(m, tableTop, bottom);
    const int y = centred(tableTop, bottom, m.ht);
    for (std::size_t cell : {kContractCell, kOffsetSumCell}) {
        const std::size_t column = cell == kContractCell ? 0 : kColumns - 1;
        const int width = c.width(c.item(cell), m.table);
        page.text(c.item(cell), centred(m.columns[column], m.columns[column + 1], width), y,
                  m.table);
    }
}

// Clauses `first` to `last` (3..5) from y down. A page's tail code is its first and last
// clause as two digits (see TailCode).
void placeBlocks(const Context& c, PlacedPage& target, int first, int last, int y,
                 const Signatures& signatures) {
    target.tailCode = 10 * first + last;
    PageWriter page(target, c.geometry);
    for (int clause = first; clause <= last; ++clause) {
        const auto block = static_cast<Block>(clause);
        placeBlock(c, page, kClause3 + kBlockItems * (clause - 3), block, c.m.clauseX, y);
        if (block == Clause5) {
            placeSignatures(c, page, signatures, y);
        }
        y += c.lines(block) * c.m.hb;
    }
}

} // namespace

int placeRows(const Context& c, PlacedDocument& doc, int firstTableTop) {
    const Measures& m = c.m;
    static const Row kEmptyRow{};
    const std::vector<Row>& rows = c.texts.cells;
    // A table without rows still shows one empty row under its header.
    const std::size_t count = std::max<std::size_t>(rows.size(), 1);
    int tableTop = firstTableTop;
    int onPage = 0;
    int bottom = tableTop;
    for (std::size_t i = 0; i < count; ++i) {
        // The header's bottom line is the table's top on every page: a further page repeats
        // the header at its top margin, and its rows count from under it.
        const bool newPage = onPage == 0 && i > 0;
        if (newPage) {
            doc.pages.emplace_back();
        }
        PageWriter page(doc.pages.back(), c.geometry);
        if (newPage) {
            tableTop = placeInvoiceTableHeader(c, page, m.top);
        }
        bottom = tableTop + (onPage + 1) * m.rowHeight;
        placeRowCells(c, page, i < rows.size() ? rows[i] : kEmptyRow, bottom - m.rowHeight);
        ++doc.pages.back().tableRows;
        if (bottom > m.rowLimit || i + 1 == count) {
            closeTablePage(c, page, tableTop, bottom);
            onPage = 0;
        } else {
            page.horizontal(m.columns[1], m.columns[5], bottom);
            ++onPage;
        }
    }
    return bottom;
}

void placeClosingBlocks(const Context& c, PlacedDocument& doc, int lastRowBottom) {
    const Measures& m = c.m;
    // How far under the last row each block's last line ends: block 3 starts a line step
    // below the row, each block follows the one before it, and block 5 ends with the
    // signature line. Each block counts once, so that what fits on the page stays there.
    const int t3 = (c.lines(Clause3) + 1) * m.hb;
    const int t34 = c.lines(Clause4) * m.hb + t3;
    const Signatures signatures = signaturesOf(c.texts);
    const int t345 = t34 + (c.lines(Clause5) + signatures.lines()) * m.hb;
    // Blocks stay whole: as many of clauses 3, 4 and 5 as fit stay under the table, in order,
    // and the rest opens one more page.
    const int room = m.textBottom - lastRowBottom;
    const int kept = t345 <= room ? 3 : t34 <= room ? 2 : t3 <= room ? 1 : 0;
    if (kept > 0) {
        placeBlocks(c, doc.pages.back(), 3, 2 + kept, lastRowBottom + m.hb, signatures);
    }
    if (kept < 3) {
        doc.pages.emplace_back();
        placeBlocks(c, doc.pages.back(), 3 + kept, 5, m.top, signatures);
    }
}

} // namespace kestrelon::offset_act
