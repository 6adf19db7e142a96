#pragma once
// The client contracts: the card's checks, adding, editing, deleting and the active marks.
// Saves throw IoError after the in-memory table has changed.

#include "store/data_store.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kestrelon {

struct ClientSelection {
    std::int16_t SelectedClient = 0;
};

// The card's fields: "№ Договора ", "Дата ", "Телефон ", "E-Mail  ".
struct ClientCardFields {
    std::string ContractNo, ContractDate, Phone, Email;
};

ClientCardFields readClientCard(const ClientRecord& contract);

// New mode, in order: no organization chosen (-1) -> "Выберите организацию"; empty number ->
// "Введите номер договора"; a number equal to any contract's -> "Такой контракт уже есть".
std::string checkNewClient(const DataStore& store, int chosenFirm, const ClientCardFields& fields);
// Edit mode: empty number; a changed number equal to any contract's. Numbers compare exactly.
std::string checkEditedClient(const DataStore& store, std::size_t slot,
                              const ClientCardFields& fields);

// Writes a new contract into slot ClientCount (cleared first) for the organization in slot
// `chosenFirm`, active, with its name in ClientFirmNames; counts and selects it; saves.
void addClient(DataStore& store, ClientSelection& selection, int chosenFirm,
               const ClientCardFields& fields);
// Replaces number, date, phone and e-mail; FirmInn and Inactive stay; saves.
void editClient(DataStore& store, std::size_t slot, const ClientCardFields& fields);
// What the delete question shows for contract `slot`: its organization's name and, since one
// organization may have several contracts, the contract's number.
std::string contractToDelete(const DataStore& store, std::size_t slot);
// Removes the selected contract (no copy anywhere), rebuilds the names, saves.
void deleteClient(DataStore& store, ClientSelection& selection);

void toggleActive(DataStore& store, std::size_t slot);

// The Inactive bytes of the used slots when the window was shown: the window saves on closing
// only when a mark differs.
class ActiveSnapshot {
public:
    void take(const DataStore& store);
    bool changed(const DataStore& store) const;

private:
    std::vector<std::uint8_t> inactive_;
};

// The grid's six texts of contract `slot`: number, organization name, phone, e-mail, date and
// "      X" when active, each cut to 80 characters.
std::array<std::string, 6> clientGridRow(const DataStore& store, std::size_t slot);

} // namespace kestrelon
