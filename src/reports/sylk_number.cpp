#include "sylk_number.h"

#include <charconv>
#include <cmath>
#include <cstddef>

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

} // namespace kestrelon
