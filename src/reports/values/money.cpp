#include "money.h"

#include <cmath>
#include <limits>

namespace kestrelon {

static_assert(std::numeric_limits<long double>::digits == 64,
              "VAT arithmetic needs 80-bit extended precision");

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSeparator(char c) {
    return c == ',' || c == '-' || c == '.';
}

RubleKopek rejected(RubleKopek::Status status) {
    RubleKopek r;
    r.status = status;
    return r;
}

} // namespace

RubleKopek DivRubleKopek(std::string_view input) {
    std::string s(input);
    int integerDigits = 0, separators = 0, fractionDigits = 0;
    for (char c : s) {
        if (isDigit(c)) {
            ++(separators == 0 ? integerDigits : fractionDigits);
        } else if (isSeparator(c)) {
            ++separators;
        } else {
            separators = 2;
            break;
        }
    }
    if (!(integerDigits > 0 && separators < 2 && fractionDigits < 3)) {
        return rejected(RubleKopek::Malformed);
    }
    if (separators > 0 && fractionDigits != 2) {
        if (fractionDigits == 1) {
            s += '0';
            fractionDigits = 2;
        } else {
            s.pop_back();
            separators = 0;
        }
    }
    RubleKopek r;
    if (separators > 0) {
        r.rubles = s.substr(0, integerDigits);
        r.kopecks = s.substr(integerDigits + 1, fractionDigits);
    } else {
        r.rubles = s;
    }
    if (r.rubles.size() > 9) {
        return rejected(RubleKopek::TooManyDigits);
    }
    if (r.rubles.find_first_not_of('0') == std::string::npos) {
        r.rubles.assign(1, '0');
    }
    r.text = s;
    return r;
}

KopecksOrError RubToKop(std::string_view rubles, std::string_view kopecks) {
    if (rubles.empty() && kopecks.empty()) {
        return {0, AmountError::Malformed};
    }
    std::uint64_t r = 0, k = 0;
    for (char c : rubles) {
        if (!isDigit(c) || r > kMaxRubles) {
            return {0, isDigit(c) ? AmountError::TooLarge : AmountError::Malformed};
        }
        r = r * 10 + static_cast<unsigned>(c - '0');
    }
    for (char c : kopecks) {
        if (!isDigit(c)) {
            return {0, AmountError::Malformed};
        }
        k = k * 10 + static_cast<unsigned>(c - '0');
    }
    if (r > kMaxRubles || kopecks.size() > 2) {
        return {0, r > kMaxRubles ? AmountError::TooLarge : AmountError::Malformed};
    }
    return {static_cast<std::uint32_t>(r * 100 + k), AmountError::None};
}

KopecksOrError parseAmount(std::string_view text) {
    const RubleKopek parts = DivRubleKopek(text);
    switch (parts.status) {
    case RubleKopek::Malformed:
        return {0, AmountError::Malformed};
    case RubleKopek::TooManyDigits:
        return {0, AmountError::TooLarge};
    case RubleKopek::Valid:
        break;
    }
    return RubToKop(parts.rubles, parts.kopecks);
}

std::string KopToRub(std::uint32_t kopecks) {
    return kopecksText(kopecks);
}

std::string kopecksText(std::uint64_t kopecks) {
    const std::uint64_t rest = kopecks % 100;
    std::string text = std::to_string(kopecks / 100) + ".";
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

std::string groupedAmount(std::uint64_t kopecks) {
    const std::string rubles = std::to_string(kopecks / 100);
    std::string text;
    for (std::size_t i = 0; i < rubles.size(); ++i) {
        if (i > 0 && (rubles.size() - i) % 3 == 0) {
            text += ' ';
        }
        text += rubles[i];
    }
    const std::string withKopecks = kopecksText(kopecks);
    return text + ',' + withKopecks.substr(withKopecks.size() - 2);
}

std::optional<std::uint32_t> KopMinusRub(std::uint32_t base, std::uint32_t amount) {
    if (base < amount) {
        return std::nullopt;
    }
    return base - amount;
}

VatFactors vatFactors(int ratePercent) {
    // Each constant is one correctly rounded division of two whole numbers, so at 18 % it is
    // the same extended value as the literal 0.18L, 18.0L / 118.0L or 1.18L.
    const long double r = ratePercent;
    return {r / 100.0L, r / (100.0L + r), (100.0L + r) / 100.0L};
}

std::optional<std::uint32_t> CalcNds(NdsMode mode, std::uint32_t kopecks, int ratePercent) {
    const VatFactors f = vatFactors(ratePercent);
    const long double x = kopecks;
    long double result = 0;
    switch (mode) {
    case NdsMode::VatFromNet:
        result = x * f.share;
        break;
    case NdsMode::VatFromGross:
        result = x * f.containedShare;
        break;
    case NdsMode::GrossFromNet:
        result = x * f.share + x;
        break;
    case NdsMode::NetFromGross:
        result = x / f.grossFactor;
        break;
    case NdsMode::NetFromVat:
        result = x / f.share;
        break;
    case NdsMode::GrossFromVat:
        result = x / f.share + x;
        break;
    }
    const long double rounded = std::rintl(result);
    if (!(rounded >= 0.0L && rounded <= 4294967295.0L)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(rounded);
}

std::optional<std::uint32_t> addKopecks(std::uint32_t a, std::uint32_t b) {
    if (a > std::numeric_limits<std::uint32_t>::max() - b) {
        return std::nullopt;
    }
    return a + b;
}

} // namespace kestrelon
