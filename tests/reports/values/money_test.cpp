#include "reports/values/money.h"

#include <cmath>
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
        EXPECT_EQ(CalcNds(c.mode, c.in, 18), c.out);
    }
}

// The same conversions worked by hand at the rates that followed 18 %.
TEST(CalcNds, AtTwentyAndTwentyTwoPercent) {
    struct RateCase {
        int rate;
        NdsMode mode;
        std::uint32_t in;
        std::uint32_t out;
    };
    const std::vector<RateCase> cases = {
        {20, NdsMode::VatFromGross, 12000, 2000},
        {22, NdsMode::VatFromGross, 12200, 2200},
        {20, NdsMode::VatFromNet, 10000, 2000},
        {22, NdsMode::VatFromNet, 10000, 2200},
        {20, NdsMode::GrossFromNet, 10000, 12000},
        {22, NdsMode::GrossFromNet, 10000, 12200},
        {20, NdsMode::NetFromGross, 12000, 10000},
        {22, NdsMode::NetFromGross, 12200, 10000},
        {20, NdsMode::NetFromVat, 2000, 10000},
        {22, NdsMode::NetFromVat, 2200, 10000},
        {20, NdsMode::GrossFromVat, 2000, 12000},
        {22, NdsMode::GrossFromVat, 2200, 12200},
        // 0.25 rubles: 20 % is 5 kopecks; 22 % is 5.5, which rounds to the even 6.
        {20, NdsMode::VatFromNet, 25, 5},
        {22, NdsMode::VatFromNet, 25, 6},
        // 0.75 at 22 % is 16.5 kopecks: the even 16; with VAT 91.5: the even 92.
        {22, NdsMode::VatFromNet, 75, 16},
        {22, NdsMode::GrossFromNet, 75, 92},
        // 119 rubles with VAT at 20 %: 19.8333.. rubles of VAT; at 22 %: 21.459..
        {20, NdsMode::VatFromGross, 11900, 1983},
        {22, NdsMode::VatFromGross, 11900, 2146},
        {20, NdsMode::NetFromGross, 11900, 9917},
        {22, NdsMode::NetFromGross, 11900, 9754},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.rate << "% mode " << static_cast<int>(c.mode) << " " << c.in);
        EXPECT_EQ(CalcNds(c.mode, c.in, c.rate), c.out);
    }
}

// Reports of 2018 and earlier must not move by a kopeck: at 18 % the constants are the
// extended literals the conversions were always written with, and so is every result.
TEST(CalcNds, EighteenPercentIsTheLiteralArithmetic) {
    const VatFactors f = vatFactors(18);
    EXPECT_EQ(f.share, 0.18L);
    EXPECT_EQ(f.containedShare, 18.0L / 118.0L);
    EXPECT_EQ(f.grossFactor, 1.18L);
    const auto literal = [](NdsMode mode, std::uint32_t k) {
        const long double x = k;
        switch (mode) {
        case NdsMode::VatFromNet:
            return std::rintl(x * 0.18L);
        case NdsMode::VatFromGross:
            return std::rintl(x * (18.0L / 118.0L));
        case NdsMode::GrossFromNet:
            return std::rintl(x * 0.18L + x);
        case NdsMode::NetFromGross:
            return std::rintl(x / 1.18L);
        case NdsMode::NetFromVat:
            return std::rintl(x / 0.18L);
        case NdsMode::GrossFromVat:
            return std::rintl(x / 0.18L + x);
        }
        return -1.0L;
    };
    for (int m = 0; m < 6; ++m) {
        const auto mode = static_cast<NdsMode>(m);
        for (std::uint32_t k = 0; k < 200000; k += 1 + k / 50) {
            const auto got = CalcNds(mode, k, 18);
            ASSERT_TRUE(got) << m << " " << k;
            ASSERT_EQ(static_cast<long double>(*got), literal(mode, k)) << m << " " << k;
        }
    }
}

TEST(CalcNds, ResultsOutOfRangeAreRefused) {
    for (const int rate : {18, 20, 22}) {
        EXPECT_FALSE(CalcNds(NdsMode::NetFromVat, 1000000000, rate));
        EXPECT_FALSE(CalcNds(NdsMode::GrossFromNet, 4000000000u, rate));
        EXPECT_TRUE(CalcNds(NdsMode::VatFromNet, 4294967295u, rate));
    }
    EXPECT_FALSE(addKopecks(4294967295u, 1));
    EXPECT_EQ(addKopecks(4294967294u, 1), 4294967295u);
}

} // namespace
} // namespace kestrelon
