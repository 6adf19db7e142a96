#include "reports/computation/vat_rate.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(VatRate, TheRateInForceInTheReportMonth) {
    struct Case {
        int month, year, percent;
    };
    const Case cases[] = {
        {1, 2010, 18},  {12, 2018, 18}, {1, 2019, 20}, {12, 2025, 20}, {1, 2026, 22},
        {11, 2026, 22}, {12, 2099, 22}, {1, 2000, 18}, // before the year list: the earliest rate
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vatRatePercent(c.month, c.year), c.percent) << c.month << "." << c.year;
    }
}

TEST(VatRate, OfAReportPeriod) {
    // Period indexes: month 0 = January, year 0 = 2010.
    EXPECT_EQ(vatRatePercent(Period{11, 8}), 18);  // December 2018
    EXPECT_EQ(vatRatePercent(Period{0, 9}), 20);   // January 2019
    EXPECT_EQ(vatRatePercent(Period{11, 15}), 20); // December 2025
    EXPECT_EQ(vatRatePercent(Period{0, 16}), 22);  // January 2026
}

} // namespace
} // namespace kestrelon
