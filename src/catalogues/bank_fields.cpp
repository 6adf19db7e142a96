#include "bank_fields.h"

#include <algorithm>

namespace kestrelon {

BankFields readBankFields(const FirmRecord& firm) {
    BankFields fields;
    for (std::size_t i = 0; i < firm.Banks.size(); ++i) {
        const BankAccount& bank = firm.Banks[i];
        fields.accounts[i] = {bank.SettlementAccount.str(), bank.CorrAccount.str(), bank.Bik.str(),
                              bank.BankShortName.str(), bank.BankFullName.str()};
    }
    // The radio choice starts on the account the card shows, even for a damaged choice byte.
    fields.selected = static_cast<int>(&firm.currentBank() - firm.Banks.data());
    return fields;
}

void writeBankFields(FirmRecord& firm, const BankFields& fields) {
    for (std::size_t i = 0; i < firm.Banks.size(); ++i) {
        BankAccount& bank = firm.Banks[i];
        const BankAccountFields& from = fields.accounts[i];
        bank.SettlementAccount.assignFromField(from[0]);
        bank.CorrAccount.assignFromField(from[1]);
        bank.Bik.assignFromField(from[2]);
        bank.BankShortName.assignFromField(from[3]);
        bank.BankFullName.assignFromField(from[4]);
    }
    firm.SelectedBank = static_cast<std::uint8_t>(std::clamp(fields.selected, 0, 3));
}

} // namespace kestrelon
