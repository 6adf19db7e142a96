#pragma once
// The catalogues a monthly report needs, as a first month leaves them: the principal, the
// agent with a bank account, the agent contract and three client contracts, the second of
// them not active. Shared by the window tests, the screenshots and the benchmarks.

#include "store/cp1251.h"
#include "store/data_store.h"

namespace kestrelon::test {

inline void fillCatalogues(DataStore& store) {
    FirmRecord& principal = store.Firms[store.FirmCount++];
    principal.Name = "ООО \"Тарвел\""_cp;
    principal.Inn = PrincipalInn;
    principal.Kpp = "771201001";
    principal.PostalAddress = "101000, г. Москва, ул. Мясницкая, д. 1"_cp;
    principal.LegalAddress = principal.PostalAddress;
    FirmRecord& agent = store.Firms[store.FirmCount++];
    agent.Name = "ООО \"Сапсан-Телеком\""_cp;
    agent.Inn = "5001000002";
    agent.Kpp = "500101001";
    agent.Phone = "495-123-45-67";
    agent.PostalAddress = "123456, г. Москва, ул. Лесная, д. 5"_cp;
    agent.LegalAddress = agent.PostalAddress;
    agent.Banks[0].SettlementAccount = "40702810400000001234";
    agent.Banks[0].CorrAccount = "30101810400000000225";
    agent.Banks[0].Bik = "044525225";
    agent.Banks[0].BankShortName = "ОАО Сбербанк России"_cp;

    store.Agent.ContractNo = "12345678";
    store.Agent.AgentInn = agent.Inn;
    store.Agent.AgentDirector = "Иванов И. И."_cp;
    store.Agent.AgentChiefAccountant = "Петрова П. П."_cp;
    store.Agent.AgentAccountant = "Сидорова С. С."_cp;

    const char* const contracts[] = {"11111111", "22222222", "33333333"};
    for (int k = 0; k < 3; ++k) {
        ClientRecord& client = store.Clients[store.ClientCount++];
        client.ContractNo = contracts[k];
        client.FirmInn = agent.Inn;
        client.Inactive = k == 1 ? 1 : 0;
    }
    store.refreshFirmIndexes();
    store.rebuildClientFirmNames();
    store.ArCol.sanitise(); // as start-up does: never-stored widths read as 8
}

} // namespace kestrelon::test
