#include "firm_catalogue.h"

#include "contract_parties.h"
#include "selection_after_removal.h"
#include "store/cp1251.h"
#include "store/slot_table.h"
#include "stored_text.h"

namespace kestrelon {

FirmCardFields readFirmCard(const FirmRecord& firm) {
    FirmCardFields f;
    f.Name = firm.Name.str();
    f.CertSeries = firm.CertSeries.str();
    f.CertNumber = firm.CertNumber.str();
    f.CertDate = firm.CertDate.str();
    f.CertIssuedBy = firm.CertIssuedBy.str();
    f.Ogrn = firm.Ogrn.str();
    f.LegalAddress = firm.LegalAddress.str();
    f.PostalAddress = firm.PostalAddress.str();
    f.Phone = firm.Phone.str();
    f.Fax = firm.Fax.str();
    f.Email = firm.Email.str();
    f.Inn = firm.Inn.str();
    f.Kpp = firm.Kpp.str();
    f.Okato = firm.Okato.str();
    f.Okpo = firm.Okpo.str();
    f.Okogu = firm.Okogu.str();
    f.Okopf = firm.Okopf.str();
    f.Okfs = firm.Okfs.str();
    f.Okved = firm.Okved.str();
    return f;
}

void writeFirmCard(FirmRecord& firm, const FirmCardFields& f) {
    firm.Name.assignFromField(f.Name);
    firm.CertSeries.assignFromField(f.CertSeries);
    firm.CertNumber.assignFromField(f.CertNumber);
    firm.CertDate.assignFromField(f.CertDate);
    firm.CertIssuedBy.assignFromField(f.CertIssuedBy);
    firm.Ogrn.assignFromField(f.Ogrn);
    firm.LegalAddress.assignFromField(f.LegalAddress);
    firm.PostalAddress.assignFromField(f.PostalAddress);
    firm.Phone.assignFromField(f.Phone);
    firm.Fax.assignFromField(f.Fax);
    firm.Email.assignFromField(f.Email);
    firm.Inn.assignFromField(f.Inn);
    firm.Kpp.assignFromField(f.Kpp);
    firm.Okato.assignFromField(f.Okato);
    firm.Okpo.assignFromField(f.Okpo);
    firm.Okogu.assignFromField(f.Okogu);
    firm.Okopf.assignFromField(f.Okopf);
    firm.Okfs.assignFromField(f.Okfs);
    firm.Okved.assignFromField(f.Okved);
}

std::string checkFirmCard(CardMode mode, const DataStore& store, const FirmCardFields& fields) {
    if (mode == CardMode::View) {
        return {}; // a viewed card stores nothing, so there is nothing to refuse
    }
    if (fields.Name.empty()) {
        return "Введите название организации"_cp;
    }
    if (fields.Inn.empty()) {
        return "Введите ИНН"_cp;
    }
    // Only a new organization must bring an INN of its own; an edit may share one.
    if (mode == CardMode::New && store.findFirmByInn(asStored<12>(fields.Inn).view()) >= 0) {
        return "Такая организация уже есть"_cp;
    }
    return {};
}

FirmRecord* clearNewFirmSlot(DataStore& store) {
    // The slot is cleared but not yet counted: the card may still be abandoned.
    std::uint8_t uncounted = store.FirmCount;
    return appendZeroedSlot(store.Firms, uncounted);
}

void commitNewFirm(DataStore& store, FirmSelection& selection) {
    if (store.FirmCount >= store.Firms.size()) {
        return;
    }
    ++store.FirmCount;
    selection.SelectedFirm = static_cast<std::int16_t>(store.FirmCount - 1);
    store.refreshFirmIndexes();
    store.SaveFileFirm();
}

void commitEditedFirm(DataStore& store, std::size_t slot, const ShortStr<12>& innBefore) {
    // A corrected INN must not leave the agent contract naming an organization that is gone.
    const PartiesFollowed followed = followInnChange(store, slot, innBefore);
    store.refreshFirmIndexes();
    store.SaveFileFirm();
    if (followed.principal) {
        store.SaveFilePrincipal();
    }
    if (followed.agent) {
        store.SaveFileAgent();
    }
}

std::optional<std::string> firstContractReferring(const DataStore& store, std::size_t slot) {
    if (slot >= store.FirmCount) {
        return std::nullopt;
    }
    const auto& inn = store.Firms[slot].Inn;
    for (std::size_t k = 0; k < store.ClientCount; ++k) {
        if (store.Clients[k].FirmInn == inn) {
            return store.Clients[k].ContractNo.str();
        }
    }
    return std::nullopt;
}

void deleteFirm(DataStore& store, FirmSelection& selection) {
    const auto slot = static_cast<std::size_t>(selection.SelectedFirm);
    const std::size_t countBefore = store.FirmCount;
    if (selection.SelectedFirm < 0 || slot >= countBefore) {
        return;
    }
    const FirmRecord deleted = store.Firms[slot];

    if (store.DeletedFirmCount < store.FirmsDel.size()) {
        appendSlotCopy(store.FirmsDel, store.DeletedFirmCount, deleted);
        selection.SelectedDeletedFirm = static_cast<std::int16_t>(store.DeletedFirmCount - 1);
    } else {
        // A full deleted list forgets its oldest entry; the others keep their order.
        removeSlot(store.FirmsDel, store.DeletedFirmCount, 0);
        appendSlotCopy(store.FirmsDel, store.DeletedFirmCount, deleted);
    }

    removeSlot(store.Firms, store.FirmCount, slot);
    followRemoval(selection.SelectedFirm, slot, countBefore);
    store.refreshFirmIndexes();

    // The list that gains the organization is written first: should the second save fail,
    // the organization is on disk twice rather than nowhere.
    store.SaveFileFirmDel();
    store.SaveFileFirm();
}

void restoreFirm(DataStore& store, FirmSelection& selection) {
    const auto slot = static_cast<std::size_t>(selection.SelectedDeletedFirm);
    const std::size_t countBefore = store.DeletedFirmCount;
    if (store.FirmCount >= store.Firms.size() || selection.SelectedDeletedFirm < 0 ||
        slot >= countBefore) {
        return;
    }
    appendSlotCopy(store.Firms, store.FirmCount, store.FirmsDel[slot]);
    selection.SelectedFirm = static_cast<std::int16_t>(store.FirmCount - 1);
    store.refreshFirmIndexes();

    removeSlot(store.FirmsDel, store.DeletedFirmCount, slot);
    followRemoval(selection.SelectedDeletedFirm, slot, countBefore);

    // Both lists change in memory before anything is written, so a failed save never leaves
    // the organization listed twice; the active list, which gains it, is written first.
    store.SaveFileFirm();
    store.SaveFileFirmDel();
}

} // namespace kestrelon
