#include "agent_contract.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

bool validFirm(const DataStore& store, int slot) {
    return slot >= 0 && slot < store.FirmCount;
}

} // namespace

void applyAgentDefaults(AgentRecord& agent) {
    agent.PrincipalChiefAccountant.assign("Смирнова Анна Петровна"_cp);
    agent.PrincipalChiefAccountantGenitive.assign("Смирновой Анны Петровны"_cp);
}

std::string agentPanelText(const DataStore& store) {
    if (validFirm(store, store.AgentFirmIndex)) {
        return store.Firms[static_cast<std::size_t>(store.AgentFirmIndex)].Name.str();
    }
    return store.Agent.AgentInn.str();
}

AgentCardFields prepareAgentCard(DataStore& store, const std::string& today) {
    store.refreshFirmIndexes();
    const AgentRecord& agent = store.Agent;
    AgentCardFields f;
    f.chosenFirm = store.AgentFirmIndex;
    f.chosenPrincipal = store.PrincipalFirmIndex;
    f.ContractNo = agent.ContractNo.str();
    f.ContractDate = agent.ContractDate.empty() ? today : agent.ContractDate.str();
    f.Phone = agent.Phone.str();
    f.Email = agent.Email.str();
    f.AgentDirector = agent.AgentDirector.str();
    f.AgentChiefAccountant = agent.AgentChiefAccountant.str();
    f.AgentAccountant = agent.AgentAccountant.str();
    f.AgentChiefAccountantGenitive = agent.AgentChiefAccountantGenitive.str();
    f.PrincipalChiefAccountant = agent.PrincipalChiefAccountant.str();
    f.PrincipalChiefAccountantGenitive = agent.PrincipalChiefAccountantGenitive.str();
    f.accountantSigns = agent.SignerIsAccountant == 1;
    return f;
}

std::string checkAgentCard(const AgentCardFields& f, const DataStore& store) {
    if (f.chosenFirm < 0) {
        return "Выберите организацию"_cp;
    }
    if (f.chosenPrincipal < 0) {
        if (store.findFirmByInn(PrincipalInn) < 0) {
            return "Выберите организацию принципала"_cp;
        }
    } else if (validFirm(store, f.chosenPrincipal)) {
        // The principal is found again by its INN: without one it could not be.
        if (store.Firms[static_cast<std::size_t>(f.chosenPrincipal)].Inn.empty()) {
            return "У организации принципала не указан ИНН"_cp;
        }
        if (f.chosenPrincipal == f.chosenFirm) {
            return "Организация принципала совпадает с организацией агента"_cp;
        }
    }
    if (f.ContractNo.empty()) {
        return "Введите номер договора"_cp;
    }
    // The act of mutual offset names a director, one of the agent's two accountants (either
    // will do) and both chief accountants in the genitive.
    if (f.AgentDirector.empty() || (f.AgentChiefAccountant.empty() && f.AgentAccountant.empty()) ||
        f.AgentChiefAccountantGenitive.empty() || f.PrincipalChiefAccountant.empty() ||
        f.PrincipalChiefAccountantGenitive.empty()) {
        return "Введите все данные для акта взаимозачета"_cp;
    }
    return {};
}

std::string unsavedAgentQuestion() {
    return "Сохранить изменения агентского договора?"_cp;
}

void AgentContractEditor::beginEdit(const DataStore& store) {
    // While a confirmed change waits for "OK" or "Cancel", the first backup stays in force so
    // that "Cancel" goes back to the record as it was before all of them.
    if (!changed()) {
        backup_ = store.Agent;
        principalBackup_ = store.PrincipalChoice;
    }
}

void AgentContractEditor::confirm(DataStore& store, const AgentCardFields& f) {
    if (!validFirm(store, f.chosenFirm)) {
        return; // checkAgentCard refuses a card without an organization
    }
    AgentRecord& agent = store.Agent;
    const FirmRecord& firm = store.Firms[static_cast<std::size_t>(f.chosenFirm)];
    agent.ContractNo.assignFromField(f.ContractNo);
    agent.ContractDate.assignFromField(f.ContractDate);
    agent.AgentInn = firm.Inn;
    agent.Phone.assignFromField(f.Phone);
    agent.Email.assignFromField(f.Email);
    agent.AgentDirector.assignFromField(f.AgentDirector);
    agent.AgentChiefAccountant.assignFromField(f.AgentChiefAccountant);
    agent.AgentAccountant.assignFromField(f.AgentAccountant);
    agent.AgentChiefAccountantGenitive.assignFromField(f.AgentChiefAccountantGenitive);
    agent.PrincipalChiefAccountant.assignFromField(f.PrincipalChiefAccountant);
    agent.PrincipalChiefAccountantGenitive.assignFromField(f.PrincipalChiefAccountantGenitive);
    agent.SignerIsAccountant = f.accountantSigns ? 1 : 0;
    changed_ = true;
    // The chosen entry, which may be a later organization sharing the INN of an earlier one.
    store.AgentFirmIndex = f.chosenFirm;
    if (validFirm(store, f.chosenPrincipal)) {
        const FirmRecord& principal = store.Firms[static_cast<std::size_t>(f.chosenPrincipal)];
        // The fixed INN chosen again changes nothing: no "Principal" file for it.
        if (principal.Inn.view() != store.principalInn()) {
            store.PrincipalChoice = principal.Inn;
            principalChanged_ = true;
        }
        store.PrincipalFirmIndex = f.chosenPrincipal;
    }
}

void AgentContractEditor::ok(DataStore& store) {
    // On failure what was not saved stays pending for the next "OK".
    if (changed_) {
        store.SaveFileAgent();
        changed_ = false;
    }
    if (principalChanged_) {
        store.SaveFilePrincipal();
        principalChanged_ = false;
    }
}

void AgentContractEditor::cancel(DataStore& store) {
    if (changed()) {
        store.Agent = backup_;
        store.PrincipalChoice = principalBackup_;
        store.refreshFirmIndexes();
        changed_ = false;
        principalChanged_ = false;
    }
}

} // namespace kestrelon
