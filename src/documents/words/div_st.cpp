#include "div_st.h"

#include "word_list.h"

#include <utility>

namespace kestrelon {
namespace {

class Wrapper {
public:
    Wrapper(const FontSpec& font, int maxWidth, const TextMetrics& metrics, std::size_t maxLines)
        : font_(font), maxWidth_(maxWidth), metrics_(metrics), maxLines_(maxLines) {}

    bool fits(const std::string& text) const { return metrics_.width(text, font_) < maxWidth_; }

    // The number of leading characters of the word that stay strictly narrower than the line;
    // 0 when not even the first one does.
    std::size_t fittingLength(const std::string& word) const {
        std::size_t n = 0;
        while (n < word.size() && fits(word.substr(0, n + 1))) {
            ++n;
        }
        return n;
    }

    // Whole words give way to the ellipsis first; the line's only word then gives way
    // character by character, so that as much of a long name as possible stays readable.
    void markCut(std::string& line) const {
        while (!line.empty() && !fits(line + kEllipsis)) {
            const auto blank = line.find_last_of(' ');
            line.erase(blank == std::string::npos ? line.size() - 1 : blank);
        }
        line += kEllipsis;
    }

    bool onLastLine(const std::vector<std::string>& lines) const {
        return lines.size() + 1 >= maxLines_;
    }

private:
    const FontSpec& font_;
    int maxWidth_;
    const TextMetrics& metrics_;
    std::size_t maxLines_;
};

// A word wider than the line is broken after its last character that fits: each piece fills
// a line of its own and what is left starts the next one, so that a name written without
// blanks is never lost from the document. Returns what is left; it is still too wide only
// when the lines ran out or a single character is wider than the line.
std::string breakWord(std::string word, std::vector<std::string>& lines, const Wrapper& wrapper) {
    while (!wrapper.fits(word) && !wrapper.onLastLine(lines)) {
        const std::size_t piece = wrapper.fittingLength(word);
        if (piece == 0) {
            break;
        }
        lines.push_back(word.substr(0, piece));
        word.erase(0, piece);
    }
    return word;
}

} // namespace

WrappedText DivSt(const std::string& text, const FontSpec& font, int maxWidth,
                  const TextMetrics& metrics, std::size_t maxLines) {
    const Wrapper wrapper(font, maxWidth, metrics, maxLines);
    WrappedText result;
    const WordList words = SplitWordsWhole(text);
    std::string line;
    std::size_t w = 0;
    for (; w < words.size(); ++w) {
        const std::string candidate = line.empty() ? words[w] : line + " " + words[w];
        if (wrapper.fits(candidate)) {
            line = candidate;
            continue;
        }
        if (!line.empty()) {
            if (wrapper.onLastLine(result.lines)) {
                break;
            }
            result.lines.push_back(std::exchange(line, std::string()));
        }
        const std::string rest = breakWord(words[w], result.lines, wrapper);
        if (!wrapper.fits(rest)) {
            line = rest.substr(0, wrapper.fittingLength(rest));
            break;
        }
        line = rest;
    }
    if (!line.empty()) {
        result.lines.push_back(line);
    }
    result.cut = w < words.size();
    if (result.cut) {
        if (result.lines.empty()) {
            result.lines.emplace_back();
        }
        wrapper.markCut(result.lines.back());
    }
    return result;
}

WrappedText wrapWider(const std::string& text, const FontSpec& font, int maxWidth,
                      const TextMetrics& metrics, std::size_t maxLines) {
    if (metrics.width(text, font) <= maxWidth) {
        return WrappedText{{text}, false};
    }
    WrappedText wrapped = DivSt(text, font, maxWidth, metrics, maxLines);
    if (wrapped.lines.empty()) {
        wrapped.lines.emplace_back();
    }
    return wrapped;
}

} // namespace kestrelon
