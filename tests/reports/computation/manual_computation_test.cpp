#include "reports/computation/manual_computation.h"
#include "reports/values/money.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

// March 2013 (PeriodYear 3), zone 2.
ManualInput marchInput(std::size_t rows, std::string remuneration = "") {
    ManualInput in;
    for (std::size_t r = 0; r < rows; ++r) {
        in.contractNos.push_back("K" + std::to_string(r + 1));
    }
    in.period = Period{2, 3};
    in.zoneDigit = 2;
    in.remuneration = std::move(remuneration);
    return in;
}

GridRow amounts(std::string net, std::string vat, std::string gross) {
    return {"", "", "", std::move(net), std::move(vat), std::move(gross)};
}

struct Asked {
    std::vector<VatQuestion> questions;
    bool answer = false;
    VatQuestionHandler handler() {
        return [this](const VatQuestion& q) {
            questions.push_back(q);
            return answer;
        };
    }
};

struct CaseRow {
    GridRow typed;
    bool confirm;
    int expectedQuestion; // 0: none
    std::string net, vat, gross;
};

TEST(ManualComputation, EveryCaseOfGivenAmounts) {
    const std::vector<CaseRow> cases = {
        {amounts("", "", ""), false, 0, "0", "0", "0"},
        {amounts("", "", "118"), false, 0, "100.00", "18.00", "118.00"},
        {amounts("", "18", ""), false, 0, "100.00", "18.00", "118.00"},
        {amounts("", "18", "118"), false, 0, "100.00", "18.00", "118.00"},
        {amounts("", "18", "119"), false, 3, "100.85", "18.00", "119.00"},
        {amounts("", "18", "119"), true, 3, "100.85", "18.15", "119.00"},
        {amounts("100", "", ""), false, 0, "100.00", "18.00", "118.00"},
        {amounts("100", "", "120"), false, 5, "100.00", "18.00", "120.00"},
        {amounts("100", "", "120"), true, 5, "100.00", "18.00", "118.00"},
        {amounts("100", "17", ""), false, 6, "100.00", "17.00", "118.00"},
        {amounts("100", "17", ""), true, 6, "100.00", "18.00", "118.00"},
        {amounts("100", "18", "118"), false, 0, "100.00", "18.00", "118.00"},
        {amounts("100", "17", "118"), false, 7, "100.00", "17.00", "118.00"},
        {amounts("100", "17", "118"), true, 7, "100.00", "18.00", "118.00"},
        {amounts("100", "18", "117"), true, 8, "100.00", "18.00", "118.00"},
        {amounts("100", "17", "117"), false, 9, "100.00", "17.00", "117.00"},
        {amounts("100", "17", "117"), true, 9, "100.00", "18.00", "118.00"},
        {amounts("0.25", "", ""), false, 0, "0.25", "0.04", "0.30"},
        {amounts("1-5", "", ""), false, 0, "1.50", "0.27", "1.77"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed[3] + " / " + c.typed[4] + " / " + c.typed[5] +
                     (c.confirm ? " confirmed" : ""));
        GridRows grid = {c.typed};
        RowSet set;
        Asked asked;
        asked.answer = c.confirm;
        const ComputationResult result =
            runManualComputation(grid, marchInput(1), set, asked.handler());
        EXPECT_TRUE(result.message.empty()) << cp1251ToUtf8(result.message);
        ASSERT_EQ(asked.questions.size(), c.expectedQuestion ? 1u : 0u);
        if (c.expectedQuestion) {
            EXPECT_EQ(asked.questions[0].code, c.expectedQuestion);
        }
        EXPECT_EQ(grid[0][3], c.net);
        EXPECT_EQ(grid[0][4], c.vat);
        EXPECT_EQ(grid[0][5], c.gross);
        ASSERT_EQ(set.count(), 1u);
        EXPECT_EQ(set.rows[0].AmountText.str(), c.net);
        EXPECT_EQ(set.rows[0].GrossText.str(), c.gross);
    }
}

