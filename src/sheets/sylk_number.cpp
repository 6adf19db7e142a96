#include "sylk_number.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace kestrelon {
namespace {

// Doubles reach 1.8E+308 and go down to 4.9E-324.
constexpr long kMaxExponent = 350;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional sign and the digits of an exponent at text[pos]; nullopt when there are no
// digits or the exponent is beyond kMaxExponent.
std::optional<long> exponentAt(std::string_view text, std::size_t pos) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    long exponent = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos]) || exponent > kMaxExponent) {
            return std::nullopt;
        }
        exponent = exponent * 10 + (text[pos] - '0');
    }
    if (exponent > kMaxExponent) {
        return std::nullopt;
    }
    return negative ? -exponent : exponent;
}

// digits with the decimal point after its first `point` digits (point may lie outside).
std::string placePoint(const std::string& digits, long point) {
    std::string integer;
    std::string fraction;
    const auto size = static_cast<long>(digits.size());
    if (point <= 0) {
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= size) {
        integer = digits + std::string(static_cast<std::size_t>(point - size), '0');
    } else {
        integer = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    integer.erase(0, integer.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (integer.empty() ? "0" : integer) + (fraction.empty() ? "" : "." + fraction);
}

// The digits of a plain decimal from its first to its last that is not zero; nullopt for any
// other text. A whole part with a leading zero ("0012") is a code, not a number.
std::optional<std::size_t> significantDigits(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto allDigits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (integer.empty() || !allDigits(integer) || !allDigits(fraction) ||
        (integer.size() > 1 && integer.front() == '0') ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    const std::size_t first = text.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const std::size_t last = text.find_last_of("123456789");
    return last - first + 1 - (point > first && point < last ? 1 : 0);
}

} // namespace

std::optional<std::string> plainDecimal(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos++] == '-';
    }
    std::string digits;
    std::optional<std::size_t> integerDigits; // set at the point
    for (; pos < text.size(); ++pos) {
        if (isDigit(text[pos])) {
            digits += text[pos];
        } else if (text[pos] == '.' && !integerDigits) {
            integerDigits = digits.size();
        } else {
            break;
        }
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    long exponent = 0;
    if (pos < text.size()) {
        if (text[pos] != 'e' && text[pos] != 'E') {
            return std::nullopt;
        }
        const std::optional<long> read = exponentAt(text, pos + 1);
        if (!read) {
            return std::nullopt;
        }
        exponent = *read;
    }
    const std::string plain =
        placePoint(digits, static_cast<long>(integerDigits.value_or(digits.size())) + exponent);
    return negative && plain != "0" ? "-" + plain : plain;
}

std::string plainDecimal(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    // to_chars, unlike printf, writes "." whatever the program's locale.
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 15);
    return plainDecimal(std::string_view(digits, end.ptr - digits)).value_or("0");
}

std::string spreadsheetDigits(std::string text) {
    constexpr std::size_t kDoubleDigits = 15;
    const std::optional<std::size_t> digits = significantDigits(text);
    if (!digits || *digits <= kDoubleDigits) {
        return text;
    }
    // from_chars, unlike strtod, reads "." whatever the program's locale.
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return text;
    }
    return plainDecimal(value);
}

std::optional<std::string> cellNumber(std::string_view written) {
    std::optional<std::string> plain = plainDecimal(written);
    if (plain) {
        *plain = spreadsheetDigits(std::move(*plain));
    }
    return plain;
}

} // namespace kestrelon
