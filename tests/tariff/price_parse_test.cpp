#include "store/cp1251.h"
#include "tariff/price_line.h"
#include "tariff/price_list.h"
#include "tariff/price_parse.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace kestrelon::tariff {
namespace {

struct ParsedLine {
    std::string name; // UTF-8
    std::uint32_t kopecks;
    std::string priceText;
};

// The one line a text gives, or nullopt when it is skipped.
std::optional<ParsedLine> parseOne(const char* utf8Line, char separator) {
    auto table = std::make_unique<PriceTable>();
    const ParseOutcome outcome = parsePriceText(utf8ToCp1251(utf8Line), 100, separator, *table);
    if (outcome.count == 0) {
        return std::nullopt;
    }
    const PriceEntry& e = table->Lines[0];
    return ParsedLine{cp1251ToUtf8(e.Name.view()), e.BasePrice.get(), e.PriceText.str()};
}

TEST(PriceParse, ALineIsANameAndAPriceAfterOneSeparatingCharacter) {
    struct Case {
        const char* line;
        char separator;
        std::optional<ParsedLine> expected;
    };
    const std::string longName(125, 'a');
    const std::string cutLine = longName + " 12.50"; // 131 characters: "12" stays
    const Case cases[] = {
        {"Москва   12.50", '.', ParsedLine{"Москва  ", 1250, "12.50"}},
        {"Москва   12.50", ',', ParsedLine{"Москва  ", 1250, "12,50"}},
        {"Москва 12,5", '.', ParsedLine{"Москва", 1250, "12.5"}},
        {"Москва 12.5", ',', ParsedLine{"Москва", 1250, "12,5"}},
        {"Сыр\t99 \t\r", '.', ParsedLine{"Сыр", 9900, "99"}},
        {"Хлеб 12.", '.', ParsedLine{"Хлеб", 1200, "12."}},
        {"Хлеб .5", ',', ParsedLine{"Хлеб", 50, ",5"}},
        {"Хлеб 1.234", '.', ParsedLine{"Хлеб", 123, "1.234"}},
        {"Хлеб 0,125", '.', ParsedLine{"Хлеб", 12, "0.125"}}, // 12.5 kopecks: half to even
        {"Хлеб 123.4567", '.', ParsedLine{"Хлеб", 12346, "123.456"}},
        {"  7", '.', ParsedLine{" ", 700, "7"}},
        {"Икра 655.35", '.', ParsedLine{"Икра", 65535, "655.35"}},
        {cutLine.c_str(), '.', ParsedLine{longName, 1200, "12"}},
        {"12.50", '.', std::nullopt},
        {"   12.50  ", ',', ParsedLine{"  ", 1250, "12,50"}},
        {"Москва 12a", '.', std::nullopt},
        {"Москва 1.2.3", '.', std::nullopt},
        {"Москва 1,2.3", ',', std::nullopt},
        {"Москва .", '.', std::nullopt},
        {"Москва -5", '.', std::nullopt},
        // A no-break space (0xA0) is no blank: it belongs to the price, which is then none.
        {"Гвозди 1\u00A0234,50", ',', std::nullopt},
        {"Гвозди\u00A012", '.', std::nullopt},
        {"Гвозди 12\u00A0", '.', std::nullopt},
        {"", '.', std::nullopt},
        {" \t ", '.', std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = parseOne(c.line, c.separator);
        SCOPED_TRACE(std::string("\"") + c.line + "\" with '" + c.separator + "'");
        ASSERT_EQ(got.has_value(), c.expected.has_value());
        if (got) {
            EXPECT_EQ(got->name, c.expected->name);
            EXPECT_EQ(got->kopecks, c.expected->kopecks);
            EXPECT_EQ(got->priceText, c.expected->priceText);
        }
    }
}

TEST(PriceParse, EveryLineStartsAtAllPercentWithItsMarkedUpPrice) {
    for (const char separator : {'.', ','}) {
        PriceList list(separator);
        const ParseOutcome outcome =
            list.parse("Москва   12.50\nбез цены\n12.50\nЛук 0.03\r\nМука 3,5\n"_cp);
        ASSERT_EQ(outcome.count, 3u);
        EXPECT_EQ(outcome.leftOut(), 0u);
        EXPECT_EQ(list.count(), 3u);
        const PriceEntry& moscow = list.line(0);
        EXPECT_EQ(moscow.Percent.get(), 100u);
        EXPECT_EQ(moscow.MarkedUpPrice.get(), 2500u);
        EXPECT_EQ(moscow.MarkedUpText.str(), "25");
        EXPECT_EQ(moscow.Individual, 0);
        EXPECT_EQ(list.line(1).MarkedUpText.str(), std::string("0") + separator + "06");
        EXPECT_EQ(list.line(2).MarkedUpText.str(), "7");
    }
}

TEST(PriceParse, MarkedUpTextIsAGeneralNumberOfAtMostSevenCharacters) {
    const std::tuple<std::uint32_t, char, const char*> cases[] = {
        {2500, '.', "25"},         {150, ',', "1,5"},
        {5, '.', "0.05"},          {0, ',', "0"},
        {393210, '.', "3932.1"},   {123456, ',', "1234,56"},
        {1234567, '.', "12345.6"}, {10000000, '.', "100000"},
    };
    for (const auto& [kopecks, separator, expected] : cases) {
        EXPECT_EQ(markedUpText(kopecks, separator), expected) << kopecks;
    }
}

// A price the line cannot hold, and lines the table cannot hold, are left out and counted;
// nothing is stored cut or wrapped.
TEST(PriceParse, LinesBeyondTheTableAndPricesAbove65535AreLeftOutAndCounted) {
    std::string text = "Дорого 655.36\nОчень дорого 99999999999999999999\n"_cp;
    for (int i = 0; i < 2050; ++i) {
        text += "Товар "_cp + std::to_string(i) + " " + std::to_string(i % 600) + ".25\n";
        if (i == 2048) {
            text += "Дорого 700\nбез цены\n"_cp;
        }
    }
    auto table = std::make_unique<PriceTable>();
    const ParseOutcome outcome = parsePriceText(text, 100, '.', *table);
    EXPECT_EQ(outcome.count, 2047u);
    EXPECT_EQ(outcome.tooDear, 3u);
    EXPECT_EQ(outcome.beyondCapacity, 3u);
    EXPECT_EQ(table->Count.get(), 2047u);
    EXPECT_EQ(table->Lines[2046].Name.str(), "Товар 2046"_cp);
    EXPECT_EQ(table->Lines[2046].BasePrice.get(), 24625u); // 246.25
    EXPECT_EQ(cp1251ToUtf8(leftOutMessage(outcome, ',')),
              "Из прайс-листа не взято строк: 6.\nЦена выше 655,35: 3.\nСверх 2047 строк: 3.");
    EXPECT_EQ(leftOutMessage(ParseOutcome{5, 0, 0}, '.'), "");
}

} // namespace
} // namespace kestrelon::tariff
