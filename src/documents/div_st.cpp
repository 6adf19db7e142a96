#include "div_st.h"

#include "word_list.h"

namespace kestrelon {
namespace {

constexpr std::size_t kMaxLines = 4;
const std::string kEllipsis = "\x85"; // "…" in code page 1251

// Drops words from the end of the line until the ellipsis fits after it.
void markCut(std::string& line, const FontSpec& font, int maxWidth, const TextMetrics& m) {
    while (!line.empty() && m.width(line + kEllipsis, font) >= maxWidth) {
        const auto blank = line.find_last_of(' ');
        line.erase(blank == std::string::npos ? 0 : blank);
    }
    line += kEllipsis;
}

} // namespace

WrappedText DivSt(const std::string& text, const FontSpec& font, int maxWidth,
                  const TextMetrics& metrics) {
    WrappedText result;
    const WordList words = SplitWords(text);
    std::string line;
    std::size_t w = 0;
    for (; w < words.size(); ++w) {
        const std::string candidate = line.empty() ? words[w] : line + " " + words[w];
        if (metrics.width(candidate, font) < maxWidth) {
            line = candidate;
            continue;
        }
        if (line.empty() || result.lines.size() + 1 == kMaxLines) {
            break;
        }
        result.lines.push_back(line);
        line = words[w];
        if (metrics.width(line, font) >= maxWidth) {
            line.clear();
            break;
        }
    }
    if (!line.empty()) {
        result.lines.push_back(line);
    }
    result.cut = w < words.size();
    if (result.cut) {
        if (result.lines.empty()) {
            result.lines.emplace_back();
        }
        markCut(result.lines.back(), font, maxWidth, metrics);
    }
    return result;
}

} // namespace kestrelon
