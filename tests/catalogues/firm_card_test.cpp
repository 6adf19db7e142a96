#include "catalogue_fixture.h"

#include "catalogues/bank_fields.h"
#include "catalogues/stored_text.h"

namespace kestrelon::test {
namespace {

struct CardCheckCase {
    const char* label;
    friend void PrintTo(const CardCheckCase& c, std::ostream* os) { *os << c.label; }
    CardMode mode;
    std::string name, inn;
    std::string expected; // UTF-8; empty when the card may be stored
};

class FirmCardCheck : public CatalogueTest, public ::testing::WithParamInterface<CardCheckCase> {};

TEST_P(FirmCardCheck, RefusesInItsOrder) {
    addFirm("Alpha", "7701");
    addFirm("Gamma", "7703");
    addFirm("Delta", "7702");
    deleteFirmAt(2); // Delta's INN now belongs to a deleted organization only

    const CardCheckCase& c = GetParam();
    FirmCardFields card;
    card.Name = c.name;
    card.Inn = c.inn;
    EXPECT_EQ(checkFirmCard(c.mode, *store, card), utf8ToCp1251(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirmCardCheck,
    ::testing::Values(
        CardCheckCase{"NewEmptyNameFirst", CardMode::New, "", "", "Введите название организации"},
        CardCheckCase{"NewNameBeforeDuplicate", CardMode::New, "", "7701",
                      "Введите название организации"},
        CardCheckCase{"NewEmptyInn", CardMode::New, "Beta", "", "Введите ИНН"},
        CardCheckCase{"NewActiveInn", CardMode::New, "Beta", "7703", "Такая организация уже есть"},
        CardCheckCase{"NewDeletedInn", CardMode::New, "Beta", "7702", ""},
        CardCheckCase{"NewLongerInn", CardMode::New, "Beta", "77010", ""},
        CardCheckCase{"NewFreshInn", CardMode::New, "Beta", "7704", ""},
        CardCheckCase{"EditToAnothersInn", CardMode::Edit, "Alpha", "7703", ""},
        CardCheckCase{"EditEmptyName", CardMode::Edit, "", "7703", "Введите название организации"},
        CardCheckCase{"EditEmptyInn", CardMode::Edit, "Alpha", "", "Введите ИНН"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(CatalogueTest, VeryFirstOrganizationPassesTheDuplicateCheck) {
    FirmCardFields card;
    card.Name = "Alpha";
    card.Inn = "7701";
    EXPECT_EQ(checkFirmCard(CardMode::New, *store, card), "");
}

TEST_F(CatalogueTest, NewSlotStartsEmptyEvenOverARemovedOrganization) {
    addFirm("Alpha", "7701");
    store->Firms[0].Banks[1].Bik = "044525225";
    store->Firms[0].SelectedBank = 1;
    deleteFirmAt(0);

    FirmRecord* slot = clearNewFirmSlot(*store);
    ASSERT_EQ(slot, &store->Firms[0]);
    EXPECT_TRUE(allZero(*slot));
    EXPECT_EQ(store->FirmCount, 0); // counted only when the card is stored
}

TEST_F(CatalogueTest, NoNewSlotInAFullTable) {
    for (int k = 0; k < 64; ++k) {
        addFirm("Firm " + std::to_string(k), std::to_string(1000 + k));
    }
    EXPECT_EQ(store->FirmCount, 64);
    EXPECT_EQ(clearNewFirmSlot(*store), nullptr);
}

TEST_F(CatalogueTest, NewOrganizationIsCountedSelectedIndexedAndSaved) {
    addFirm("Alpha", "7701");
    addFirm("Principal", PrincipalInn);

    EXPECT_EQ(store->FirmCount, 2);
    EXPECT_EQ(firmSel.SelectedFirm, 1);
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
    EXPECT_EQ(namesOnDisk(files::kFirms), (std::vector<std::string>{"Alpha", "Principal"}));
}

TEST_F(CatalogueTest, EditedInnMovesTheDerivedIndexesAndIsSaved) {
    addFirm("Alpha", "7701");
    addFirm("Beta", "7702");
    store->Agent.AgentInn = "7702";
    store->refreshFirmIndexes();
    ASSERT_EQ(store->AgentFirmIndex, 1);

    FirmCardFields card = readFirmCard(store->Firms[0]);
    card.Inn = PrincipalInn;
    writeFirmCard(store->Firms[0], card);
    store->Firms[1].Inn = "9999";
    commitEditedFirm(*store, 0, asStored<12>("7701"));

    EXPECT_EQ(store->PrincipalFirmIndex, 0);
    EXPECT_EQ(store->AgentFirmIndex, -1);
    auto onDisk = std::make_unique<FirmTable>();
    ASSERT_TRUE(loadImage(folder.path(), files::kFirms, *onDisk));
    EXPECT_EQ((*onDisk)[0].Inn.str(), PrincipalInn);
}

TEST(FirmCardFieldsTest, TypedTextIsCutToTheStoredLengths) {
    FirmCardFields card;
    card.Name = std::string(200, 'n');
    card.CertSeries = "ABCDEFG";
    card.Okved = std::string(300, 'o');
    card.Inn = "1234567890123";
    FirmRecord firm{};
    writeFirmCard(firm, card);

    const FirmCardFields back = readFirmCard(firm);
    EXPECT_EQ(back.Name, std::string(128, 'n'));
    EXPECT_EQ(back.CertSeries, "ABCD");
    EXPECT_EQ(back.Okved, std::string(255, 'o'));
    EXPECT_EQ(back.Inn, "123456789012");
}

TEST(BankFieldsTest, FieldsAreCutToTheirLengthsAndTheChoiceIsStored) {
    BankFields fields;
    for (auto& account : fields.accounts) {
        account.fill(std::string(300, 'x'));
    }
    fields.accounts[2][2] = "044525225";
    fields.selected = 2;
    FirmRecord firm{};
    writeBankFields(firm, fields);

    const std::array<std::size_t, 5> lengths = {20, 20, 10, 128, 255};
    const BankFields back = readBankFields(firm);
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t f = 0; f < 5; ++f) {
            if (a == 2 && f == 2) {
                continue;
            }
            EXPECT_EQ(back.accounts[a][f].size(), lengths[f]) << "account " << a << " field " << f;
        }
    }
    EXPECT_EQ(firm.SelectedBank, 2);
    EXPECT_EQ(firm.currentBank().Bik.str(), "044525225");
    EXPECT_EQ(back.selected, 2);
}

} // namespace
} // namespace kestrelon::test
