#pragma once
// The bank window's twenty fields and its choice of the current account.

#include "store/firm_record.h"
#include "stored_text.h"

#include <array>
#include <string>

namespace kestrelon {

// One account: "Р/Сч.", "К/Сч.", "БИК", "Сокр. название", "Полн. название".
using BankAccountFields = std::array<std::string, 5>;

// The characters the record stores of each of the five.
inline constexpr std::array<int, 5> kBankFieldLengths = {
    storedLength(&BankAccount::SettlementAccount), storedLength(&BankAccount::CorrAccount),
    storedLength(&BankAccount::Bik), storedLength(&BankAccount::BankShortName),
    storedLength(&BankAccount::BankFullName)};

struct BankFields {
    std::array<BankAccountFields, 4> accounts;
    int selected = 0; // 0..3, "Банк 1".."Банк 4"
};

BankFields readBankFields(const FirmRecord& firm);
// FillBank / FillBankNew: the twenty fields cut to their lengths, and SelectedBank.
void writeBankFields(FirmRecord& firm, const BankFields& fields);

} // namespace kestrelon