// The rows are completed, and checked, at the rate in force in the report's month.
TEST(ManualComputation, TheRateOfTheReportMonth) {
    struct RateCase {
        Period period;
        GridRow typed;
        int expectedQuestion;
        std::string net, vat, gross;
    };
    const std::vector<RateCase> cases = {
        {Period{11, 8}, amounts("100", "", ""), 0, "100.00", "18.00", "118.00"},  // 12.2018
        {Period{0, 9}, amounts("100", "", ""), 0, "100.00", "20.00", "120.00"},   // 01.2019
        {Period{11, 15}, amounts("", "", "120"), 0, "100.00", "20.00", "120.00"}, // 12.2025
        {Period{0, 16}, amounts("", "", "122"), 0, "100.00", "22.00", "122.00"},  // 01.2026
        {Period{10, 16}, amounts("", "22", ""), 0, "100.00", "22.00", "122.00"},  // 11.2026
        // A VAT of 18 % typed into a report of 2026 is questioned against 22 %.
        {Period{10, 16}, amounts("100", "18", "118"), 9, "100.00", "22.00", "122.00"},
        {Period{10, 16}, amounts("100", "22", "122"), 0, "100.00", "22.00", "122.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "period " << int(c.period.month) << "." << c.period.calendarYear() << " "
                     << c.typed[3] << "/" << c.typed[4] << "/" << c.typed[5]);
        GridRows grid = {c.typed};
        RowSet set;
        Asked asked;
        asked.answer = true;
        ManualInput in = marchInput(1);
        in.period = c.period;
        runManualComputation(grid, in, set, asked.handler());
        ASSERT_EQ(asked.questions.size(), c.expectedQuestion ? 1u : 0u);
        if (c.expectedQuestion) {
            EXPECT_EQ(asked.questions[0].code, c.expectedQuestion);
            EXPECT_EQ(asked.questions[0].expectedVat, c.vat);
            EXPECT_EQ(asked.questions[0].expectedGross, c.gross);
        }
        EXPECT_EQ(grid[0][3], c.net);
        EXPECT_EQ(grid[0][4], c.vat);
        EXPECT_EQ(grid[0][5], c.gross);
        EXPECT_EQ(set.VatTotal, parseAmount(c.vat).kopecks);
    }
}

TEST(ManualComputation, QuestionsCarryTheTypedAndExpectedTexts) {
    GridRows grid = {amounts("1", "", ""), amounts("1", "", ""), amounts("100", "17", "118"),
                     amounts("", "18", "119"), amounts("100", "17", "117")};
    RowSet set;
    Asked asked;
    runManualComputation(grid, marchInput(5), set, asked.handler());
    ASSERT_EQ(asked.questions.size(), 3u);
    const VatQuestion& third = asked.questions[0];
    EXPECT_EQ(third.code, 7);
    EXPECT_EQ(third.rowIndex, 2u);
    EXPECT_EQ(third.net, "100");
    EXPECT_EQ(third.vat, "17");
    EXPECT_EQ(third.gross, "118");
    EXPECT_EQ(third.expectedVat, "18.00");
    EXPECT_EQ(asked.questions[1].code, 3);
    EXPECT_EQ(asked.questions[1].net, "0") << "an empty cell is 0 before the question";
    EXPECT_EQ(asked.questions[1].expectedVat, "18.15");
    EXPECT_EQ(asked.questions[2].code, 9);
    EXPECT_EQ(asked.questions[2].expectedVat, "18.00");
    EXPECT_EQ(asked.questions[2].expectedGross, "118.00");
}

TEST(ManualComputation, InvoiceNumberDateAndManualSet) {
    GridRows grid = {amounts("100", "", ""), amounts("", "", "")};
    grid[0][0] = "K1";
    grid[1][0] = "K2";
    ManualInput in = marchInput(2);
    in.contractNos = {"12345", "K2"};
    RowSet set;
    const ComputationResult result = runManualComputation(grid, in, set, {});
    EXPECT_EQ(grid[0][1], "2"
                          "13"
                          "03"
                          "12345");
    EXPECT_EQ(grid[0][2], "31.03.13");
    ASSERT_EQ(set.count(), 2u);
    EXPECT_EQ(set.rows[0].InvoiceNo.str(), "2130312345");
    EXPECT_EQ(set.rows[1].AmountText.str(), "0");
    EXPECT_EQ(set.IncomeTotal, 10000u);
    EXPECT_EQ(set.VatTotal, 1800u);
    EXPECT_EQ(set.GrossTotal, 11800u);
    EXPECT_EQ(result.incomeTotal, "100.00");
    EXPECT_EQ(result.grossTotal, "118.00");
    EXPECT_FALSE(result.ready) << "no remuneration typed";
}

TEST(ManualComputation, LastDayOfTheMonth) {
    const std::vector<std::tuple<int, int, std::string>> cases = {
        {1, 2, "29"},  {1, 3, "28"}, {1, 6, "29"},   {3, 3, "30"},  {5, 3, "30"},  {8, 3, "30"},
        {10, 3, "30"}, {0, 3, "31"}, {11, 89, "31"}, {1, 14, "29"}, {1, 15, "28"},
    };
    for (const auto& [month, year, day] : cases) {
        SCOPED_TRACE(testing::Message() << month << "/" << year);
        GridRows grid = {amounts("", "", "")};
        ManualInput in = marchInput(1);
        in.period = Period{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(year)};
        RowSet set;
        runManualComputation(grid, in, set, {});
        EXPECT_EQ(grid[0][2].substr(0, 2), day);
    }
}

