#pragma once
// The lines of a text as a memo lists them.

#include <string_view>
#include <vector>

namespace kestrelon::tariff {

// The text split at each '\n'. A line break at the very end ends the last line and opens no
// empty one after it, so "a\nb\n" has two lines and an empty text none.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace kestrelon::tariff
