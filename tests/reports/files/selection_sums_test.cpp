#include "reports/files/selection_sums.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

struct Amounts {
    std::string gross, remuneration, toPrincipal;
};

std::vector<ReportListEntry> entriesOf(const std::vector<Amounts>& amounts) {
    std::vector<ReportListEntry> entries;
    for (const Amounts& a : amounts) {
        ReportListEntry e;
        e.GrossTotal = a.gross;
        e.Remuneration = a.remuneration;
        e.ToPrincipal = a.toPrincipal;
        entries.push_back(e);
    }
    return entries;
}

struct SumCase {
    const char* what;
    std::vector<Amounts> selected;
    std::size_t firstRow;
    char separator;
    Amounts sums;
    std::string sixPercent;
    std::string panel; // UTF-8
};

TEST(SelectionSums, AddsExactlyInKopecksAndWritesTheGeneralFormat) {
    const std::vector<SumCase> cases = {
        {"two reports",
         {{"1770.00", "1500.00", "270.00"}, {"300.50", "250.50", "50.00"}},
         0,
         '.',
         {"2070.5", "1750.5", "320"},
         "105.03",
         "Selection - 2 (1..2)"},
        {"comma separator",
         {{"1770.00", "1500.00", "270.00"}, {"300.50", "250.50", "50.00"}},
         0,
         ',',
         {"2070,5", "1750,5", "320"},
         "105,03",
         "Selection - 2 (1..2)"},
        {"rows 2 to 4, texts typed with comma and hyphen",
         {{"100-05", "0.05", "100"}, {"0,95", "0.05", "0"}, {"1", "0.05", "0.01"}},
         1,
         '.',
         {"102", "0.15", "100.01"},
         "0.009",
         "Selection - 3 (2..4)"},
        {"one tenth of a kopeck",
         {{"0.05", "0.05", "0"}},
         6,
         '.',
         {"0.05", "0.05", "0"},
         "0.003",
         "Selection - 1 (7..7)"},
        {"texts that are not amounts are left out and counted",
         {{"1.2.3", "", "10"}, {"20.00", "abc", "1 000"}, {"5", "7.5", "2"}},
         0,
         '.',
         {"25", "7.5", "12"},
         "0.45",
         "Selection - 3 (1..3), пропущено 4"},
    };
    for (const SumCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto entries = entriesOf(c.selected);
        const SelectionSums sums = sumSelection(entries, c.firstRow, c.separator);
        EXPECT_EQ(sums.grossTotal, c.sums.gross);
        EXPECT_EQ(sums.remuneration, c.sums.remuneration);
        EXPECT_EQ(sums.toPrincipal, c.sums.toPrincipal);
        EXPECT_EQ(sums.sixPercent, c.sixPercent);
        EXPECT_EQ(cp1251ToUtf8(sums.panelText), c.panel);
    }
}

TEST(SelectionSums, NothingSelectedSumsToZero) {
    const SelectionSums sums = sumSelection({}, 0, ',');
    EXPECT_EQ(sums.grossTotal + " " + sums.remuneration + " " + sums.toPrincipal, "0 0 0");
    EXPECT_EQ(sums.sixPercent, "0");
    EXPECT_EQ(sums.panelText, "");
}

TEST(SelectionSums, TheSixPercentTextKeepsToTenCharacters) {
    // 64 reports of the largest amount a report holds: nothing wraps, and 6 % of
    // 639999999.36 is 38399999.9616, cut to ten characters.
    const auto full = entriesOf(std::vector<Amounts>(64, {"9999999.99", "9999999.99", "1"}));
    const SelectionSums most = sumSelection(full, 0, '.');
    EXPECT_EQ(most.grossTotal, "639999999.36");
    EXPECT_EQ(most.remuneration, "639999999.36");
    EXPECT_EQ(most.sixPercent, "38399999.9");

    // 6 % of 40000000.02 is 2400000.0012; the cut leaves "2400000.00", whose zeros go.
    std::vector<Amounts> amounts(5, {"1", "8000000.00", "1"});
    amounts.push_back({"1", "0.02", "1"});
    EXPECT_EQ(sumSelection(entriesOf(amounts), 0, '.').sixPercent, "2400000");
}

} // namespace
} // namespace kestrelon
