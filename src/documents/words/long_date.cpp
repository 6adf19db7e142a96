#include "long_date.h"

#include "reports/values/period.h"
#include "store/cp1251.h"
#include "word_list.h"

#include <array>
#include <charconv>
#include <optional>

namespace kestrelon {
namespace {

// A piece made of digits only, read as a number; nullopt for anything else.
std::optional<unsigned> digitsValue(std::string_view piece) {
    unsigned value = 0;
    const char* end = piece.data() + piece.size();
    const auto [stop, error] = std::from_chars(piece.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// "января" .. "декабря" for 1..12; empty otherwise.
std::string monthGenitive(std::string_view piece) {
    static const std::array<std::string, 12> names = {
        "января"_cp, "февраля"_cp, "марта"_cp,    "апреля"_cp,  "мая"_cp,    "июня"_cp,
        "июля"_cp,   "августа"_cp, "сентября"_cp, "октября"_cp, "ноября"_cp, "декабря"_cp};
    const std::optional<unsigned> month = digitsValue(piece);
    return month && *month >= 1 && *month <= 12 ? names[*month - 1] : std::string();
}

// The date's year as one of the report window's years: a four-character piece gives its
// last two digits, any other piece is the year yy itself, and yy stands for 2000 + yy.
// Empty when that year is not in the list.
std::string yearOfList(std::string_view piece) {
    if (!digitsValue(piece)) {
        return {};
    }
    const std::optional<unsigned> yy = digitsValue(piece.size() == 4 ? piece.substr(2) : piece);
    if (!yy || *yy > 99) {
        return {};
    }
    return yearText(2000 + static_cast<int>(*yy) - Period::kFirstYear);
}

} // namespace

std::string FormatLongDate(std::string_view date) {
    const WordList pieces = SplitBySeparator(date, '.');
    if (pieces.size() != 3) {
        return {};
    }
    const std::string month = monthGenitive(pieces[1]);
    const std::string year = yearOfList(pieces[2]);
    if (month.empty() || year.empty()) {
        return {};
    }
    return pieces[0] + ' ' + month + ' ' + year + " г."_cp;
}

} // namespace kestrelon
