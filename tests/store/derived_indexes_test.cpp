// Indexes derived from the organizations: the principal's and the agent's organization,
// and the organization name shown for each client contract.

#include "store_test_util.h"

#include "store/slot_table.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

void addFirm(DataStore& store, std::string_view name, std::string_view inn) {
    FirmRecord* firm = appendZeroedSlot(store.Firms, store.FirmCount);
    ASSERT_NE(firm, nullptr);
    firm->Name = utf8ToCp1251(name);
    firm->Inn = inn;
}

void addContract(DataStore& store, std::string_view firmInn) {
    ClientRecord* contract = appendZeroedSlot(store.Clients, store.ClientCount);
    ASSERT_NE(contract, nullptr);
    contract->FirmInn = firmInn;
}

TEST(DerivedIndexes, FirstActiveOrganizationWithTheInnIsFound) {
    auto store = std::make_unique<DataStore>();
    addFirm(*store, "Клиент", "7701000001");
    addFirm(*store, "Агент", "5001000002");
    addFirm(*store, "Принципал", "7712345670");
    addFirm(*store, "Принципал 2", "7712345670");
    store->Agent.AgentInn = "5001000002";
    store->refreshFirmIndexes();
    EXPECT_EQ(store->PrincipalFirmIndex, 2);
    EXPECT_EQ(store->AgentFirmIndex, 1);
}

TEST(DerivedIndexes, AnAgentContractWithoutInnNamesNoOrganization) {
    auto store = std::make_unique<DataStore>();
    addFirm(*store, "Без ИНН", "");
    store->refreshFirmIndexes();
    EXPECT_EQ(store->AgentFirmIndex, -1);
}

TEST(DerivedIndexes, OrganizationsPastTheCountAreNotFound) {
    auto store = std::make_unique<DataStore>();
    addFirm(*store, "Клиент", "7701000001");
    store->Firms[2].Name = "Принципал"_cp;
    store->Firms[2].Inn = "7712345670"; // after the empty slot 1
    store->Agent.AgentInn = "5001000002";
    store->refreshFirmIndexes();
    EXPECT_EQ(store->PrincipalFirmIndex, -1);
    EXPECT_EQ(store->AgentFirmIndex, -1);
}

TEST(DerivedIndexes, RemovingEarlierOrganizationMovesPrincipalDown) {
    auto store = std::make_unique<DataStore>();
    addFirm(*store, "Клиент", "7701000001");
    addFirm(*store, "Принципал", "7712345670");
    store->refreshFirmIndexes();
    ASSERT_EQ(store->PrincipalFirmIndex, 1);

    ASSERT_TRUE(removeSlot(store->Firms, store->FirmCount, 0));
    store->refreshFirmIndexes();
    EXPECT_EQ(store->PrincipalFirmIndex, 0);

    ASSERT_TRUE(removeSlot(store->Firms, store->FirmCount, 0));
    store->refreshFirmIndexes();
    EXPECT_EQ(store->PrincipalFirmIndex, -1);
}

TEST(DerivedIndexes, ContractShowsLastMatchingOrganizationNameOrTheInn) {
    auto store = std::make_unique<DataStore>();
    addFirm(*store, "Старое имя", "7701000001");
    addFirm(*store, "Другая", "7701000009");
    addFirm(*store, "Новое имя", "7701000001");
    store->Firms[4].Name = "Не активна"_cp; // beyond the count: not an active organization
    store->Firms[4].Inn = "7701000004";
    addContract(*store, "7701000001");
    addContract(*store, "7701000003");
    addContract(*store, "7701000004");

    store->rebuildClientFirmNames();
    EXPECT_EQ(utf8(store->ClientFirmNames[0]), "Новое имя");
    EXPECT_EQ(utf8(store->ClientFirmNames[1]), "7701000003");
    EXPECT_EQ(utf8(store->ClientFirmNames[2]), "7701000004");
}

} // namespace
} // namespace kestrelon::test
