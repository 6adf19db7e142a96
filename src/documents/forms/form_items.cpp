#include "form_items.h"

#include "documents/words/div_st.h"

namespace kestrelon {

FormItems::FormItems(const DocumentText& texts, std::size_t count)
    : whole_(count), lines_(count), steps_(count, 0) {
    for (std::size_t i = 0; i < count; ++i) {
        whole_[i] = i < texts.size() ? texts[i] : std::string();
        lines_[i] = {whole_[i]};
    }
}

void FormItems::wrap(std::size_t i, const FontSpec& font, int width, int step,
                     const TextMetrics& metrics) {
    lines_[i] = wrapWider(whole_[i], font, width, metrics, kAnyLines).lines;
    steps_[i] = step;
}

int FormItems::linesOf(std::size_t first, std::size_t end) const {
    int count = 0;
    for (std::size_t i = first; i < end; ++i) {
        count += lines(i);
    }
    return count;
}

void FormItems::place(PlacedPage& page, std::span<const PixelPoint> at,
                      const std::function<FontSpec(std::size_t)>& font,
                      const PageGeometry& geometry) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        page.texts.push_back(placeText(lines_[i].front(), at[i].x, at[i].y, font(i), geometry));
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        for (std::size_t k = 1; k < lines_[i].size(); ++k) {
            const int y = at[i].y + steps_[i] * static_cast<int>(k);
            page.texts.push_back(placeText(lines_[i][k], at[i].x, y, font(i), geometry));
        }
    }
}

} // namespace kestrelon
