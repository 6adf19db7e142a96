#include "catalogue_fixture.h"
#include "catalogues/contract_parties.h"
#include "catalogues/stored_text.h"

namespace kestrelon::test {
namespace {

class ContractPartiesTest : public CatalogueTest {
protected:
    // Slot 0 the agent, slot 1 a real principal named in "Principal", slot 2 a client.
    ContractPartiesTest() {
        addFirm("ООО \"Сапсан\""_cp, "5001000002");
        addFirm("ПАО \"Связь\""_cp, "7707083893");
        addFirm("ИП Клиент"_cp, "500100000300");
        store->Agent.AgentInn = "5001000002";
        store->PrincipalChoice = "7707083893";
        store->refreshFirmIndexes();
        store->SaveFileAgent();
    }

    // The card's "OK" on slot `slot` with a new INN, as the organizations window commits it.
    void correctInn(std::size_t slot, const std::string& inn) {
        const ShortStr<12> before = store->Firms[slot].Inn;
        FirmCardFields card = readFirmCard(store->Firms[slot]);
        card.Inn = inn;
        writeFirmCard(store->Firms[slot], card);
        commitEditedFirm(*store, slot, before);
    }
    template <typename Image> Image onDisk(const char* file) const {
        Image image{};
        EXPECT_TRUE(loadImage(folder.path(), file, image)) << file;
        return image;
    }
};

TEST_F(ContractPartiesTest, ACorrectedInnKeepsTheAgentAndThePrincipalNamedOnDisk) {
    struct Case {
        std::size_t slot;
        const char* inn;
        const char* principal; // "Principal" afterwards, in memory and on disk
        const char* agent;     // Agent.AgentInn afterwards
    };
    const std::vector<Case> cases = {
        {1, "7707083894", "7707083894", "5001000002"},
        {0, "5001000003", "7707083894", "5001000003"},
        {2, "500100000301", "7707083894", "5001000003"}, // a client: neither follows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inn);
        correctInn(c.slot, c.inn);
        EXPECT_EQ(store->PrincipalChoice.str(), c.principal);
        EXPECT_EQ(store->Agent.AgentInn.str(), c.agent);
        EXPECT_EQ(store->PrincipalFirmIndex, 1);
        EXPECT_EQ(store->AgentFirmIndex, 0);
        EXPECT_EQ((onDisk<ShortStr<12>>(files::kPrincipal).str()), c.principal);
        EXPECT_EQ(onDisk<AgentRecord>(files::kAgent).AgentInn.str(), c.agent);
        EXPECT_EQ(onDisk<FirmTable>(files::kFirms)[c.slot].Inn.str(), c.inn);
        EXPECT_EQ(missingPrincipalProblem(*store), "");
    }
}

TEST_F(ContractPartiesTest, TheFixedPrincipalCorrectedIsNamedFromThenOn) {
    store->PrincipalChoice.clear();
    correctInn(1, PrincipalInn);
    ASSERT_EQ(store->PrincipalFirmIndex, 1);
    correctInn(1, "7712345671");
    EXPECT_EQ(store->PrincipalChoice.str(), "7712345671");
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
}

TEST_F(ContractPartiesTest, DeletingAPartyAsksWhatItMeansAndAMissingPrincipalIsSaid) {
    EXPECT_EQ(partyDeletionQuestion(*store, 2), "") << "a client's organization";
    EXPECT_TRUE(cp1251ToUtf8(partyDeletionQuestion(*store, 0))
                    .starts_with("«ООО \"Сапсан\"» — организация агента"));
    const std::string principal = cp1251ToUtf8(partyDeletionQuestion(*store, 1));
    EXPECT_TRUE(principal.starts_with("«ПАО \"Связь\"» — организация принципала в агентском "
                                      "договоре"))
        << principal;
    EXPECT_NE(principal.find("список «Организация принципала»"), std::string::npos);

    // Another organization with the same INN would still be found: nothing to ask.
    addFirm("ПАО \"Связь\" (копия)"_cp, "7707083893");
    EXPECT_EQ(partyDeletionQuestion(*store, 1), "");

    deleteFirmAt(3);
    deleteFirmAt(1);
    const std::string missing = cp1251ToUtf8(missingPrincipalProblem(*store));
    EXPECT_TRUE(missing.starts_with("Организация принципала не найдена")) << missing;
    EXPECT_NE(missing.find("ИНН 7707083893"), std::string::npos) << missing;
    EXPECT_NE(missing.find("вкладка «Тарвел»"), std::string::npos) << missing;

    // A folder that never named a principal keeps its fixed one, found or not.
    store->PrincipalChoice.clear();
    EXPECT_EQ(missingPrincipalProblem(*store), "");
}

} // namespace
} // namespace kestrelon::test
