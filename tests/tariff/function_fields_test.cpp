#include "function_samples.h"
#include "tariff/function_fields.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace kestrelon::tariff {
namespace {

std::array<std::string, 8> fromTexts(const FieldTexts& texts) {
    std::array<std::string, 8> row;
    std::copy_n(texts.begin(), 8, row.begin());
    return row;
}

TEST(FunctionFieldTexts, AmountsAsGeneralNumbersAndRatesAsWholeNumbers) {
    TariffFunction f = defaults();
    f.Thresholds[1] = 5;
    f.Thresholds[2] = 150;
    f.Thresholds[3] = 12345;
    f.Thresholds[4] = 12350;
    f.Rates[0] = 0;
    f.Rates[7] = 9999;
    const FieldTexts comma = FunctionFieldTexts(f, ',');
    EXPECT_EQ(fromTexts(comma),
              (std::array<std::string, 8>{"0", "0,05", "1,5", "123,45", "123,5", "5", "6", "7"}));
    EXPECT_EQ(FunctionFieldTexts(f, '.')[3], "123.45");
    EXPECT_EQ(comma[8], "0");
    EXPECT_EQ(comma[9], "100");
    EXPECT_EQ(comma[15], "9999");
}

TEST(CheckFields, AFromAmountPushesItsNeighboursAndIsShownWithTheSystemSeparator) {
    for (const char separator : {',', '.'}) {
        TariffFunction f = defaults();
        FieldTexts texts = FunctionFieldTexts(f, separator);
        texts[1] = "5";
        const CheckResult result = CheckFields(f, texts, 1);
        EXPECT_TRUE(result.showFunction);
        EXPECT_FALSE(result.emptyCurrentField);
        const std::string s(1, separator);
        EXPECT_EQ(fromTexts(FunctionFieldTexts(f, separator)),
                  (std::array<std::string, 8>{"0", "5", "5" + s + "01", "5" + s + "02",
                                              "5" + s + "03", "5" + s + "04", "6", "7"}))
            << "separator " << separator;
    }
}

TEST(CheckFields, AFromTextThatIsNoAmountIsEmptiedAndTheThresholdsStay) {
    const std::pair<int, const char*> cases[] = {
        {3, "1.234"}, {3, ""}, {1, "12."}, {7, ",5"}, {2, "1.2.3"}};
    for (const auto& [field, text] : cases) {
        TariffFunction f = defaults();
        FieldTexts texts = FunctionFieldTexts(f, '.');
        texts[static_cast<std::size_t>(field)] = text;
        const CheckResult result = CheckFields(f, texts, field);
        EXPECT_TRUE(result.emptyCurrentField) << text;
        EXPECT_FALSE(result.showFunction) << text;
        EXPECT_EQ(thresholds(f), thresholds(defaults())) << text;
        EXPECT_EQ(result.maxRate, 100) << text;
    }
}

TEST(CheckFields, OnlyTheCurrentFromFieldIsRead) {
    TariffFunction f = defaults();
    FieldTexts texts = FunctionFieldTexts(f, ',');
    texts[2] = "9,99"; // typed, but the user went on in a "%" field
    texts[9] = "250";
    const CheckResult result = CheckFields(f, texts, 9);
    EXPECT_FALSE(result.showFunction);
    EXPECT_EQ(thresholds(f), thresholds(defaults()));
    EXPECT_EQ(rates(f), (std::array<unsigned, 8>{100, 250, 100, 100, 100, 100, 100, 100}));
    EXPECT_EQ(result.maxRate, 250);
}

TEST(CheckFields, RatesAreWholeNumbersAndTheFirstOtherTextStopsTheCommit) {
    struct Case {
        std::array<const char*, 8> rateTexts;
        const char* message; // nullptr when every rate was read
        std::array<unsigned, 8> expected;
    };
    const Case cases[] = {
        {{"0", "", "7", "0075", "9999", "1", "2", "3"}, nullptr, {0, 0, 7, 75, 9999, 1, 2, 3}},
        {{"5", "6", "5.", "8", "9", "10", "11", "12"},
         "'5.' is not a valid integer value",
         {5, 6, 100, 100, 100, 100, 100, 100}},
        {{"1,5", "6", "7", "8", "9", "10", "11", "12"},
         "'1,5' is not a valid integer value",
         {100, 100, 100, 100, 100, 100, 100, 100}},
        {{"1", "2", "3", "4", "5", "6", "7", "-1"},
         "'-1' is not a valid integer value",
         {1, 2, 3, 4, 5, 6, 7, 100}},
        {{"1", "2", "3", "4", "5", "6", "7", "65536"},
         "'65536' is not a valid integer value",
         {1, 2, 3, 4, 5, 6, 7, 100}},
    };
    for (const Case& c : cases) {
        TariffFunction f = defaults();
        FieldTexts texts = FunctionFieldTexts(f, '.');
        for (std::size_t i = 0; i < 8; ++i) {
            texts[kFirstRateField + i] = c.rateTexts[i];
        }
        texts[1] = "3"; // a "From" amount typed as well: not committed after a refused rate
        const CheckResult result = CheckFields(f, texts, 1);
        const std::string label = c.message ? c.message : "all read";
        EXPECT_EQ(result.stopped, c.message != nullptr) << label;
        EXPECT_EQ(result.message, c.message ? c.message : "") << label;
        EXPECT_EQ(rates(f), c.expected) << label;
        EXPECT_EQ(f.Thresholds[1].get(), c.message ? 100u : 300u) << label;
    }
}

TEST(CheckFields, WhatTheFieldsShowIsCommittedUnchanged) {
    // Amounts of any length and rates of five digits (a function written by another program)
    // come back exactly as they went out, whichever field is the current one.
    TariffFunction wide = defaults();
    const std::array<std::uint32_t, 8> t = {0,        150001,   1000050,  99999906,
                                            99999907, 99999908, 99999999, 4294967295u};
    for (std::size_t i = 0; i < 8; ++i) {
        wide.Thresholds[i] = t[i];
    }
    wide.Rates[3] = 12000;
    wide.Rates[7] = 65535;
    for (const char separator : {',', '.'}) {
        for (int field = 1; field < kFieldCount; ++field) {
            TariffFunction f = wide;
            const CheckResult result = CheckFields(f, FunctionFieldTexts(f, separator), field);
            EXPECT_FALSE(result.stopped) << result.message;
            EXPECT_EQ(thresholds(f), t) << "field " << field << ", separator " << separator;
            EXPECT_EQ(rates(f), rates(wide)) << "field " << field;
            EXPECT_EQ(result.maxRate, 65535);
        }
    }
}

} // namespace
} // namespace kestrelon::tariff
