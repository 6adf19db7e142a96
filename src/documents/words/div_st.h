#pragma once
// Word wrapping of names and clauses into at most four lines of a given width.

#include "text_metrics.h"

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace kestrelon {

// The names and clauses of the documents' boxes and blocks have four lines at most.
inline constexpr std::size_t kBlockLines = 4;
// A text in a column with room below it takes as many lines as it needs.
inline constexpr std::size_t kAnyLines = std::numeric_limits<std::size_t>::max();
// Ends a line whose text was cut: "…" in code page 1251.
inline const std::string kEllipsis = "\x85";

struct WrappedText {
    std::vector<std::string> lines; // at most maxLines
    bool cut = false;               // text was dropped; the last line then ends in "…"
};

// Walks the words: a word joins the line while the line stays strictly narrower than
// maxWidth; a word too wide for a line of its own is broken after its last character that
// fits and goes on over the next lines. Text that does not fit in maxLines lines is cut, and
// the cut is shown by an ellipsis on the last line.
WrappedText DivSt(const std::string& text, const FontSpec& font, int maxWidth,
                  const TextMetrics& metrics, std::size_t maxLines = kBlockLines);

// A text not wider than maxWidth stays whole on one line; a wider one is wrapped by DivSt.
// There is always at least one line, empty for an empty text.
WrappedText wrapWider(const std::string& text, const FontSpec& font, int maxWidth,
                      const TextMetrics& metrics, std::size_t maxLines = kBlockLines);

} // namespace kestrelon
