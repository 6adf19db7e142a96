#include "client_catalogue.h"

#include "selection_after_removal.h"
#include "store/cp1251.h"
#include "store/slot_table.h"
#include "stored_text.h"

namespace kestrelon {
namespace {

constexpr std::size_t kGridTextLimit = 80;

// Numbers compare exactly as stored: no trimming and no case folding.
bool numberTaken(const DataStore& store, const ShortStr<12>& number) {
    for (std::size_t k = 0; k < store.ClientCount; ++k) {
        if (store.Clients[k].ContractNo == number) {
            return true;
        }
    }
    return false;
}

void writeClientCard(ClientRecord& contract, const ClientCardFields& fields) {
    contract.ContractNo.assignFromField(fields.ContractNo);
    contract.ContractDate.assignFromField(fields.ContractDate);
    contract.Phone.assignFromField(fields.Phone);
    contract.Email.assignFromField(fields.Email);
}

std::string gridText(std::string_view text) {
    return std::string(text.substr(0, kGridTextLimit));
}

} // namespace

ClientCardFields readClientCard(const ClientRecord& contract) {
    return {contract.ContractNo.str(), contract.ContractDate.str(), contract.Phone.str(),
            contract.Email.str()};
}

std::string checkNewClient(const DataStore& store, int chosenFirm, const ClientCardFields& fields) {
    if (chosenFirm < 0 || chosenFirm >= store.FirmCount) {
        return "Выберите организацию"_cp;
    }
    if (fields.ContractNo.empty()) {
        return "Введите номер договора"_cp;
    }
    if (numberTaken(store, asStored<12>(fields.ContractNo))) {
        return "Такой контракт уже есть"_cp;
    }
    return {};
}

std::string checkEditedClient(const DataStore& store, std::size_t slot,
                              const ClientCardFields& fields) {
    if (fields.ContractNo.empty()) {
        return "Введите номер договора"_cp;
    }
    // A contract keeps its own number without being refused as its own duplicate.
    const ShortStr<12> number = asStored<12>(fields.ContractNo);
    const bool renumbered =
        slot >= store.ClientCount || !(store.Clients[slot].ContractNo == number);
    if (renumbered && numberTaken(store, number)) {
        return "Такой контракт уже есть"_cp;
    }
    return {};
}

void addClient(DataStore& store, ClientSelection& selection, int chosenFirm,
               const ClientCardFields& fields) {
    if (chosenFirm < 0 || chosenFirm >= store.FirmCount) {
        return;
    }
    const std::size_t slot = store.ClientCount;
    ClientRecord* contract = appendZeroedSlot(store.Clients, store.ClientCount);
    if (contract == nullptr) {
        return;
    }
    const FirmRecord& firm = store.Firms[static_cast<std::size_t>(chosenFirm)];
    contract->FirmInn = firm.Inn;
    store.ClientFirmNames[slot] = firm.Name;
    writeClientCard(*contract, fields);
    contract->Inactive = 0;
    selection.SelectedClient = static_cast<std::int16_t>(store.ClientCount - 1);
    store.SaveFileClient();
}

void editClient(DataStore& store, std::size_t slot, const ClientCardFields& fields) {
    if (slot >= store.ClientCount) {
        return;
    }
    writeClientCard(store.Clients[slot], fields);
    store.SaveFileClient();
}

std::string contractToDelete(const DataStore& store, std::size_t slot) {
    if (slot >= store.ClientCount) {
        return {};
    }
    return store.ClientFirmNames[slot].str() + "\nдоговор № "_cp +
           store.Clients[slot].ContractNo.str();
}

void deleteClient(DataStore& store, ClientSelection& selection) {
    const auto slot = static_cast<std::size_t>(selection.SelectedClient);
    const std::size_t countBefore = store.ClientCount;
    if (selection.SelectedClient < 0 || slot >= countBefore) {
        return;
    }
    removeSlot(store.Clients, store.ClientCount, slot);
    followRemoval(selection.SelectedClient, slot, countBefore);
    store.rebuildClientFirmNames();
    store.SaveFileClient();
}

void toggleActive(DataStore& store, std::size_t slot) {
    if (slot < store.ClientCount) {
        ClientRecord& contract = store.Clients[slot];
        contract.Inactive = contract.Inactive == 0 ? 1 : 0;
    }
}

void ActiveSnapshot::take(const DataStore& store) {
    inactive_.clear();
    for (std::size_t k = 0; k < store.ClientCount; ++k) {
        inactive_.push_back(store.Clients[k].Inactive);
    }
}

bool ActiveSnapshot::changed(const DataStore& store) const {
    // A contract added or deleted meanwhile was saved already; one more save is harmless.
    if (inactive_.size() != store.ClientCount) {
        return true;
    }
    for (std::size_t k = 0; k < inactive_.size(); ++k) {
        if (store.Clients[k].Inactive != inactive_[k]) {
            return true;
        }
    }
    return false;
}

std::array<std::string, 6> clientGridRow(const DataStore& store, std::size_t slot) {
    if (slot >= store.ClientCount) {
        return {};
    }
    const ClientRecord& contract = store.Clients[slot];
    return {gridText(contract.ContractNo.view()),   gridText(store.ClientFirmNames[slot].view()),
            gridText(contract.Phone.view()),        gridText(contract.Email.view()),
            gridText(contract.ContractDate.view()), contract.Inactive == 0 ? "      X" : ""};
}

} // namespace kestrelon
