#include "offset_act_page_line.h"

#include "documents/words/numeric_date.h"
#include "offset_act_layout.h"
#include "store/cp1251.h"

namespace kestrelon::offset_act {

std::string pageLineHead(const std::string& number, const std::string& date) {
    const std::string figures = numericDate(date);
    return "Акт зачета взаимных требований № "_cp + number +
           (figures.empty() ? std::string() : " от "_cp + figures);
}

std::string pageLineText(const std::string& head, std::size_t page, std::size_t pages) {
    return head + " — лист "_cp + std::to_string(page) + " из "_cp + std::to_string(pages);
}

// Right-aligned to the table's right edge, under everything else of the page: the rows and
// the closing text end at most half a row into the bottom margin.
void placePageLines(const Context& c, PlacedDocument& doc) {
    const std::size_t pages = doc.pages.size();
    if (pages < 2) {
        return;
    }
    for (std::size_t p = 0; p < pages; ++p) {
        const std::string line = pageLineText(c.item(kPageLine), p + 1, pages);
        PageWriter page(doc.pages[p], c.geometry);
        page.text(line, c.m.right - c.width(line, c.m.pageLine), c.m.pageLineY, c.m.pageLine);
    }
}

} // namespace kestrelon::offset_act
