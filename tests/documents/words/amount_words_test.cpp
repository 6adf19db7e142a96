#include "documents/words/amount_words.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

struct Case {
    const char* input;
    const char* expected; // UTF-8
};

TEST(NumToLet, SpellsTensHundredsThousandsAndMillions) {
    const Case cases[] = {
        {"1", "один"},
        {"10", "десять"},
        {"11", "одиннадцать"},
        {"19", "девятнадцать"},
        {"20", "двадцать"},
        {"21", "двадцать один"},
        {"40", "сорок"},
        {"92", "девяносто два"},
        {"100", "сто"},
        {"101", "сто один"},
        {"110", "сто десять"},
        {"111", "сто одиннадцать"},
        {"215", "двести пятнадцать"},
        {"999", "девятьсот девяносто девять"},
        {"1000", "одна тысяча"},
        {"2000", "две тысячи"},
        {"4000", "четыре тысячи"},
        {"5000", "пять тысяч"},
        {"11000", "одиннадцать тысяч"},
        {"14000", "четырнадцать тысяч"},
        {"21000", "двадцать одна тысяча"},
        {"22000", "двадцать две тысячи"},
        {"112000", "сто двенадцать тысяч"},
        {"1500", "одна тысяча пятьсот"},
        {"1000000", "один миллион"},
        {"2000000", "два миллиона"},
        {"5000000", "пять миллионов"},
        {"11000000", "одиннадцать миллионов"},
        {"1000005", "один миллион пять"},
        {"2001000", "два миллиона одна тысяча"},
        {"999999999", "девятьсот девяносто девять миллионов девятьсот девяносто девять тысяч "
                      "девятьсот девяносто девять"},
        {"0021", "двадцать один"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1251ToUtf8(NumToLet(c.input)), c.expected) << c.input;
    }
}

TEST(NumToLet, GivesNothingOutsideItsRange) {
    for (const char* input : {"0", "", "1000000000", "12a", "-5"}) {
        EXPECT_EQ(NumToLet(input), "") << input;
    }
}

TEST(NumToLetRubleKopek, WritesRublesInWordsAndKopecksInDigits) {
    const Case cases[] = {
        {"123.45", "Сто двадцать три рубля 45 копеек"},
        {"2000", "Две тысячи рублей 00 копеек"},
        {"11.5", "Одиннадцать рублей 50 копеек"},
        {"0.00", "Ноль рублей 00 копеек"},
        {"0", "Ноль рублей 00 копеек"},
        {"000", "Ноль рублей 00 копеек"},
        // A zero thousands group says nothing at all.
        {"1000001,01", "Один миллион один рубль 01 копейка"},
        {"1001001,01", "Один миллион одна тысяча один рубль 01 копейка"},
        {"999999999.99", "Девятьсот девяносто девять миллионов девятьсот девяносто девять тысяч "
                         "девятьсот девяносто девять рублей 99 копеек"},
        {"5-02", "Пять рублей 02 копейки"},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> line = NumToLetRubleKopek(c.input);
        ASSERT_TRUE(line.has_value()) << c.input;
        EXPECT_EQ(cp1251ToUtf8(*line), c.expected) << c.input;
    }
}

TEST(NumToLetRubleKopek, ChoosesTheRubleWordByTheLastTwoDigits) {
    const Case cases[] = {
        {"1", "Один рубль 00 копеек"},
        {"2", "Два рубля 00 копеек"},
        {"5", "Пять рублей 00 копеек"},
        {"11", "Одиннадцать рублей 00 копеек"},
        {"12", "Двенадцать рублей 00 копеек"},
        {"21", "Двадцать один рубль 00 копеек"},
        {"111", "Сто одиннадцать рублей 00 копеек"},
        {"1000", "Одна тысяча рублей 00 копеек"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1251ToUtf8(NumToLetRubleKopek(c.input).value_or("")), c.expected) << c.input;
    }
}

TEST(NumToLetRubleKopek, ChoosesTheKopeckWordByItsTwoDigits) {
    const Case cases[] = {
        {"00", "копеек"}, {"01", "копейка"}, {"02", "копейки"}, {"04", "копейки"}, {"05", "копеек"},
        {"09", "копеек"}, {"10", "копеек"},  {"11", "копеек"},  {"12", "копеек"},  {"14", "копеек"},
        {"19", "копеек"}, {"21", "копейка"}, {"22", "копейки"}, {"25", "копеек"},
    };
    for (const Case& c : cases) {
        const std::string expected = std::string("Три рубля ") + c.input + " " + c.expected;
        EXPECT_EQ(cp1251ToUtf8(NumToLetRubleKopek(std::string("3.") + c.input).value_or("")),
                  expected);
    }
}

TEST(NumToLetRubleKopek, RejectsWhatIsNotAnAmount) {
    for (const char* input : {"1.2.3", "12a", "1000000000", "", ".50", "1.234"}) {
        EXPECT_FALSE(NumToLetRubleKopek(input).has_value()) << input;
        EXPECT_FALSE(amountInWords(input).has_value()) << input;
    }
}

TEST(AmountInWords, KeepsTheLineInLowerCase) {
    EXPECT_EQ(cp1251ToUtf8(amountInWords("1500").value_or("")),
              "одна тысяча пятьсот рублей 00 копеек");
    EXPECT_EQ(cp1251ToUtf8(amountInWords("0,3").value_or("")), "ноль рублей 30 копеек");
}

} // namespace
} // namespace kestrelon
