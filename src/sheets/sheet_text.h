#pragma once
// What reading a spreadsheet file gives: the register text a paste of its sheet gives, or why
// the file cannot be read.

#include <string>

namespace kestrelon {

struct SheetText {
    std::string text;    // cp1251; rows of TAB-separated cells joined by "\n"
    std::string message; // cp1251; why the file cannot be read
    bool ok() const { return message.empty(); }
};

} // namespace kestrelon
