#include "reports/computation/manual_computation.h"
#include "reports/computation/manual_grid.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

DataStore storeWithClients(std::initializer_list<std::pair<const char*, bool>> clients) {
    DataStore store;
    for (const auto& [contract, active] : clients) {
        ClientRecord& c = store.Clients[store.ClientCount++];
        c.ContractNo = contract;
        c.FirmInn = "5001000002";
        c.Inactive = active ? 0 : 1;
    }
    return store;
}

TEST(ManualGrid, OneRowPerActiveContractInTableOrderWithPeriodInvoiceAndDate) {
    const DataStore store =
        storeWithClients({{"11111111", true}, {"22222222", false}, {"33333333", true}});
    const std::vector<std::string> contracts = activeContractNos(store);
    ASSERT_EQ(contracts, (std::vector<std::string>{"11111111", "33333333"}));

    // March 2013 (year index 3), zone 2; February of a leap year ends on the 29th.
    const GridRows rows = manualGridRows(contracts, Period{2, 3}, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (GridRow{"11111111", "2130311111111", "31.03.13", "", "", ""}));
    EXPECT_EQ(rows[1][1], "2130333333333");
    EXPECT_EQ(manualInvoiceDate(Period{1, 2}), "29.02.12");
    EXPECT_EQ(manualInvoiceNo(9, Period{11, 89}, "7"), "999127");
}

TEST(ManualGrid, GridRowsAndComputationAgreeOnInvoiceNumberAndDate) {
    const std::vector<std::string> contracts = {"11111111"};
    const Period june2014{5, 4};
    GridRows grid = manualGridRows(contracts, june2014, 7);
    const GridRow built = grid[0];
    RowSet set;
    runManualComputation(grid, ManualInput{contracts, june2014, 7, ""}, set, {});
    EXPECT_EQ(grid[0][1], built[1]);
    EXPECT_EQ(grid[0][2], built[2]);
    EXPECT_EQ(grid[0][2], "30.06.14");
}

TEST(ManualGrid, TypedAmountsStayWithTheirContractsWhenTheSetChanges) {
    GridRows typed = manualGridRows({"A", "B", "A"}, Period{0, 3}, 2);
    typed[0][3] = "100";
    typed[1][4] = "18";
    typed[2][5] = "236";
    // B became inactive, C was added before the second A.
    const GridRows rebuilt = manualGridRows({"A", "C", "A"}, Period{0, 3}, 2, typed);
    EXPECT_EQ(rebuilt[0][3], "100");
    EXPECT_EQ(rebuilt[1][3] + rebuilt[1][4] + rebuilt[1][5], "") << "a new contract starts empty";
    EXPECT_EQ(rebuilt[2][5], "236") << "the second row of A keeps the second typed row of A";
}

TEST(ManualGrid, TrackerAsksForARebuildOnlyWhenTheActiveContractsChanged) {
    ManualGridTracker tracker;
    EXPECT_TRUE(tracker.needsRebuild({"A", "B"})) << "the first showing builds the grid";
    EXPECT_FALSE(tracker.needsRebuild({"A", "B"})) << "coming back from a dialog keeps it";
    EXPECT_TRUE(tracker.needsRebuild({"A"}));
    tracker.rebuilt({"A", "C"});
    EXPECT_FALSE(tracker.needsRebuild({"A", "C"}));
}

TEST(ReportSets, DocumentsShowOnlyRowsComputedSinceNew) {
    ReportSets sets;
    sets.ManualSet.rows.resize(2);
    sets.ManualComputed = true;
    EXPECT_EQ(sets.documentRows(ReportMode::Manual).count(), 2u);
    sets.startNewReport();
    EXPECT_TRUE(sets.documentRows(ReportMode::Manual).empty());
    EXPECT_EQ(sets.ManualSet.count(), 2u) << "the rows stay for the next computation";
    EXPECT_FALSE(sets.ready(ReportMode::Manual));
}

} // namespace
} // namespace kestrelon
