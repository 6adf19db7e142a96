#include "general_number.h"

namespace kestrelon {

std::string generalNumber(std::uint64_t units, unsigned decimals, char separator) {
    if (decimals == 0) {
        return std::to_string(units);
    }
    std::uint64_t scale = 1;
    for (unsigned i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    std::string fraction = std::to_string(units % scale);
    fraction.insert(0, decimals - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    std::string text = std::to_string(units / scale);
    if (!fraction.empty()) {
        text += separator;
        text += fraction;
    }
    return text;
}

std::string cutGeneralNumber(std::string text, std::size_t length, char separator) {
    if (text.size() <= length || length == 0) {
        return text.substr(0, length);
    }
    text.resize(length);
    if (text.find(separator) != std::string::npos) {
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == separator) {
            text.pop_back();
        }
    }
    return text;
}

} // namespace kestrelon
