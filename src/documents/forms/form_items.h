#pragma once
// The texts of a one-page form (the invoice, the act) as they are placed: each item on one
// line, or on several when it is wrapped to the width of its column.

#include "documents/page/document_text.h"
#include "documents/page/layout_helpers.h"
#include "documents/page/page_geometry.h"
#include "documents/page/placed_document.h"
#include "documents/words/text_metrics.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kestrelon {

class FormItems {
public:
    // Items 0 .. count - 1 of the texts (an item beyond the list is empty), each whole.
    FormItems(const DocumentText& texts, std::size_t count);

    // The item's whole text, whether it is wrapped or not.
    const std::string& text(std::size_t i) const { return whole_[i]; }

    // An item wider than `width` is wrapped into as many lines as it needs (its column has
    // room below it), each `step` pixels under the one before.
    void wrap(std::size_t i, const FontSpec& font, int width, int step, const TextMetrics& metrics);

    int lines(std::size_t i) const { return static_cast<int>(lines_[i].size()); }
    // The lines of items first .. end - 1 together, and how many more that is than one each:
    // what wrapping adds to the height of their stack.
    int linesOf(std::size_t first, std::size_t end) const;
    int extraLines(std::size_t first, std::size_t end) const {
        return linesOf(first, end) - static_cast<int>(end - first);
    }

    // Item i's first line at at[i] is placed text i, so that the page's list keeps the
    // items' order; the further lines of wrapped items follow after the last item.
    void place(PlacedPage& page, std::span<const PixelPoint> at,
               const std::function<FontSpec(std::size_t)>& font,
               const PageGeometry& geometry) const;

private:
    std::vector<std::string> whole_;
    std::vector<std::vector<std::string>> lines_;
    std::vector<int> steps_;
};

} // namespace kestrelon
