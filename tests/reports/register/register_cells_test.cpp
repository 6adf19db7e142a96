#include "reports/register/register_cells.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

using Cells = std::vector<std::string>;

TEST(SplitCells, RunsOfSeparatorsMakeNoEmptyCells) {
    const std::vector<std::pair<std::string, Cells>> cases = {
        {"a\tb", {"a", "b"}},
        {"\t\ta\t\t\tb\t", {"a", "b"}},
        {"", {}},
        {"\t\t", {}},
        {"Invoices  register for 7", {"Invoices  register for 7"}},
    };
    for (const auto& [line, cells] : cases) {
        EXPECT_EQ(splitCells(line, '\t'), cells) << line;
    }
    EXPECT_EQ(splitCells(" Invoices  register for 7 ", ' '),
              (Cells{"Invoices", "register", "for", "7"}));
}

TEST(SplitCells, CutsCellsTo64AndRefusesMoreThan64Cells) {
    const std::string longCell = std::string(64, 'x') + "tail";
    EXPECT_EQ(splitCells("a\t" + longCell + "\tb", '\t'), (Cells{"a", std::string(64, 'x'), "b"}));

    std::string line;
    for (int i = 0; i < 64; ++i) {
        line += "c\t\t";
    }
    ASSERT_TRUE(splitCells(line, '\t'));
    EXPECT_EQ(splitCells(line, '\t')->size(), 64u);
    EXPECT_FALSE(splitCells(line + "c", '\t'));
}

} // namespace
} // namespace kestrelon
