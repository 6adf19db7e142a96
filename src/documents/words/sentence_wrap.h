#pragma once
// A sentence of a document that names an organization, wrapped into a block of four lines.

#include "div_st.h"
#include "text_metrics.h"

#include <string>

namespace kestrelon {

struct NamingSentence {
    std::string before;
    std::string name; // may be empty: then the sentence is `before` + `after`
    std::string after;
};

// The sentence's lines, as wrapWider gives them. When the sentence needs more than four lines,
// the name in it is shortened, ending in an ellipsis, until the sentence fits: the sentence's
// own words stay whole, and the document prints the name whole elsewhere. Only a sentence too
// long even without its name is cut at its end.
WrappedText wrapNamingSentence(const NamingSentence& sentence, const FontSpec& font, int maxWidth,
                               const TextMetrics& metrics);

} // namespace kestrelon
