#include "word_list.h"

#include <algorithm>
#include <limits>

namespace kestrelon {
namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

template <typename IsSeparator>
WordList split(std::string_view text, IsSeparator isSeparator, std::size_t maxWords = kMaxWords,
               std::size_t maxLength = kMaxWordLength) {
    WordList words;
    std::size_t i = 0;
    while (i < text.size() && words.size() < maxWords) {
        while (i < text.size() && isSeparator(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !isSeparator(text[i])) {
            ++i;
        }
        if (i > start) {
            words.emplace_back(text.substr(start, std::min(i - start, maxLength)));
        }
    }
    return words;
}

} // namespace

WordList SplitWords(std::string_view text) {
    return split(text, isBlank);
}

WordList SplitWordsWhole(std::string_view text) {
    return split(text, isBlank, kNoLimit, kNoLimit);
}

WordList SplitBySeparator(std::string_view text, char separator) {
    return split(text, [separator](char c) { return c == separator; });
}

} // namespace kestrelon
