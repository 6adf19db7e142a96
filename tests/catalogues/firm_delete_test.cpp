#include "catalogue_fixture.h"

#include <filesystem>

namespace kestrelon::test {
namespace {

using Names = std::vector<std::string>;

class FirmDeleteTest : public CatalogueTest {
protected:
    void SetUp() override {
        addFirm("Alpha", "7701");
        addFirm("Beta", "7702");
        addFirm("Gamma", "7703");
    }
};

struct ReferringCase {
    const char* label;
    friend void PrintTo(const ReferringCase& c, std::ostream* os) { *os << c.label; }
    std::vector<std::pair<std::string, int>> contracts; // number, organization slot
    std::optional<std::string> named;
};

class ContractReferring : public FirmDeleteTest,
                          public ::testing::WithParamInterface<ReferringCase> {};

TEST_P(ContractReferring, NamesTheFirstContractInTableOrder) {
    for (const auto& [number, firm] : GetParam().contracts) {
        addContract(firm, number);
    }
    EXPECT_EQ(firstContractReferring(*store, 1), GetParam().named);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContractReferring,
    ::testing::Values(ReferringCase{"None", {{"1", 0}, {"2", 2}}, std::nullopt},
                      ReferringCase{"One", {{"1", 0}, {"15/07", 1}}, "15/07"},
                      ReferringCase{
                          "Two", {{"1", 0}, {"15/07", 1}, {"9", 2}, {"16/07", 1}}, "15/07"}),
    [](const auto& info) { return std::string(info.param.label); });

struct DeleteCase {
    const char* label;
    friend void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.label; }
    int selected;
    Names active;
    int selectedAfter;
};

class DeleteSlot : public FirmDeleteTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteSlot, MovesTheOrganizationToTheDeletedListAndSavesBoth) {
    const DeleteCase& c = GetParam();
    const std::string deleted = store->Firms[static_cast<std::size_t>(c.selected)].Name.str();
    deleteFirmAt(c.selected);

    EXPECT_EQ(activeNames(), c.active);
    EXPECT_EQ(firmSel.SelectedFirm, c.selectedAfter);
    EXPECT_EQ(deletedNames(), Names{deleted});
    EXPECT_EQ(firmSel.SelectedDeletedFirm, 0);
    EXPECT_EQ(namesOnDisk(files::kFirms), c.active);
    EXPECT_EQ(namesOnDisk(files::kFirmsDeleted), Names{deleted});
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteSlot,
                         ::testing::Values(DeleteCase{"First", 0, {"Beta", "Gamma"}, 0},
                                           DeleteCase{"Middle", 1, {"Alpha", "Gamma"}, 1},
                                           DeleteCase{"Last", 2, {"Alpha", "Beta"}, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(CatalogueTest, DeletingTheOnlyOrganizationEmptiesTheList) {
    addFirm("Alpha", "7701");
    deleteFirmAt(0);
    EXPECT_EQ(store->FirmCount, 0);
    EXPECT_EQ(firmSel.SelectedFirm, 0);
    EXPECT_TRUE(folder.exists(files::kFirms));
    EXPECT_EQ(namesOnDisk(files::kFirms), Names{});
}

TEST_F(FirmDeleteTest, TheWholeRecordIsKept) {
    store->Firms[1].Banks[3].SettlementAccount = "40702810000000000001";
    store->Firms[1].SelectedBank = 3;
    store->Firms[1].Okved = "61.10";
    const std::string before = bytesOf(store->Firms[1]);
    deleteFirmAt(1);
    EXPECT_EQ(bytesOf(store->FirmsDel[0]), before);
}

TEST_F(FirmDeleteTest, SelectedDeletedFirmNamesTheNewestDeletion) {
    deleteFirmAt(0);
    firmSel.SelectedDeletedFirm = 0;
    deleteFirmAt(0);
    EXPECT_EQ(deletedNames(), (Names{"Alpha", "Beta"}));
    EXPECT_EQ(firmSel.SelectedDeletedFirm, 1);
}

TEST_F(CatalogueTest, AFullDeletedListDropsItsOldestAndKeepsTheOrderOfDeletion) {
    Names expected;
    for (int k = 0; k < 64; ++k) {
        addFirm("Firm " + std::to_string(k), std::to_string(1000 + k));
        if (k > 0) {
            expected.push_back("Firm " + std::to_string(k));
        }
    }
    for (int k = 0; k < 64; ++k) {
        deleteFirmAt(0);
    }
    addFirm("Firm 64", "1064");
    expected.push_back("Firm 64");
    ASSERT_EQ(store->DeletedFirmCount, 64);
    ASSERT_EQ(firmSel.SelectedDeletedFirm, 63);
    firmSel.SelectedDeletedFirm = 10;

    deleteFirmAt(0); // the 65th deletion

    EXPECT_EQ(store->DeletedFirmCount, 64);
    EXPECT_EQ(deletedNames(), expected);
    EXPECT_EQ(firmSel.SelectedDeletedFirm, 10);
    EXPECT_EQ(store->FirmCount, 0);
    EXPECT_EQ(namesOnDisk(files::kFirmsDeleted), expected);
}

TEST_F(CatalogueTest, DerivedIndexesFollowRemovals) {
    addFirm("Alpha", "7701");
    addFirm("Beta", "7702");
    addFirm("Principal", PrincipalInn);
    addFirm("Agent", "7704");
    store->Agent.AgentInn = "7704";
    store->refreshFirmIndexes();
    ASSERT_EQ(store->PrincipalFirmIndex, 2);
    ASSERT_EQ(store->AgentFirmIndex, 3);

    deleteFirmAt(0);
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
    EXPECT_EQ(store->AgentFirmIndex, 2);

    deleteFirmAt(1);
    EXPECT_EQ(store->PrincipalFirmIndex, -1);
    EXPECT_EQ(store->AgentFirmIndex, 1);
}

TEST_F(FirmDeleteTest, FailedActiveSaveFindsTheOrganizationAlreadyInTheDeletedFile) {
    std::filesystem::remove(folder.path() + files::kFirms);
    std::filesystem::create_directory(folder.path() + files::kFirms);

    const auto error = ioErrorFrom([&] { deleteFirmAt(1); });

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->fileName(), files::kFirms);
    EXPECT_EQ(namesOnDisk(files::kFirmsDeleted), Names{"Beta"});
    EXPECT_EQ(activeNames(), (Names{"Alpha", "Gamma"})); // memory keeps the change
}

} // namespace
} // namespace kestrelon::test
