#include "catalogue_fixture.h"

namespace kestrelon::test {
namespace {

using Names = std::vector<std::string>;

// Organizations Alpha (7701) and Beta (7702); contracts "12" (Alpha) and "A1" (Beta).
class ClientTest : public CatalogueTest {
protected:
    void SetUp() override {
        addFirm("Alpha", "7701");
        addFirm("Beta", "7702");
        addContract(0, "12");
        addContract(1, "A1");
    }

    ClientCardFields card(const std::string& number) const {
        return {number, "01.02.2013", "111", "a@b.ru"};
    }
};

struct NewCheckCase {
    const char* label;
    friend void PrintTo(const NewCheckCase& c, std::ostream* os) { *os << c.label; }
    int chosenFirm;
    std::string number;
    std::string expected; // UTF-8
};

class NewClientCheck : public ClientTest, public ::testing::WithParamInterface<NewCheckCase> {};

TEST_P(NewClientCheck, RefusesInItsOrder) {
    const NewCheckCase& c = GetParam();
    EXPECT_EQ(checkNewClient(*store, c.chosenFirm, card(c.number)), utf8ToCp1251(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewClientCheck,
    ::testing::Values(NewCheckCase{"NoOrganization", -1, "", "Выберите организацию"},
                      NewCheckCase{"NoOrganizationTakenNumber", -1, "12", "Выберите организацию"},
                      NewCheckCase{"EmptyNumber", 0, "", "Введите номер договора"},
                      NewCheckCase{"TakenNumber", 0, "12", "Такой контракт уже есть"},
                      NewCheckCase{"TakenByAnotherOrganization", 0, "A1",
                                   "Такой контракт уже есть"},
                      NewCheckCase{"TrailingSpaceDiffers", 0, "12 ", ""},
                      NewCheckCase{"LetterCaseDiffers", 1, "a1", ""},
                      NewCheckCase{"FreshNumber", 1, "13", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CatalogueTest, WithoutOrganizationsNoContractCanBeChosen) {
    EXPECT_EQ(checkNewClient(*store, 0, {"1", "", "", ""}), "Выберите организацию"_cp);
}

TEST_F(CatalogueTest, TheFirstContractPassesTheNumberCheck) {
    addFirm("Alpha", "7701");
    EXPECT_EQ(checkNewClient(*store, 0, {"1", "", "", ""}), "");
}

struct EditCheckCase {
    const char* label;
    friend void PrintTo(const EditCheckCase& c, std::ostream* os) { *os << c.label; }
    std::string number;
    std::string expected; // UTF-8
};

class EditedClientCheck : public ClientTest, public ::testing::WithParamInterface<EditCheckCase> {};

TEST_P(EditedClientCheck, RefusesOnlyAnotherContractsNumber) {
    const EditCheckCase& c = GetParam();
    EXPECT_EQ(checkEditedClient(*store, 0, card(c.number)), utf8ToCp1251(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditedClientCheck,
    ::testing::Values(EditCheckCase{"EmptyNumber", "", "Введите номер договора"},
                      EditCheckCase{"OwnNumberKept", "12", ""},
                      EditCheckCase{"AnothersNumber", "A1", "Такой контракт уже есть"},
                      EditCheckCase{"AnothersNumberInOtherCase", "a1", ""},
                      EditCheckCase{"OwnNumberWithSpace", "12 ", ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ClientTest, NewContractStartsFromAnEmptySlot) {
    // A removed contract leaves its bytes behind in the slot that the next one takes.
    store->Clients[1].Inactive = 1;
    store->Clients[1].Phone = "555";
    clientSel.SelectedClient = 1;
    deleteClient(*store, clientSel);
    ASSERT_EQ(store->ClientCount, 1);

    addClient(*store, clientSel, 1, {"77", "", "", ""});

    ClientRecord expected{};
    expected.ContractNo = "77";
    expected.FirmInn = "7702";
    EXPECT_EQ(bytesOf(store->Clients[1]), bytesOf(expected));
    EXPECT_EQ(store->ClientCount, 2);
    EXPECT_EQ(clientSel.SelectedClient, 1);
    EXPECT_EQ(store->ClientFirmNames[1].str(), "Beta");

    auto onDisk = std::make_unique<ClientTable>();
    ASSERT_TRUE(loadImage(folder.path(), files::kClients, *onDisk));
    EXPECT_EQ(bytesOf(*onDisk), bytesOf(store->Clients));
}

TEST_F(ClientTest, EditingKeepsTheOrganizationAndTheActiveMark) {
    toggleActive(*store, 0);
    editClient(*store, 0, {"12-b", std::string(20, '9'), "222", "c@d.ru"});

    const ClientRecord& edited = store->Clients[0];
    EXPECT_EQ(edited.ContractNo.str(), "12-b");
    EXPECT_EQ(edited.ContractDate.str(), std::string(12, '9'));
    EXPECT_EQ(edited.Phone.str(), "222");
    EXPECT_EQ(edited.Email.str(), "c@d.ru");
    EXPECT_EQ(edited.FirmInn.str(), "7701");
    EXPECT_EQ(edited.Inactive, 1);
}

struct DeleteClientCase {
    const char* label;
    friend void PrintTo(const DeleteClientCase& c, std::ostream* os) { *os << c.label; }
    int selected;
    Names numbers;
    Names firmNames;
    int selectedAfter;
};

class DeleteClientSlot : public ClientTest,
                         public ::testing::WithParamInterface<DeleteClientCase> {};

TEST_P(DeleteClientSlot, LaterContractsMoveUpWithTheirNames) {
    addContract(0, "30");
    const DeleteClientCase& c = GetParam();
    clientSel.SelectedClient = static_cast<std::int16_t>(c.selected);
    deleteClient(*store, clientSel);

    Names numbers, firmNames;
    for (std::size_t k = 0; k < store->ClientCount; ++k) {
        numbers.push_back(store->Clients[k].ContractNo.str());
        firmNames.push_back(store->ClientFirmNames[k].str());
    }
    EXPECT_EQ(numbers, c.numbers);
    EXPECT_EQ(firmNames, c.firmNames);
    EXPECT_EQ(clientSel.SelectedClient, c.selectedAfter);
    auto onDisk = std::make_unique<ClientTable>();
    ASSERT_TRUE(loadImage(folder.path(), files::kClients, *onDisk));
    EXPECT_EQ(countSlots(*onDisk), c.numbers.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteClientSlot,
    ::testing::Values(DeleteClientCase{"First", 0, {"A1", "30"}, {"Beta", "Alpha"}, 0},
                      DeleteClientCase{"Middle", 1, {"12", "30"}, {"Alpha", "Alpha"}, 1},
                      DeleteClientCase{"Last", 2, {"12", "A1"}, {"Alpha", "Beta"}, 1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ClientTest, TheDeleteQuestionNamesTheContractNumberBesideItsOrganization) {
    addContract(0, "15/07");
    EXPECT_EQ(cp1251ToUtf8(contractToDelete(*store, 0)), "Alpha\nдоговор № 12");
    EXPECT_EQ(cp1251ToUtf8(contractToDelete(*store, 2)), "Alpha\nдоговор № 15/07");
    EXPECT_EQ(contractToDelete(*store, 3), "") << "no contract in that slot";
}

TEST_F(ClientTest, DeletingEveryContractLeavesTheSelectionOnTheFirstRow) {
    deleteClient(*store, clientSel); // SelectedClient is 1, the last one
    EXPECT_EQ(clientSel.SelectedClient, 0);
    deleteClient(*store, clientSel);
    EXPECT_EQ(store->ClientCount, 0);
    EXPECT_EQ(clientSel.SelectedClient, 0);
}

TEST_F(ClientTest, ActiveMarksChangedOnlyWhenADifferenceRemains) {
    ActiveSnapshot snapshot;
    snapshot.take(*store);
    EXPECT_FALSE(snapshot.changed(*store));

    toggleActive(*store, 1);
    EXPECT_EQ(store->Clients[1].Inactive, 1);
    EXPECT_TRUE(snapshot.changed(*store));

    toggleActive(*store, 1);
    EXPECT_EQ(store->Clients[1].Inactive, 0);
    EXPECT_FALSE(snapshot.changed(*store));
}

TEST_F(ClientTest, GridRowShowsTheContractCutTo80) {
    store->ClientFirmNames[0] = std::string(100, 'n');
    store->Clients[0].Email = std::string(64, 'e');

    using Row = std::array<std::string, 6>;
    EXPECT_EQ(clientGridRow(*store, 0),
              (Row{"12", std::string(80, 'n'), "", std::string(64, 'e'), "", "      X"}));
    toggleActive(*store, 0);
    EXPECT_EQ(clientGridRow(*store, 0)[5], "");
}

} // namespace
} // namespace kestrelon::test
