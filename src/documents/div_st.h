#pragma once
// Word wrapping of names and clauses into at most four lines of a given width.

#include "text_metrics.h"

#include <string>
#include <vector>

namespace kestrelon {

struct WrappedText {
    std::vector<std::string> lines; // at most four
    bool cut = false;               // text was dropped; the last line then ends in "…"
};

// Walks the words: a word joins the line while the line stays strictly narrower than
// maxWidth; a word too wide for a line of its own is broken after its last character that
// fits and goes on over the next lines. Text that does not fit in four lines is cut, and the
// cut is shown by an ellipsis on the last line.
WrappedText DivSt(const std::string& text, const FontSpec& font, int maxWidth,
                  const TextMetrics& metrics);

} // namespace kestrelon
