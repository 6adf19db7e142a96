#pragma once
// The bank window's twenty fields and its choice of the current account.

#include "store/firm_record.h"

#include <array>
#include <string>

namespace kestrelon {

// One account: "Р/Сч.", "К/Сч.", "БИК", "Сокр. название", "Полн. название".
using BankAccountFields = std::array<std::string, 5>;

struct BankFields {
    std::array<BankAccountFields, 4> accounts;
    int selected = 0; // 0..3, "Банк 1".."Банк 4"
};

BankFields readBankFields(const FirmRecord& firm);
// FillBank / FillBankNew: the twenty fields cut to their lengths, and SelectedBank.
void writeBankFields(FirmRecord& firm, const BankFields& fields);

} // namespace kestrelon
