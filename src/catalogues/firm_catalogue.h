#pragma once
// The organizations catalogue: the card's checks and the table changes of "New", "Edit",
// "Del" and "Restore", with the derived indexes kept current and the files saved.
// Saves throw IoError after the in-memory tables have changed.

#include "card_mode.h"
#include "store/data_store.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kestrelon {

struct FirmSelection {
    std::int16_t SelectedFirm = 0;        // slot of the active list's current row
    std::int16_t SelectedDeletedFirm = 0; // slot of the deleted list's current row
};

// The card's own fields (Edit1..Edit11 and Edit17..Edit24), cp1251 as typed.
struct FirmCardFields {
    std::string Name, CertSeries, CertNumber, CertDate, CertIssuedBy, Ogrn;
    std::string LegalAddress, PostalAddress, Phone, Fax, Email;
    std::string Inn, Kpp, Okato, Okpo, Okogu, Okopf, Okfs, Okved;
};

FirmCardFields readFirmCard(const FirmRecord& firm);
// NewFirm / EditFirm: every field cut to 255 characters, then to its stored length.
void writeFirmCard(FirmRecord& firm, const FirmCardFields& fields);

// The card's "OK" checks in their order: "Введите название организации", "Введите ИНН", and
// for a new organization "Такая организация уже есть" (INN of an active organization).
// Empty when the card may be stored.
std::string checkFirmCard(CardMode mode, const DataStore& store, const FirmCardFields& fields);

// The slot a new organization is written into (slot FirmCount), cleared to zeros; nullptr when
// the table is full.
FirmRecord* clearNewFirmSlot(DataStore& store);

// After the card stored a new organization in slot FirmCount: counts it, selects it, finds
// the derived indexes again and saves "Firms".
void commitNewFirm(DataStore& store, FirmSelection& selection);
// After the card changed the organization in `slot`, whose INN was `innBefore`: the agent
// contract and the principal's choice follow a corrected INN, the indexes are found again, and
// "Firms" is saved, then "Principal" and "Agent" when they followed.
void commitEditedFirm(DataStore& store, std::size_t slot, const ShortStr<12>& innBefore);

// The number of the first client contract (in table order) whose FirmInn is the INN of the
// organization in `slot`, if any.
std::optional<std::string> firstContractReferring(const DataStore& store, std::size_t slot);

// Moves the selected organization to the deleted list (dropping the oldest deleted one when
// that list is full), removes it from the active list and saves. "FirmsDel" is written
// before "Firms", so a failure between the two can never lose the organization.
void deleteFirm(DataStore& store, FirmSelection& selection);

// Appends the selected deleted organization to the active list (no INN check), removes it
// from the deleted list and saves "Firms", then "FirmsDel". Both lists change before either
// file is written, so a failed save never shows the organization in both lists. Nothing
// happens at 64 active.
void restoreFirm(DataStore& store, FirmSelection& selection);

} // namespace kestrelon
