#include "reports/register/slk_period.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

RowSet firstRowDated(const std::string& date) {
    RowSet set;
    set.rows.emplace_back().InvoiceDate = date;
    return set;
}

TEST(PeriodFromFirstRow, ReadsMonthAndYearOfTheDate) {
    const std::vector<std::pair<std::string, Period>> cases = {
        {"15.03.2013", {2, 3}}, {"01.01.2010", {0, 0}}, {"31.12.2099", {11, 89}}};
    for (const auto& [date, period] : cases) {
        const SlkPeriodResult r = periodFromFirstRow(firstRowDated(date));
        ASSERT_TRUE(r.period) << date;
        EXPECT_EQ(*r.period, period) << date;
        EXPECT_TRUE(r.message.empty());
    }
}

TEST(PeriodFromFirstRow, ADateOutsideTheListLeavesThePeriod) {
    for (const std::string date : {"31.13.2013", "15.00.2013", "15.03.2009", "15.03.2100",
                                   "15.3.2013", "15.03.13", "", "15.ab.2013", "15.03.20x3"}) {
        const SlkPeriodResult r = periodFromFirstRow(firstRowDated(date));
        EXPECT_FALSE(r.period) << date;
        EXPECT_EQ(r.message, "Дата первой строки реестра «"_cp + date +
                                 "» не задает отчетный период (месяц 01–12, год 2010–2099). "
                                 "Отчетный период не изменен."_cp);
    }
    const SlkPeriodResult none = periodFromFirstRow(RowSet{});
    EXPECT_FALSE(none.period);
    EXPECT_TRUE(none.message.empty());
}

TEST(SlkGridRows, ShowsEachRowAsImported) {
    RowSet set;
    InvoiceRow& row = set.rows.emplace_back();
    row.AgentCustNo = "A0000001";
    row.ClientContractNo = "C0000001";
    row.InvoiceNo = "I000000000001";
    row.InvoiceDate = "15.03.2013";
    row.AmountText = "1234,56";
    row.VatText = "222.2";
    row.GrossText = "1456,76";
    set.rows.emplace_back();
    EXPECT_EQ(slkGridRows(set),
              (GridRows{{"C0000001", "I000000000001", "15.03.2013", "1234,56", "222.2", "1456,76"},
                        {"", "", "", "", "", ""}}));
}

} // namespace
} // namespace kestrelon
