#include "date_text.h"

namespace kestrelon {

std::string shortDateText(int day, int month, int year) {
    std::string text = std::to_string(day) + ".";
    text += static_cast<char>('0' + month / 10 % 10);
    text += static_cast<char>('0' + month % 10);
    return text + "." + std::to_string(year);
}

} // namespace kestrelon
