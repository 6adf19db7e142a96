#include "reports/money.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

struct DivCase {
    std::string text;
    RubleKopek::Status status;
    std::string rubles, kopecks, normalised;
};

TEST(DivRubleKopek, SplitsAndNormalisesTypedAmounts) {
    const std::vector<DivCase> cases = {
        {"12", RubleKopek::Valid, "12", "", "12"},
        {"12.5", RubleKopek::Valid, "12", "50", "12.50"},
        {"12,", RubleKopek::Valid, "12", "", "12"},
        {"1-05", RubleKopek::Valid, "1", "05", "1-05"},
        {"1234,56", RubleKopek::Valid, "1234", "56", "1234,56"},
        {"000", RubleKopek::Valid, "0", "", "000"},
        {"0.5", RubleKopek::Valid, "0", "50", "0.50"},
        {"007", RubleKopek::Valid, "007", "", "007"}, // other leading zeros stay
        {"999999999", RubleKopek::Valid, "999999999", "", "999999999"},
        {"1000000000", RubleKopek::TooManyDigits, "", "", ""},
        {".5", RubleKopek::Malformed, "", "", ""},
        {"1.2.3", RubleKopek::Malformed, "", "", ""},
        {"1.234", RubleKopek::Malformed, "", "", ""},
        {"1 000", RubleKopek::Malformed, "", "", ""},
        {"", RubleKopek::Malformed, "", "", ""},
        {"12a", RubleKopek::Malformed, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const RubleKopek r = DivRubleKopek(c.text);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.rubles, c.rubles);
        EXPECT_EQ(r.kopecks, c.kopecks);
        EXPECT_EQ(r.text, c.normalised);
    }
}

TEST(ParseAmount, TextsToKopecksAndBack) {
    const std::vector<std::pair<std::string, std::uint32_t>> cases = {
        {"1500", 150000},    {"0,5", 50}, {"7.", 700}, {"1234,56", 123456},
        {"1234.56", 123456}, {"0.05", 5}, {"000", 0},  {"21474836.99", 2147483699u},
    };
    for (const auto& [text, kopecks] : cases) {
        SCOPED_TRACE(text);
        const KopecksOrError parsed = parseAmount(text);
        ASSERT_TRUE(parsed.ok());
        EXPECT_EQ(parsed.kopecks, kopecks);
    }
    EXPECT_EQ(KopToRub(150000), "1500.00");
    EXPECT_EQ(KopToRub(50), "0.50");
    EXPECT_EQ(KopToRub(5), "0.05");
    EXPECT_EQ(KopToRub(0), "0.00");
    EXPECT_EQ(KopToRub(4294967295u), "42949672.95");
}

TEST(ParseAmount, RefusesInsteadOfProducingAWrongNumber) {
    EXPECT_EQ(parseAmount("1.2.3").error, AmountError::Malformed);
    EXPECT_EQ(parseAmount("").error, AmountError::Malformed);
    EXPECT_EQ(parseAmount("21474837").error, AmountError::TooLarge);
    EXPECT_EQ(parseAmount("1000000000").error, AmountError::TooLarge);
    EXPECT_EQ(RubToKop("", "").error, AmountError::Malformed);
    EXPECT_EQ(RubToKop("", "05").kopecks, 5u) << "an empty part counts as 0";
}

TEST(KopMinusRub, NeverWrapsBelowZero) {
    EXPECT_EQ(KopMinusRub(11800, 1000), 10800u);
    EXPECT_EQ(KopMinusRub(1000, 1000), 0u);
    EXPECT_FALSE(KopMinusRub(999, 1000));
}

struct NdsCase {
    NdsMode mode;
    std::uint32_t in;
    std::uint32_t out;
};

TEST(CalcNds, ExtendedPrecisionHalvesToEven) {
    const std::vector<NdsCase> cases = {
        {NdsMode::VatFromNet, 250, 45},        {NdsMode::VatFromGross, 11800, 1800},
        {NdsMode::NetFromGross, 11800, 10000}, {NdsMode::VatFromNet, 25, 4},
        {NdsMode::VatFromNet, 75, 14},         {NdsMode::GrossFromNet, 25, 30},
        {NdsMode::GrossFromNet, 10000, 11800}, {NdsMode::NetFromVat, 1800, 10000},
        {NdsMode::GrossFromVat, 1800, 11800},  {NdsMode::VatFromGross, 11900, 1815},
        {NdsMode::VatFromNet, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.mode) << " " << c.in);
        EXPECT_EQ(CalcNds(c.mode, c.in), c.out);
    }
}

TEST(CalcNds, ResultsOutOfRangeAreRefused) {
    EXPECT_FALSE(CalcNds(NdsMode::NetFromVat, 800000000));
    EXPECT_FALSE(CalcNds(NdsMode::GrossFromNet, 4000000000u));
    EXPECT_TRUE(CalcNds(NdsMode::VatFromNet, 4294967295u));
    EXPECT_FALSE(addKopecks(4294967295u, 1));
    EXPECT_EQ(addKopecks(4294967294u, 1), 4294967295u);
}

} // namespace
} // namespace kestrelon
