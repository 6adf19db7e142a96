#include "report_record.h"

namespace kestrelon {

void FirmBlock::assignFrom(const FirmRecord& firm) {
    const BankAccount& bank = firm.currentBank();
    Name.assign(firm.Name.view());
    LegalAddress.assign(firm.LegalAddress.view());
    Inn.assign(firm.Inn.view());
    Kpp.assign(firm.Kpp.view());
    Phone.assign(firm.Phone.view());
    SettlementAccount.assign(bank.SettlementAccount.view());
    CorrAccount.assign(bank.CorrAccount.view());
    Bik.assign(bank.Bik.view());
    BankShortName.assign(bank.BankShortName.view());
    BankFullName.assign(bank.BankFullName.view());
}

} // namespace kestrelon
