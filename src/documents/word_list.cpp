#include "word_list.h"

namespace kestrelon {
namespace {

template <typename IsSeparator> WordList split(std::string_view text, IsSeparator isSeparator) {
    WordList words;
    std::size_t i = 0;
    while (i < text.size() && words.size() < kMaxWords) {
        while (i < text.size() && isSeparator(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !isSeparator(text[i])) {
            ++i;
        }
        if (i > start) {
            words.emplace_back(text.substr(start, std::min(i - start, kMaxWordLength)));
        }
    }
    return words;
}

} // namespace

WordList SplitWords(std::string_view text) {
    return split(text, [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

WordList SplitBySeparator(std::string_view text, char separator) {
    return split(text, [separator](char c) { return c == separator; });
}

} // namespace kestrelon
