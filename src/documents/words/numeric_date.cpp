#include "numeric_date.h"

#include "word_list.h"

#include <charconv>
#include <optional>

namespace kestrelon {
namespace {

// A piece of digits only within [low, high]; nullopt for anything else.
std::optional<unsigned> digitsIn(std::string_view piece, unsigned low, unsigned high) {
    unsigned value = 0;
    const char* end = piece.data() + piece.size();
    const auto [stop, error] = std::from_chars(piece.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string twoDigits(unsigned value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string numericDate(std::string_view date) {
    const WordList pieces = SplitBySeparator(date, '.');
    if (pieces.size() != 3) {
        return {};
    }
    const std::optional<unsigned> day = digitsIn(pieces[0], 1, 31);
    const std::optional<unsigned> month = digitsIn(pieces[1], 1, 12);
    const std::string& year = pieces[2];
    const bool fullYear = year.size() == 4 && digitsIn(year, 0, 9999);
    const bool shortYear = year.size() <= 2 && digitsIn(year, 0, 99);
    if (!day || !month || !(fullYear || shortYear)) {
        return {};
    }
    const std::string fourDigits = fullYear ? year : "20" + twoDigits(*digitsIn(year, 0, 99));
    return twoDigits(*day) + '.' + twoDigits(*month) + '.' + fourDigits;
}

} // namespace kestrelon