TEST(ManualComputation, RemunerationAgainstTheAccruedIncome) {
    {
        GridRows grid = {amounts("1000", "", "")};
        RowSet set;
        const auto result = runManualComputation(grid, marchInput(1, "1000"), set, {});
        EXPECT_TRUE(result.ready) << "equal to the income is accepted";
        EXPECT_EQ(result.toPrincipal, "180.00");
        EXPECT_EQ(set.ToPrincipal, 18000u);
    }
    {
        GridRows grid = {amounts("1000", "", "")};
        RowSet set;
        const auto result = runManualComputation(grid, marchInput(1, "1000.01"), set, {});
        EXPECT_FALSE(result.ready);
        EXPECT_TRUE(result.remunerationCleared);
        EXPECT_EQ(cp1251ToUtf8(result.message), "Сумма вознаграждения больше начисленного дохода");
    }
    {
        // A kept discrepancy can make the total with VAT smaller than the income.
        GridRows grid = {amounts("1000", "0.01", "0.02")};
        RowSet set;
        const auto result = runManualComputation(grid, marchInput(1, "500"), set, {});
        EXPECT_FALSE(result.ready);
        EXPECT_EQ(cp1251ToUtf8(result.message), "Сумма вознаграждения больше суммы с НДС");
    }
}

TEST(ManualComputation, BadAmountsStopWithAMessageAndNothingReady) {
    struct Bad {
        GridRow row;
        std::string remuneration;
        std::string message;
    };
    const std::vector<Bad> cases = {
        {amounts("1.2.3", "", ""), "10",
         "Строка 2, столбец «Сумма»: неверная сумма «1.2.3». Расчет не выполнен."},
        {amounts("", "18,5,", ""), "10",
         "Строка 2, столбец «НДС»: неверная сумма «18,5,». Расчет не выполнен."},
        {amounts("", "", "21474837"), "10",
         "Строка 2, столбец «С НДС»: сумма «21474837» больше 21474836 руб. Расчет не выполнен."},
        {amounts("", "7730942", ""), "10",
         "Строка 2: расчетная сумма больше 42949672.95 руб. Расчет не выполнен."},
        {amounts("100", "", ""), "abc",
         "Вознаграждение: неверная сумма «abc». Расчет не выполнен."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        GridRows grid = {amounts("100", "", ""), c.row};
        RowSet set;
        set.rows.resize(7); // an earlier computation's rows must survive a refused one
        const auto result = runManualComputation(grid, marchInput(2, c.remuneration), set, {});
        EXPECT_FALSE(result.ready);
        EXPECT_EQ(cp1251ToUtf8(result.message), c.message);
        if (c.remuneration == "10") {
            EXPECT_EQ(set.count(), 7u);
        }
    }
}

TEST(ManualComputation, AmountsAndTotalsAReportCannotHoldAreRefused) {
    {
        GridRows grid(2, amounts("", "", "9999999"));
        RowSet set;
        const auto result = runManualComputation(grid, marchInput(2, "1"), set, {});
        EXPECT_FALSE(result.ready);
        EXPECT_EQ(cp1251ToUtf8(result.message),
                  "Итог по столбцу «Сумма» больше 9999999.99 руб. и не помещается в отчет. "
                  "Расчет не выполнен.");
        EXPECT_TRUE(set.empty());
    }
    {
        // 21474836 parses, but "21474836.00" would lose a digit in the report's field.
        GridRows grid = {amounts("21474836", "", "")};
        RowSet set;
        const auto result = runManualComputation(grid, marchInput(1, "1"), set, {});
        EXPECT_EQ(cp1251ToUtf8(result.message),
                  "Строка 1, столбец «Сумма»: сумма больше 9999999.99 руб. не помещается в "
                  "отчет. Расчет не выполнен.");
    }
    {
        GridRows grid = {amounts("9999999.99", "", "")};
        RowSet set;
        const auto result = runManualComputation(grid, marchInput(1, "1"), set, {});
        EXPECT_EQ(cp1251ToUtf8(result.message),
                  "Строка 1, столбец «С НДС»: сумма больше 9999999.99 руб. не помещается в "
                  "отчет. Расчет не выполнен.");
    }
}

TEST(ManualComputation, OnlyRowsWithAnActiveClientAreComputed) {
    GridRows grid(4, amounts("", "", ""));
    RowSet set;
    const auto none = runManualComputation(grid, marchInput(0), set, {});
    EXPECT_FALSE(none.totalsShown);
    EXPECT_EQ(grid[0][1], "");
}

} // namespace
} // namespace kestrelon
