#include "amount_words.h"

#include "reports/values/money.h"
#include "store/cp1251.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace kestrelon {
namespace {

// A line of words never comes near this, but the documents hold at most 255 characters.
constexpr std::size_t kMaxLineLength = 255;

enum class Gender { Masculine, Feminine };

// Singular ("тысяча"), paucal ("тысячи") and plural ("тысяч") of a counted word.
using WordForms = std::array<std::string, 3>;

// Russian picks the form by the last digit, except that 11..19 always take the plural:
// 1 -> singular, 2..4 -> paucal, 0 and 5..9 -> plural.
const std::string& formFor(std::string_view digits, const WordForms& forms) {
    const char last = digits.empty() ? '0' : digits.back();
    const bool teen = digits.size() >= 2 && digits[digits.size() - 2] == '1';
    if (teen || last == '0' || last >= '5') {
        return forms[2];
    }
    return last == '1' ? forms[0] : forms[1];
}

void appendWord(std::string& line, const std::string& word) {
    if (!line.empty()) {
        line += ' ';
    }
    line += word;
}

// One group of three digits (1..999) in words; the thousands are counted in the feminine.
void appendGroup(std::string& line, std::uint32_t group, Gender gender) {
    static const std::array<std::string, 10> hundreds = {
        "",           "сто"_cp,      "двести"_cp,  "триста"_cp,    "четыреста"_cp,
        "пятьсот"_cp, "шестьсот"_cp, "семьсот"_cp, "восемьсот"_cp, "девятьсот"_cp};
    static const std::array<std::string, 10> teens = {
        "десять"_cp,     "одиннадцать"_cp, "двенадцать"_cp, "тринадцать"_cp,   "четырнадцать"_cp,
        "пятнадцать"_cp, "шестнадцать"_cp, "семнадцать"_cp, "восемнадцать"_cp, "девятнадцать"_cp};
    static const std::array<std::string, 10> tens = {
        "",
        "",
        "двадцать"_cp,
        "тридцать"_cp,
        "сорок"_cp,
        "пятьдесят"_cp,
        "шестьдесят"_cp,
        "семьдесят"_cp,
        "восемьдесят"_cp,
        "девяносто"_cp,
    };
    static const std::array<std::string, 10> units = {
        "",        "один"_cp,  "два"_cp,  "три"_cp,    "четыре"_cp,
        "пять"_cp, "шесть"_cp, "семь"_cp, "восемь"_cp, "девять"_cp};
    static const std::array<std::string, 3> feminineUnits = {"", "одна"_cp, "две"_cp};

    if (group / 100 != 0) {
        appendWord(line, hundreds[group / 100]);
    }
    const std::uint32_t ten = group % 100 / 10;
    const std::uint32_t unit = group % 10;
    if (ten == 1) {
        appendWord(line, teens[unit]);
        return;
    }
    if (ten != 0) {
        appendWord(line, tens[ten]);
    }
    if (unit != 0) {
        appendWord(line,
                   gender == Gender::Feminine && unit < 3 ? feminineUnits[unit] : units[unit]);
    }
}

// A group of millions or thousands with its scale word; a zero group says nothing at all.
void appendScaledGroup(std::string& line, std::uint32_t group, Gender gender,
                       const WordForms& scale) {
    if (group == 0) {
        return;
    }
    appendGroup(line, group, gender);
    appendWord(line, formFor(std::to_string(group), scale));
}

// Steps shared by the capitalised line and the one used inside a sentence.
std::optional<std::string> rubleKopekLine(std::string_view amount) {
    static const WordForms rubles = {"рубль"_cp, "рубля"_cp, "рублей"_cp};
    static const WordForms kopecks = {"копейка"_cp, "копейки"_cp, "копеек"_cp};

    const RubleKopek parts = DivRubleKopek(amount);
    if (parts.status != RubleKopek::Valid) {
        return std::nullopt;
    }
    const std::string kopeckDigits = parts.kopecks.empty() ? std::string("00") : parts.kopecks;
    std::string line = parts.rubles == "0" ? "ноль"_cp : NumToLet(parts.rubles);
    line += ' ' + formFor(parts.rubles, rubles);
    line += ' ' + kopeckDigits + ' ' + formFor(kopeckDigits, kopecks);
    if (line.size() > kMaxLineLength) {
        line.resize(kMaxLineLength);
    }
    return line;
}

} // namespace

std::string NumToLet(std::string_view digits) {
    static const WordForms millions = {"миллион"_cp, "миллиона"_cp, "миллионов"_cp};
    static const WordForms thousands = {"тысяча"_cp, "тысячи"_cp, "тысяч"_cp};

    std::uint32_t n = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, n);
    if (error != std::errc() || stop != end || n > 999999999) {
        return {};
    }
    std::string line;
    appendScaledGroup(line, n / 1000000, Gender::Masculine, millions);
    appendScaledGroup(line, n % 1000000 / 1000, Gender::Feminine, thousands);
    if (n % 1000 != 0) {
        appendGroup(line, n % 1000, Gender::Masculine);
    }
    return line;
}

std::optional<std::string> NumToLetRubleKopek(std::string_view amount) {
    std::optional<std::string> line = rubleKopekLine(amount);
    if (line && !line->empty()) {
        // Code page 1251 keeps the lower-case Cyrillic letters 32 codes above their capitals.
        const auto first = static_cast<unsigned char>(line->front());
        if (first >= 0xE0) {
            line->front() = static_cast<char>(first - 32);
        }
    }
    return line;
}

std::optional<std::string> amountInWords(std::string_view amount) {
    return rubleKopekLine(amount);
}

} // namespace kestrelon
