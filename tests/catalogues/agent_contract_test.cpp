#include "catalogue_fixture.h"

#include "catalogues/agent_contract.h"

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

class AgentCardCheck : public ::testing::TestWithParam<AgentCheckCase> {};

TEST_P(AgentCardCheck, RefusesInItsOrder) {
    AgentCardFields f = completeCard(0, "A-1");
    GetParam().change(f);
    EXPECT_EQ(checkAgentCard(f), utf8ToCp1251(GetParam().expected));
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

    // "Edit" and a card confirmed with this number for this organization.
    void editAndConfirm(int firm, const std::string& number) {
        editor.beginEdit(store->Agent);
        prepareAgentCard(*store, "1.01.2013");
        editor.confirm(*store, completeCard(firm, number));
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
    editor.beginEdit(store->Agent);
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
            editor.beginEdit(store->Agent);
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

} // namespace
} // namespace kestrelon::test
