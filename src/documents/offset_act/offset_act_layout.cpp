#include "offset_act_layout.h"

#include "documents/page/layout_helpers.h"

#include <algorithm>

namespace kestrelon::offset_act {

const std::string& Context::item(std::size_t i) const {
    static const std::string kEmpty;
    return i < texts.items.size() ? texts.items[i] : kEmpty;
}

int Context::lines(Block block) const {
    return std::clamp(texts.lineCounts[block], 1, static_cast<int>(kBlockItems));
}

PageWriter::PageWriter(PlacedPage& page, const PageGeometry& geometry)
    : page_(page), geometry_(geometry), pen_(geometry.printer ? geometry.printerPen(0.25) : 1) {}

void PageWriter::text(const std::string& text, int x, int y, const FontSpec& font) {
    page_.texts.push_back(placeText(text, x, geometry_.yUm(y), font, geometry_));
}

void PageWriter::horizontal(int x1, int x2, int y) {
    const int row = geometry_.yUm(y);
    page_.lines.push_back(placeLine(x1, row, x2, row, pen_, geometry_));
}

void PageWriter::vertical(int x, int y1, int y2) {
    page_.lines.push_back(placeLine(x, geometry_.yUm(y1), x, geometry_.yUm(y2), pen_, geometry_));
}

void PageWriter::columns(const Measures& m, int top, int bottom) {
    for (int x : m.columns) {
        vertical(x, top, bottom);
    }
}

void placeBlock(const Context& c, PageWriter& page, std::size_t first, Block block, int x, int y) {
    for (int k = 0; k < c.lines(block); ++k) {
        page.text(c.item(first + k), x, y + k * c.m.hb, c.m.body);
    }
}

} // namespace kestrelon::offset_act
