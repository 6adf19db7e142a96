#include "reports/computation/slk_computation.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

RowSet importedRows(std::initializer_list<std::array<std::uint32_t, 3>> rows) {
    RowSet set;
    for (const auto& r : rows) {
        InvoiceRow row;
        row.AmountKop = r[0];
        row.VatKop = r[1];
        row.GrossKop = r[2];
        set.rows.push_back(row);
    }
    return set;
}

TEST(SlkComputation, TotalsAndTheAmountDueToThePrincipal) {
    RowSet set = importedRows({{10000, 1800, 11800}, {123456, 22222, 145678}});
    const ComputationResult result = runSlkComputation(set, "1000,5");
    EXPECT_EQ(result.incomeTotal, "1334.56");
    EXPECT_EQ(result.vatTotal, "240.22");
    EXPECT_EQ(result.grossTotal, "1574.78");
    EXPECT_TRUE(result.ready);
    EXPECT_EQ(set.Remuneration, 100050u);
    EXPECT_EQ(result.toPrincipal, "574.28");
}

TEST(SlkComputation, NoRemunerationMeansNotReady) {
    RowSet set = importedRows({{10000, 1800, 11800}});
    const ComputationResult result = runSlkComputation(set, "");
    EXPECT_TRUE(result.totalsShown);
    EXPECT_FALSE(result.ready);
    EXPECT_TRUE(result.message.empty());
}

TEST(SlkComputation, ARemunerationAboveTheTotalWithVatIsRefused) {
    // Imported totals need not agree: here the amount with VAT is below the net amount.
    RowSet set = importedRows({{100000, 0, 5000}});
    const ComputationResult result = runSlkComputation(set, "100");
    EXPECT_FALSE(result.ready);
    EXPECT_TRUE(result.remunerationCleared);
    EXPECT_EQ(cp1251ToUtf8(result.message), "Сумма вознаграждения больше суммы с НДС");
}

TEST(SlkComputation, TotalsThatWouldWrapAreRefused) {
    RowSet set = importedRows({{10, 5, 4294967000u}, {10, 5, 296}});
    const ComputationResult result = runSlkComputation(set, "0.01");
    EXPECT_FALSE(result.ready);
    EXPECT_FALSE(result.totalsShown);
    EXPECT_EQ(cp1251ToUtf8(result.message),
              "Итог по столбцу «С НДС» больше 9999999.99 руб. и не помещается в отчет. "
              "Расчет не выполнен.");
}

TEST(FillFromSlk, PeriodGridAndTotalsFromTheImportedRows) {
    RowSet set = importedRows({{10000, 1800, 11800}});
    set.rows[0].InvoiceDate = "15.03.2013";
    set.rows[0].GrossText = "118";
    const SlkFill fill = FillFromSlk(set, "10");
    EXPECT_EQ(fill.period, (Period{2, 3}));
    ASSERT_EQ(fill.grid.size(), 1u);
    EXPECT_EQ(fill.grid[0][5], "118");
    EXPECT_TRUE(fill.computation.ready);
}

TEST(FillFromSlk, AFirstRowWithoutAValidPeriodLeavesTheReportNotReady) {
    RowSet set = importedRows({{10000, 1800, 11800}});
    set.rows[0].InvoiceDate = "15.13.2013";
    const SlkFill fill = FillFromSlk(set, "10");
    EXPECT_FALSE(fill.period);
    EXPECT_FALSE(fill.computation.ready);
    EXPECT_TRUE(fill.computation.toPrincipal.empty());
    EXPECT_EQ(fill.computation.incomeTotal, "100.00") << "the totals are still shown";
    EXPECT_NE(cp1251ToUtf8(fill.computation.message).find("«15.13.2013»"), std::string::npos);
}

} // namespace
} // namespace kestrelon
