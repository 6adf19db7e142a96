#include "store/cp1251.h"
#include "tariff/price_list.h"
#include "tariff/selection_stats.h"
#include "tariff/step_pair.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon::tariff {
namespace {

// Three lines: 12.50, 1.00 and 0.05 rubles, all at "All %" 100.
PriceList threeLines(char separator) {
    PriceList list(separator);
    list.parse("Москва   12.50\nХлеб 1\nСпички 0.05\n"_cp);
    return list;
}

struct LineState {
    unsigned percent;
    std::uint32_t markedUp;
    int individual;
    bool operator==(const LineState&) const = default;
};

std::vector<LineState> states(const PriceList& list) {
    std::vector<LineState> out;
    for (std::size_t i = 0; i < list.count(); ++i) {
        const PriceEntry& e = list.line(i);
        out.push_back({e.Percent.get(), e.MarkedUpPrice.get(), e.Individual});
    }
    return out;
}

void PrintTo(const LineState& s, std::ostream* os) {
    *os << s.percent << "% -> " << s.markedUp << (s.individual ? " own" : "");
}

TEST(PriceList, AllPercentLeavesLinesWithTheirOwnPercentage) {
    PriceList list = threeLines('.');
    list.setLinePercent(1, 50);
    EXPECT_EQ(states(list), (std::vector<LineState>{{100, 2500, 0}, {50, 150, 1}, {100, 10, 0}}));
    list.setAllPercent(200);
    EXPECT_EQ(states(list), (std::vector<LineState>{{200, 3750, 0}, {50, 150, 1}, {200, 15, 0}}));
    EXPECT_EQ(list.line(0).MarkedUpText.str(), "37.5");
    // Set to what "All %" is, the line follows "All %" again.
    list.setLinePercent(1, 200);
    list.setAllPercent(0);
    EXPECT_EQ(states(list), (std::vector<LineState>{{0, 1250, 0}, {0, 100, 0}, {0, 5, 0}}));
    // The counter holds 500 at most; a line that does not exist is left alone.
    list.setLinePercent(2, 900);
    list.setLinePercent(3, 10);
    EXPECT_EQ(states(list).back(), (LineState{500, 30, 1}));
}

TEST(PriceList, ResetGivesEveryLineAllPercent) {
    PriceList list = threeLines(',');
    list.setAllPercent(20);
    list.setLinePercent(0, 75);
    list.setLinePercent(2, 500);
    list.reset();
    EXPECT_EQ(states(list), (std::vector<LineState>{{20, 1500, 0}, {20, 120, 0}, {20, 6, 0}}));
    EXPECT_EQ(list.line(0).MarkedUpText.str(), "15");
}

TEST(PriceList, AFunctionGivesEachLineTheRateOfItsRangeCappedAt500) {
    TariffFunction f;
    const std::uint32_t thresholds[8] = {0, 10, 100, 200, 300, 1000, 2000, 5000};
    const std::uint16_t rates[8] = {9999, 100, 30, 40, 50, 60, 70, 80};
    for (std::size_t i = 0; i < 8; ++i) {
        f.Thresholds[i] = thresholds[i];
        f.Rates[i] = rates[i];
    }
    PriceList list = threeLines('.');
    list.applyFunction(f);
    // 12.50 is in [10.00, 20.00): 60 %; 1.00 in [1.00, 2.00): 30 %; 0.05 below 0.10: 9999 % -> 500.
    EXPECT_EQ(states(list), (std::vector<LineState>{{60, 2000, 1}, {30, 130, 1}, {500, 30, 1}}));
    // A rate equal to "All %" sets no flag, and leaves one that was set.
    f.Rates[5] = 100;
    f.Rates[0] = 100;
    PriceList fresh = threeLines('.');
    fresh.setLinePercent(2, 70);
    fresh.applyFunction(f);
    EXPECT_EQ(states(fresh), (std::vector<LineState>{{100, 2500, 0}, {30, 130, 1}, {100, 10, 1}}));
}

TEST(PriceList, CopyTillCopiesTheLinesUpToTheLimit) {
    struct Case {
        const char* field;
        char separator;
        const char* shownAfter;
        std::vector<std::string> copied; // names
        bool message;
    };
    const Case cases[] = {
        {"", '.', "", {}, false},
        {"25", '.', "25", {"Москва  ", "Хлеб", "Спички"}, false},
        {"24,99", '.', "24.99", {"Хлеб", "Спички"}, false},
        {"2.00", ',', "2,00", {"Хлеб", "Спички"}, false},
        {"1,99", ',', "1,99", {"Спички"}, false},
        {"0", '.', "0", {}, false},
        {"655.35", '.', "655.35", {"Москва  ", "Хлеб", "Спички"}, false},
        {"655.355", '.', "655.35", {"Москва  ", "Хлеб", "Спички"}, false},
        {"655.36", '.', "655.36", {}, true},
        {"1234567", ',', "123456", {}, true},
        {"1.2.3", '.', "1.2.3", {}, true},
        {",", ',', ",", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("limit \"") + c.field + "\" with '" + c.separator + "'");
        PriceList list = threeLines(c.separator);
        list.copyTill("100"); // what was copied before is never kept
        const CopyTillOutcome outcome = list.copyTill(c.field);
        EXPECT_EQ(outcome.limitText, c.shownAfter);
        EXPECT_EQ(!outcome.message.empty(), c.message) << cp1251ToUtf8(outcome.message);
        std::vector<std::string> names;
        for (std::size_t i = 0; i < list.copyCount(); ++i) {
            names.push_back(cp1251ToUtf8(list.copied(i).Name.view()));
        }
        EXPECT_EQ(names, c.copied);
    }
    PriceList empty('.');
    const CopyTillOutcome outcome = empty.copyTill("7.5");
    EXPECT_EQ(empty.copyCount(), 0u);
    EXPECT_TRUE(outcome.message.empty());
}

TEST(PriceList, OutputLinesAreNameTabMarkedUpPriceCutTo64) {
    PriceList list(',');
    const std::string longName(70, 'z');
    list.parse("Москва   12.50\n"_cp + longName + " 3\n");
    list.setLinePercent(1, 50);
    const std::vector<std::string> lines = list.outputLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(cp1251ToUtf8(lines[0]), "Москва  \t25");
    EXPECT_EQ(lines[1], longName.substr(0, 64));
    list.copyTill("5");
    EXPECT_EQ(list.copyLines(), std::vector<std::string>{lines[1]});
}

TEST(SelectionStats, RangeAndSummaryTexts) {
    PriceList list('.');
    list.parse("a 12.50\nb 1\nc 0.05\nd 0.02\ne 0.03\n");
    EXPECT_EQ(selectionRangeText(1, 1), "Selection - 1 (2..2)");
    EXPECT_EQ(selectionRangeText(0, 4), "Selection - 5 (1..5)");
    const std::tuple<std::size_t, std::size_t, char, const char*> cases[] = {
        // 1355 / 3 = 451.67 -> 452
        {0, 2, '.', "Selection = 3.    average = 4.52.    min = 0.05.    max = 12.5."},
        {0, 2, ',', "Selection = 3.    average = 4,52.    min = 0,05.    max = 12,5."},
        // (2 + 3) / 2 = 2.5 -> 2, and (5 + 2) / 2 = 3.5 -> 4: halves go to the even kopeck
        {3, 4, '.', "Selection = 2.    average = 0.02.    min = 0.02.    max = 0.03."},
        {2, 3, '.', "Selection = 2.    average = 0.04.    min = 0.02.    max = 0.05."},
    };
    for (const auto& [top, bottom, separator, expected] : cases) {
        EXPECT_EQ(selectionSummary(list.table(), top, bottom, separator), expected);
    }
}

TEST(StepPair, AtMostOneToggleIsDownAndItSetsTheStep) {
    StepPair pair;
    EXPECT_EQ(pair.step(), 1);
    pair.pressX10();
    EXPECT_TRUE(pair.x10Down());
    EXPECT_EQ(pair.step(), 10);
    pair.pressX100();
    EXPECT_FALSE(pair.x10Down());
    EXPECT_TRUE(pair.x100Down());
    EXPECT_EQ(pair.step(), 100);
    pair.pressX100();
    EXPECT_FALSE(pair.x10Down() || pair.x100Down());
    EXPECT_EQ(pair.step(), 1);
    pair.pressX10();
    pair.pressX10();
    EXPECT_EQ(pair.step(), 1);
}

} // namespace
} // namespace kestrelon::tariff
