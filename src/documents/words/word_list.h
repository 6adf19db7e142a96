#pragma once
// Splitting texts into words and pieces, as the documents need them.

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// A split yields at most 64 pieces, each at most 64 characters.
inline constexpr std::size_t kMaxWords = 64;
inline constexpr std::size_t kMaxWordLength = 64;

using WordList = std::vector<std::string>;

// The maximal runs of characters above the blank; blanks and control characters separate.
WordList SplitWords(std::string_view text);

// The same words without either limit, for wrapping, where no character may be lost.
WordList SplitWordsWhole(std::string_view text);

// The maximal runs of characters other than the separator; no empty pieces.
WordList SplitBySeparator(std::string_view text, char separator);

} // namespace kestrelon
