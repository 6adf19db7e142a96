#include "sentence_wrap.h"

#include <utility>

namespace kestrelon {

WrappedText wrapNamingSentence(const NamingSentence& s, const FontSpec& font, int maxWidth,
                               const TextMetrics& metrics) {
    const auto wrap = [&](const std::string& name) {
        return wrapWider(s.before + name + s.after, font, maxWidth, metrics);
    };
    const WrappedText whole = wrap(s.name);
    if (!whole.cut || s.name.empty()) {
        return whole;
    }
    // The longest start of the name with which the sentence still fits; a longer name never
    // takes fewer lines, so the search can halve the range.
    std::size_t fits = 0;
    std::size_t over = s.name.size();
    WrappedText best = wrap(kEllipsis);
    if (best.cut) {
        return whole;
    }
    while (over - fits > 1) {
        const std::size_t middle = fits + (over - fits) / 2;
        WrappedText tried = wrap(s.name.substr(0, middle) + kEllipsis);
        if (tried.cut) {
            over = middle;
        } else {
            fits = middle;
            best = std::move(tried);
        }
    }
    return best;
}

} // namespace kestrelon
