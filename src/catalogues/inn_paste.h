#pragma once
// Pasting into the INN field. A cell copied from a spreadsheet brings blanks and a line end
// around the number; those are dropped. Anything else is refused with a message, so that a
// paste never vanishes without a word.

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelon {

inline constexpr std::size_t kInnDigits = 12;

struct InnPaste {
    std::string digits;  // what goes into the field, when the paste is taken
    std::string refusal; // the message, empty when the paste is taken
};

// `pasted` is cp1251; `kept` is the number of the field's digits that the paste does not
// replace (the text outside the selection).
InnPaste pasteIntoInn(std::string_view pasted, std::size_t kept);

} // namespace kestrelon
