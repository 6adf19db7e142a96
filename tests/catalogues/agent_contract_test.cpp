#include "catalogue_fixture.h"

#include "catalogues/agent_contract.h"
#include "store/startup_load.h"

#include <filesystem>

namespace kestrelon::test {
namespace {

AgentCardFields completeCard(int firm, const std::string& number) {
    AgentCardFields f;
    f.chosenFirm = firm;
    f.ContractNo = number;
    f.ContractDate = "1.02.2013";
    f.AgentDirector = "Director";
    f.AgentChiefAccountant = "Chief";
    f.AgentAccountant = "Accountant";
    f.AgentChiefAccountantGenitive = "Chief-gen";
    f.PrincipalChiefAccountant = "Principal chief";
    f.PrincipalChiefAccountantGenitive = "Principal chief-gen";
    return f;
}

struct AgentCheckCase {
    const char* label;
    friend void PrintTo(const AgentCheckCase& c, std::ostream* os) { *os << c.label; }
    void (*change)(AgentCardFields&);
    std::string expected; // UTF-8
};

// Slots: 0 the agent (7701), 1 a real principal (7702), 2 an organization without an INN.
const DataStore& cardStore() {
    static const std::unique_ptr<DataStore> store = [] {
        auto s = std::make_unique<DataStore>();
        const char* inns[] = {"7701", "7702", ""};
        for (std::size_t k = 0; k < 3; ++k) {
            s->Firms[k].Name.assign("Firm " + std::to_string(k));
            s->Firms[k].Inn.assign(inns[k]);
        }
        s->FirmCount = 3;
        return s;
    }();
    return *store;
}

class AgentCardCheck : public ::testing::TestWithParam<AgentCheckCase> {};

TEST_P(AgentCardCheck, RefusesInItsOrder) {
    AgentCardFields f = completeCard(0, "A-1");
    f.chosenPrincipal = 1;
    GetParam().change(f);
    EXPECT_EQ(checkAgentCard(f, cardStore()), utf8ToCp1251(GetParam().expected));
}

constexpr const char* kAllData = "Введите все данные для акта взаимозачета";

INSTANTIATE_TEST_SUITE_P(
    Cases, AgentCardCheck,
    ::testing::Values(
        AgentCheckCase{"Complete", [](AgentCardFields&) {}, ""},
        AgentCheckCase{"NoOrganization",
                       [](AgentCardFields& f) {
                           f.chosenFirm = -1;
                           f.ContractNo.clear();
                       },
                       "Выберите организацию"},
        AgentCheckCase{"NoPrincipalWhereNoneHasTheFixedInn",
                       [](AgentCardFields& f) {
                           f.chosenPrincipal = -1;
                           f.ContractNo.clear();
                       },
                       "Выберите организацию принципала"},
        AgentCheckCase{"PrincipalWithoutInn", [](AgentCardFields& f) { f.chosenPrincipal = 2; },
                       "У организации принципала не указан ИНН"},
        AgentCheckCase{"PrincipalIsTheAgent", [](AgentCardFields& f) { f.chosenPrincipal = 0; },
                       "Организация принципала совпадает с организацией агента"},
        AgentCheckCase{"NoNumber",
                       [](AgentCardFields& f) {
                           f.ContractNo.clear();
                           f.AgentDirector.clear();
                       },
                       "Введите номер договора"},
        AgentCheckCase{"NoDirector", [](AgentCardFields& f) { f.AgentDirector.clear(); }, kAllData},
        AgentCheckCase{"OnlyAccountant", [](AgentCardFields& f) { f.AgentChiefAccountant.clear(); },
                       ""},
        AgentCheckCase{"OnlyChief", [](AgentCardFields& f) { f.AgentAccountant.clear(); }, ""},
        AgentCheckCase{"NeitherAccountant",
                       [](AgentCardFields& f) {
                           f.AgentChiefAccountant.clear();
                           f.AgentAccountant.clear();
                       },
                       kAllData},
        AgentCheckCase{"NoAgentGenitive",
                       [](AgentCardFields& f) { f.AgentChiefAccountantGenitive.clear(); },
                       kAllData},
        AgentCheckCase{"NoPrincipalChief",
                       [](AgentCardFields& f) { f.PrincipalChiefAccountant.clear(); }, kAllData},
        AgentCheckCase{"NoPrincipalGenitive",
                       [](AgentCardFields& f) { f.PrincipalChiefAccountantGenitive.clear(); },
                       kAllData},
        AgentCheckCase{"AccountantSignsWithoutAName",
                       [](AgentCardFields& f) {
                           f.AgentAccountant.clear();
                           f.accountantSigns = true;
                       },
                       ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(AgentDefaultsTest, PrincipalChiefAccountantInBothCases) {
    AgentRecord agent{};
    applyAgentDefaults(agent);
    EXPECT_FALSE(agent.PrincipalChiefAccountant.empty());
    EXPECT_FALSE(agent.PrincipalChiefAccountantGenitive.empty());
    EXPECT_FALSE(agent.PrincipalChiefAccountant == agent.PrincipalChiefAccountantGenitive);
    EXPECT_TRUE(agent.ContractNo.empty());
    EXPECT_TRUE(agent.AgentInn.empty());
}

// Organizations Alpha (7701), Beta (7702) and Beta's twin (7702).
class AgentTest : public CatalogueTest {
protected:
    AgentContractEditor editor;

    void SetUp() override {
        addFirm("Alpha", "7701");
        addFirm("Beta", "7702");
        addFirm("Beta twin", "7702");
    }

    // "Edit" and a card confirmed with this number for this organization, and the principal
    // the card proposes or `principal`.
    void editAndConfirm(int firm, const std::string& number, int principal = -2) {
        editor.beginEdit(*store);
        AgentCardFields card = completeCard(firm, number);
        card.chosenPrincipal = prepareAgentCard(*store, "1.01.2013").chosenPrincipal;
        if (principal != -2) {
            card.chosenPrincipal = principal;
        }
        editor.confirm(*store, card);
    }
    // The principal's INN a later start-up would read, "-" without the file.
    std::string principalOnDisk() const {
        ShortStr<12> inn;
        return loadImage(folder.path(), files::kPrincipal, inn) ? inn.str() : "-";
    }

    std::string agentOnDisk() const {
        auto record = std::make_unique<AgentRecord>();
        return loadImage(folder.path(), files::kAgent, *record) ? record->ContractNo.str() : "-";
    }
};

TEST_F(AgentTest, EmptyContractProposesTodayAndNoOrganization) {
    const AgentCardFields f = prepareAgentCard(*store, "7.01.2013");
    EXPECT_EQ(f.ContractDate, "7.01.2013");
    EXPECT_EQ(f.chosenFirm, -1);
    EXPECT_EQ(store->AgentFirmIndex, -1);
    EXPECT_EQ(agentPanelText(*store), "");
}

TEST_F(AgentTest, CardShowsTheRecordAndTheFirstOrganizationWithItsInn) {
    store->Agent.ContractNo = "A-7";
    store->Agent.ContractDate = "5.05.2012";
    store->Agent.AgentInn = "7702";
    store->Agent.AgentAccountant = "Accountant";
    store->Agent.SignerIsAccountant = 1;
    store->AgentFirmIndex = 2;

    const AgentCardFields f = prepareAgentCard(*store, "7.01.2013");
    EXPECT_EQ(f.chosenFirm, 1);
    EXPECT_EQ(store->AgentFirmIndex, 1);
    EXPECT_EQ(f.ContractNo, "A-7");
    EXPECT_EQ(f.ContractDate, "5.05.2012");
    EXPECT_EQ(f.AgentAccountant, "Accountant");
    EXPECT_TRUE(f.accountantSigns);
}

TEST_F(AgentTest, ConfirmedCardTakesTheChosenOrganization) {
    AgentCardFields card = completeCard(2, "A-1");
    card.accountantSigns = true;
    editor.beginEdit(*store);
    editor.confirm(*store, card);
    EXPECT_TRUE(editor.changed());
    EXPECT_EQ(store->Agent.AgentInn.str(), "7702");
    EXPECT_EQ(store->AgentFirmIndex, 2);
    EXPECT_EQ(agentPanelText(*store), "Beta twin");
    EXPECT_EQ(store->Agent.AgentDirector.str(), "Director");
    EXPECT_EQ(store->Agent.PrincipalChiefAccountantGenitive.str(), "Principal chief-gen");
    EXPECT_EQ(store->Agent.SignerIsAccountant, 1);
    EXPECT_EQ(agentOnDisk(), "-"); // nothing is written before the window's "OK"
}

TEST_F(AgentTest, PanelShowsTheInnOfAnOrganizationNoLongerListed) {
    editAndConfirm(0, "A-1");
    editor.ok(*store);
    deleteFirmAt(0);
    EXPECT_EQ(store->AgentFirmIndex, -1);
    EXPECT_EQ(agentPanelText(*store), "7701");
}

// One step of the agent window: "Edit" with a confirmed card, "Edit" with a cancelled card,
// "OK" or "Cancel".
enum class Step { EditConfirm, EditCancelled, Ok, Cancel };

struct SequenceCase {
    const char* label;
    friend void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.label; }
    std::vector<Step> steps;
    std::string inMemory; // contract number afterwards
    std::string onDisk;   // "-" when "Agent" was never written
};

class AgentSequence : public AgentTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(AgentSequence, BackupAndSaveFollowTheConfirmedChanges) {
    store->Agent.ContractNo = "N0";
    int confirmed = 0;
    for (Step step : GetParam().steps) {
        switch (step) {
        case Step::EditConfirm:
            editAndConfirm(0, "N" + std::to_string(++confirmed));
            break;
        case Step::EditCancelled:
            editor.beginEdit(*store);
            prepareAgentCard(*store, "1.01.2013");
            break;
        case Step::Ok:
            editor.ok(*store);
            break;
        case Step::Cancel:
            editor.cancel(*store);
            break;
        }
    }
    EXPECT_EQ(store->Agent.ContractNo.str(), GetParam().inMemory);
    EXPECT_EQ(agentOnDisk(), GetParam().onDisk);
    EXPECT_FALSE(editor.changed());
}

using S = Step;
INSTANTIATE_TEST_SUITE_P(
    Cases, AgentSequence,
    ::testing::Values(
        SequenceCase{
            "TwoConfirmsThenCancel", {S::EditConfirm, S::EditConfirm, S::Cancel}, "N0", "-"},
        SequenceCase{"OkThenConfirmAndCancel",
                     {S::EditConfirm, S::Ok, S::EditConfirm, S::Cancel},
                     "N1",
                     "N1"},
        SequenceCase{
            "CancelledCardKeepsTheChange", {S::EditConfirm, S::EditCancelled, S::Ok}, "N1", "N1"},
        SequenceCase{
            "CancelledCardThenCancel", {S::EditConfirm, S::EditCancelled, S::Cancel}, "N0", "-"},
        SequenceCase{"CancelWithoutChange", {S::EditCancelled, S::Cancel}, "N0", "-"},
        SequenceCase{"OkWithoutChangeWritesNothing", {S::EditCancelled, S::Ok}, "N0", "-"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(AgentTest, CancelFindsTheAgentOrganizationOfTheRestoredRecord) {
    editAndConfirm(0, "A-1");
    editor.ok(*store);
    editAndConfirm(1, "A-2");
    ASSERT_EQ(store->AgentFirmIndex, 1);
    editor.cancel(*store);
    EXPECT_EQ(store->Agent.AgentInn.str(), "7701");
    EXPECT_EQ(store->AgentFirmIndex, 0);
}

TEST_F(AgentTest, FailedSaveKeepsTheChangeForTheNextOk) {
    std::filesystem::create_directory(folder.path() + files::kAgent);
    editAndConfirm(0, "A-1");

    const auto error = ioErrorFrom([&] { editor.ok(*store); });
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(editor.changed());

    std::filesystem::remove(folder.path() + files::kAgent);
    editor.ok(*store);
    EXPECT_FALSE(editor.changed());
    EXPECT_EQ(agentOnDisk(), "A-1");
}

TEST_F(AgentTest, WithoutAChoiceTheFixedInnNamesThePrincipalAndNoFileIsWritten) {
    addFirm("Principal of old", PrincipalInn);
    EXPECT_EQ(store->PrincipalFirmIndex, 3);
    EXPECT_EQ(prepareAgentCard(*store, "1.01.2013").chosenPrincipal, 3);
    editAndConfirm(0, "A-1");
    editor.ok(*store);
    EXPECT_EQ(principalOnDisk(), "-") << "a data folder of today keeps its files";
    EXPECT_EQ(store->PrincipalFirmIndex, 3);
}

TEST_F(AgentTest, TheChosenPrincipalIsSavedAndFoundByItsInnAfterChanges) {
    addFirm("Principal of old", PrincipalInn);
    editAndConfirm(0, "A-1", 2); // Beta twin: its INN, 7702, names the principal
    EXPECT_EQ(store->PrincipalFirmIndex, 2);
    EXPECT_EQ(principalOnDisk(), "-") << "nothing before the window's OK";
    editor.ok(*store);
    EXPECT_EQ(principalOnDisk(), "7702");

    // Found again by INN, first match in table order, as the organizations change.
    store->refreshFirmIndexes();
    EXPECT_EQ(store->PrincipalFirmIndex, 1) << "Beta comes before its twin";
    deleteFirmAt(0);
    EXPECT_EQ(store->PrincipalFirmIndex, 0);
    addFirm("Gamma", "7703");
    EXPECT_EQ(store->PrincipalFirmIndex, 0);
    deleteFirmAt(0);
    deleteFirmAt(0);
    EXPECT_EQ(store->PrincipalFirmIndex, -1) << "the fixed INN does not come back";

    // A later start-up reads the choice.
    auto restarted = storeIn(folder);
    ASSERT_TRUE(loadAgentContract(*restarted));
    EXPECT_EQ(restarted->principalInn(), "7702");
}

TEST_F(AgentTest, CancelBringsThePreviousPrincipalBack) {
    editAndConfirm(0, "A-1", 1);
    editor.ok(*store);
    addFirm("Gamma", "7703");
    editAndConfirm(0, "A-2", 3);
    ASSERT_EQ(store->principalInn(), "7703");
    editor.cancel(*store);
    EXPECT_EQ(store->principalInn(), "7702");
    EXPECT_EQ(store->PrincipalFirmIndex, 1);
    EXPECT_FALSE(editor.changed());
}

} // namespace
} // namespace kestrelon::test
