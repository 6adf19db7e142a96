#include "catalogue_fixture.h"

#include <filesystem>

namespace kestrelon::test {
namespace {

using Names = std::vector<std::string>;

// Active: Alpha; deleted, in this order: Beta, Gamma, Delta.
class FirmRestoreTest : public CatalogueTest {
protected:
    void SetUp() override {
        addFirm("Alpha", "7701");
        addFirm("Beta", "7702");
        addFirm("Gamma", "7703");
        addFirm("Delta", "7704");
        for (int k = 0; k < 3; ++k) {
            deleteFirmAt(1);
        }
        firmSel.SelectedFirm = 0;
    }

    void restoreAt(int slot) {
        firmSel.SelectedDeletedFirm = static_cast<std::int16_t>(slot);
        restoreFirm(*store, firmSel);
    }
};

struct RestoreCase {
    const char* label;
    friend void PrintTo(const RestoreCase& c, std::ostream* os) { *os << c.label; }
    int selected;
    Names deletedAfter;
    int selectedAfter;
};

class RestoreSlot : public FirmRestoreTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreSlot, AppendsToTheActiveListAndSavesBoth) {
    const RestoreCase& c = GetParam();
    const std::string restored = store->FirmsDel[static_cast<std::size_t>(c.selected)].Name.str();
    restoreAt(c.selected);

    const Names active{"Alpha", restored};
    EXPECT_EQ(activeNames(), active);
    EXPECT_EQ(firmSel.SelectedFirm, 1);
    EXPECT_EQ(deletedNames(), c.deletedAfter);
    EXPECT_EQ(firmSel.SelectedDeletedFirm, c.selectedAfter);
    EXPECT_EQ(namesOnDisk(files::kFirms), active);
    EXPECT_EQ(namesOnDisk(files::kFirmsDeleted), c.deletedAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, RestoreSlot,
                         ::testing::Values(RestoreCase{"First", 0, {"Gamma", "Delta"}, 0},
                                           RestoreCase{"Middle", 1, {"Beta", "Delta"}, 1},
                                           RestoreCase{"Last", 2, {"Beta", "Gamma"}, 1}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(FirmRestoreTest, TheLastDeletedOneLeavesTheSelectionOnTheFirstRow) {
    restoreAt(0);
    restoreAt(0);
    restoreAt(0);
    EXPECT_EQ(store->DeletedFirmCount, 0);
    EXPECT_EQ(firmSel.SelectedDeletedFirm, 0);
    EXPECT_EQ(activeNames(), (Names{"Alpha", "Beta", "Gamma", "Delta"}));
}

TEST_F(FirmRestoreTest, AnInnSharedWithAnActiveOrganizationIsNoObstacle) {
    addFirm("Beta again", "7702");
    restoreAt(0);
    EXPECT_EQ(activeNames(), (Names{"Alpha", "Beta again", "Beta"}));
}

TEST_F(FirmRestoreTest, RestoringThePrincipalIndexesIt) {
    store->FirmsDel[2].Inn = PrincipalInn;
    ASSERT_EQ(store->PrincipalFirmIndex, -1);
    restoreAt(2);
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
}

TEST_F(FirmRestoreTest, FillsTheActiveListUpTo64ThenDoesNothing) {
    for (int k = 1; k < 63; ++k) {
        addFirm("Firm " + std::to_string(k), std::to_string(1000 + k));
    }
    ASSERT_EQ(store->FirmCount, 63);
    restoreAt(0);
    EXPECT_EQ(store->FirmCount, 64);
    EXPECT_EQ(store->Firms[63].Name.str(), "Beta");

    std::filesystem::remove(folder.path() + files::kFirmsDeleted);
    restoreAt(0);
    EXPECT_EQ(store->FirmCount, 64);
    EXPECT_EQ(deletedNames(), (Names{"Gamma", "Delta"}));
    EXPECT_FALSE(folder.exists(files::kFirmsDeleted)); // nothing written
}

TEST_F(FirmRestoreTest, FailedActiveSaveLeavesTheDeletedFileHoldingTheOrganization) {
    std::filesystem::remove(folder.path() + files::kFirms);
    std::filesystem::create_directory(folder.path() + files::kFirms);

    const auto error = ioErrorFrom([&] { restoreAt(1); });

    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(namesOnDisk(files::kFirmsDeleted), (Names{"Beta", "Gamma", "Delta"}));
    // In memory the organization moved whole: it is listed once, not twice.
    EXPECT_EQ(activeNames(), (Names{"Alpha", "Gamma"}));
    EXPECT_EQ(deletedNames(), (Names{"Beta", "Delta"}));
}

} // namespace
} // namespace kestrelon::test
