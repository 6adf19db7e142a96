#pragma once
// An organization with its requisites and four bank accounts, as stored in
// "Firms" (active) and "FirmsDel" (deleted).

#include "short_str.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon {

struct BankAccount {
    ShortStr<20> SettlementAccount;
    ShortStr<20> CorrAccount;
    ShortStr<10> Bik;
    ShortStr<128> BankShortName;
    ShortStr<255> BankFullName;
};

static_assert(sizeof(BankAccount) == 438);
static_assert(offsetof(BankAccount, SettlementAccount) == 0);
static_assert(offsetof(BankAccount, CorrAccount) == 21);
static_assert(offsetof(BankAccount, Bik) == 42);
static_assert(offsetof(BankAccount, BankShortName) == 53);
static_assert(offsetof(BankAccount, BankFullName) == 182);

struct FirmRecord {
    ShortStr<128> Name; // presence field
    ShortStr<4> CertSeries;
    ShortStr<12> CertNumber;
    ShortStr<12> CertDate;
    ShortStr<255> CertIssuedBy;
    ShortStr<16> Ogrn;
    ShortStr<128> LegalAddress;
    ShortStr<128> PostalAddress;
    ShortStr<64> Phone;
    ShortStr<64> Fax;
    ShortStr<64> Email;
    std::array<BankAccount, 4> Banks;
    ShortStr<12> Inn;
    ShortStr<12> Kpp;
    ShortStr<12> Okato;
    ShortStr<12> Okpo;
    ShortStr<8> Okogu;
    ShortStr<4> Okopf;
    ShortStr<4> Okfs;
    ShortStr<255> Okved;
    std::uint8_t SelectedBank = 0;

    // The bank account that documents and the text card use.
    const BankAccount& currentBank() const { return Banks[SelectedBank & 3u]; }
};

static_assert(sizeof(FirmRecord) == 2966 && alignof(FirmRecord) == 1);
static_assert(offsetof(FirmRecord, Name) == 0);
static_assert(offsetof(FirmRecord, CertSeries) == 129);
static_assert(offsetof(FirmRecord, CertNumber) == 134);
static_assert(offsetof(FirmRecord, CertDate) == 147);
static_assert(offsetof(FirmRecord, CertIssuedBy) == 160);
static_assert(offsetof(FirmRecord, Ogrn) == 416);
static_assert(offsetof(FirmRecord, LegalAddress) == 433);
static_assert(offsetof(FirmRecord, PostalAddress) == 562);
static_assert(offsetof(FirmRecord, Phone) == 691);
static_assert(offsetof(FirmRecord, Fax) == 756);
static_assert(offsetof(FirmRecord, Email) == 821);
static_assert(offsetof(FirmRecord, Banks) == 886);
static_assert(offsetof(FirmRecord, Inn) == 2638);
static_assert(offsetof(FirmRecord, Kpp) == 2651);
static_assert(offsetof(FirmRecord, Okato) == 2664);
static_assert(offsetof(FirmRecord, Okpo) == 2677);
static_assert(offsetof(FirmRecord, Okogu) == 2690);
static_assert(offsetof(FirmRecord, Okopf) == 2699);
static_assert(offsetof(FirmRecord, Okfs) == 2704);
static_assert(offsetof(FirmRecord, Okved) == 2709);
static_assert(offsetof(FirmRecord, SelectedBank) == 2965);

inline bool isPresent(const FirmRecord& r) {
    return !r.Name.empty();
}
inline void clearPresence(FirmRecord& r) {
    r.Name.clear();
}

using FirmTable = std::array<FirmRecord, 64>;
static_assert(sizeof(FirmTable) == 189824);

} // namespace kestrelon
