#include "reports/values/period.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(Period, YearListRunsFrom2010To2099) {
    EXPECT_EQ(yearText(0), "2010");
    EXPECT_EQ(yearText(16), "2026");
    EXPECT_EQ(yearText(89), "2099");
    EXPECT_EQ(yearText(90), "");
    EXPECT_EQ(cp1251ToUtf8(monthName(0)), "Январь");
    EXPECT_EQ(cp1251ToUtf8(monthName(11)), "Декабрь");
    EXPECT_EQ(monthName(12), "");
    EXPECT_EQ(periodOf(3, 2013), (Period{2, 3}));
    EXPECT_EQ(periodOf(12, 2099), (Period{11, 89}));
    EXPECT_FALSE(periodOf(1, 2100));
    EXPECT_FALSE(periodOf(13, 2013));
    EXPECT_FALSE(periodOf(0, 2013));
    EXPECT_FALSE(periodOf(5, 2009));
}

TEST(Period, TheDefaultIsThePreviousMonthEvenInCurrentYears) {
    EXPECT_EQ(previousMonth(1, 2013), (Period{11, 2})) << "January gives December before";
    EXPECT_EQ(previousMonth(12, 2026), (Period{10, 16}));
    EXPECT_EQ(previousMonth(1, 2027), (Period{11, 16}));
    EXPECT_EQ(shortDateText(7, 1, 2013), "7.01.2013");
    EXPECT_EQ(shortDateText(28, 12, 2026), "28.12.2026");
}

TEST(Period, TwoDigitTextsOfTheFileNameAndInvoiceNumbers) {
    EXPECT_EQ(periodMM(Period{2, 3}), "03");
    EXPECT_EQ(periodYY(Period{2, 3}), "13");
    EXPECT_EQ(periodYY(Period{0, 16}), "26");
    EXPECT_EQ(periodYY(Period{0, 89}), "99");
}

} // namespace
} // namespace kestrelon
