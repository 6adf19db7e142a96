#pragma once
// The agent report as stored: one report file is exactly one ReportRecord.

#include "store/firm_record.h"
#include "store/le.h"
#include "store/short_str.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kestrelon {

// One grid row of a report: "Договор", "Счет", "Дата", "Сумма", "НДС", "С НДС".
struct ReportRow {
    ShortStr<8> ClientContractNo;
    ShortStr<13> InvoiceNo;
    ShortStr<10> InvoiceDate;
    ShortStr<10> Amount; // net
    ShortStr<10> Vat;
    ShortStr<10> Gross;
};

static_assert(sizeof(ReportRow) == 67 && alignof(ReportRow) == 1);
static_assert(offsetof(ReportRow, ClientContractNo) == 0);
static_assert(offsetof(ReportRow, InvoiceNo) == 9);
static_assert(offsetof(ReportRow, InvoiceDate) == 23);
static_assert(offsetof(ReportRow, Amount) == 34);
static_assert(offsetof(ReportRow, Vat) == 45);
static_assert(offsetof(ReportRow, Gross) == 56);

// An organization as the documents need it, its bank fields from the current account.
struct FirmBlock {
    ShortStr<128> Name;
    ShortStr<80> LegalAddress;
    ShortStr<12> Inn;
    ShortStr<12> Kpp;
    ShortStr<16> Phone;
    ShortStr<20> SettlementAccount;
    ShortStr<20> CorrAccount;
    ShortStr<10> Bik;
    ShortStr<64> BankShortName;
    ShortStr<128> BankFullName;

    // Copies the organization, cutting each text to its field.
    void assignFrom(const FirmRecord& firm);
};

static_assert(sizeof(FirmBlock) == 500 && alignof(FirmBlock) == 1);
static_assert(offsetof(FirmBlock, Name) == 0);
static_assert(offsetof(FirmBlock, LegalAddress) == 129);
static_assert(offsetof(FirmBlock, Inn) == 210);
static_assert(offsetof(FirmBlock, Kpp) == 223);
static_assert(offsetof(FirmBlock, Phone) == 236);
static_assert(offsetof(FirmBlock, SettlementAccount) == 253);
static_assert(offsetof(FirmBlock, CorrAccount) == 274);
static_assert(offsetof(FirmBlock, Bik) == 295);
static_assert(offsetof(FirmBlock, BankShortName) == 306);
static_assert(offsetof(FirmBlock, BankFullName) == 371);

struct ReportRecord {
    static constexpr std::size_t kMaxRows = 801;

    std::uint8_t Reserved0 = 0;
    ShortStr<10> OffsetActNo;
    ShortStr<10> ActNo;
    ShortStr<10> InvoiceNo;
    ShortStr<10> OffsetActDate;
    ShortStr<10> ActDate;
    ShortStr<10> InvoiceDate;
    ShortStr<8> AgentContractNo;
    ShortStr<10> IncomeTotal;
    ShortStr<10> VatTotal;
    ShortStr<10> GrossTotal;
    ShortStr<10> Remuneration;
    ShortStr<10> ToPrincipal;
    ShortStr<36> AgentDirector;
    ShortStr<36> AgentChiefAccountant;
    ShortStr<36> AgentAccountant;
    ShortStr<36> AgentChiefAccountantGenitive;
    ShortStr<36> PrincipalChiefAccountant;
    ShortStr<36> PrincipalChiefAccountantGenitive;
    std::array<std::uint8_t, 148> Reserved353{};
    std::uint8_t SignerIsAccountant = 0;
    std::uint8_t PeriodMonth = 0; // 0 = January
    std::uint8_t PeriodYear = 0;  // year = 2010 + value
    std::array<ReportRow, kMaxRows> Rows{};
    std::uint8_t Align54171 = 0;
    LeU16 RowCount;
    FirmBlock PrincipalFirm;
    FirmBlock AgentFirm;
    std::uint8_t ChiefSigns = 0;
    std::uint8_t Align55175 = 0;

    // The rows a reader may use: never more than the record holds.
    std::size_t usedRows() const {
        const std::size_t n = RowCount.get();
        return n > kMaxRows ? kMaxRows : n;
    }
};

static_assert(sizeof(ReportRecord) == 55176 && alignof(ReportRecord) == 1);
static_assert(offsetof(ReportRecord, OffsetActNo) == 1);
static_assert(offsetof(ReportRecord, ActNo) == 12);
static_assert(offsetof(ReportRecord, InvoiceNo) == 23);
static_assert(offsetof(ReportRecord, OffsetActDate) == 34);
static_assert(offsetof(ReportRecord, ActDate) == 45);
static_assert(offsetof(ReportRecord, InvoiceDate) == 56);
static_assert(offsetof(ReportRecord, AgentContractNo) == 67);
static_assert(offsetof(ReportRecord, IncomeTotal) == 76);
static_assert(offsetof(ReportRecord, VatTotal) == 87);
static_assert(offsetof(ReportRecord, GrossTotal) == 98);
static_assert(offsetof(ReportRecord, Remuneration) == 109);
static_assert(offsetof(ReportRecord, ToPrincipal) == 120);
static_assert(offsetof(ReportRecord, AgentDirector) == 131);
static_assert(offsetof(ReportRecord, AgentChiefAccountant) == 168);
static_assert(offsetof(ReportRecord, AgentAccountant) == 205);
static_assert(offsetof(ReportRecord, AgentChiefAccountantGenitive) == 242);
static_assert(offsetof(ReportRecord, PrincipalChiefAccountant) == 279);
static_assert(offsetof(ReportRecord, PrincipalChiefAccountantGenitive) == 316);
static_assert(offsetof(ReportRecord, Reserved353) == 353);
static_assert(offsetof(ReportRecord, SignerIsAccountant) == 501);
static_assert(offsetof(ReportRecord, PeriodMonth) == 502);
static_assert(offsetof(ReportRecord, PeriodYear) == 503);
static_assert(offsetof(ReportRecord, Rows) == 504);
static_assert(offsetof(ReportRecord, RowCount) == 54172);
static_assert(offsetof(ReportRecord, PrincipalFirm) == 54174);
static_assert(offsetof(ReportRecord, AgentFirm) == 54674);
static_assert(offsetof(ReportRecord, ChiefSigns) == 55174);

} // namespace kestrelon
