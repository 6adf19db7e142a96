// Conversion between the records' code page 1251 and UTF-8.

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

struct Conversion {
    const char* utf8;
    const char* cp1251;
};

constexpr Conversion kBothWays[] = {
    {"Kestrelon 1.0", "Kestrelon 1.0"},
    {"Ё", "\xA8"},
    {"ё", "\xB8"},
    {"№", "\xB9"},
    {"€", "\x88"},
    {"«—»", "\xAB\x97\xBB"},
    {"ООО \"Ромашка\"", "\xCE\xCE\xCE \"\xD0\xEE\xEC\xE0\xF8\xEA\xE0\""},
};

TEST(Cp1251, ConvertsBothWays) {
    for (const auto& c : kBothWays) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251);
        EXPECT_EQ(cp1251ToUtf8(c.cp1251), c.utf8);
    }
}

TEST(Cp1251, RussianAlphabetIsTheBytesC0ToFF) {
    const std::string alphabet = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
                                 "абвгдежзийклмнопрстуфхцчшщъыьэюя";
    std::string bytes;
    for (int b = 0xC0; b <= 0xFF; ++b) {
        bytes += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1251(alphabet), bytes);
    EXPECT_EQ(cp1251ToUtf8(bytes), alphabet);
}

TEST(Cp1251, CharacterItCannotHoldBecomesQuestionMark) {
    const Conversion cases[] = {
        {"中", "?"},           {"😀", "?"},    {"a中b😀c", "a?b?c"},
        {"€中№", "\x88?\xB9"}, {"\xFF", "?"}, {"x\xD0", "x?"}, // malformed UTF-8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8ToCp1251(c.utf8), c.cp1251);
    }
}

TEST(Cp1251, EveryByteSurvivesRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b <= 0xFF; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << "byte " << b;
        all += one;
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

TEST(Cp1251, LiteralGivesCp1251Bytes) {
    EXPECT_EQ("Я"_cp, "\xDF");
    EXPECT_EQ("№ 5"_cp, "\xB9 5");
}

// The one codec every reader and writer uses: a character at a time, both ways.
TEST(Cp1251, CharactersOneAtATime) {
    const struct {
        char32_t codePoint;
        const char* utf8;
        char cp1251;
    } cases[] = {
        {U'A', "A", 'A'},           {U'Я', "Я", '\xDF'},
        {U'№', "№", '\xB9'},        {U'\u00A0', "\u00A0", '\xA0'},
        {U'\u202F', "\u202F", '?'}, {U'😀', "😀", '?'},
    };
    for (const auto& c : cases) {
        std::string written;
        appendUtf8(written, c.codePoint);
        EXPECT_EQ(written, c.utf8);
        std::size_t pos = 0;
        EXPECT_EQ(nextUtf8(written, pos), c.codePoint);
        EXPECT_EQ(pos, written.size());
        EXPECT_EQ(cp1251Of(c.codePoint), c.cp1251);
    }
    std::size_t pos = 0;
    EXPECT_EQ(nextUtf8("\xD0", pos), U'\uFFFD') << "a sequence cut short";
}

} // namespace
} // namespace kestrelon
