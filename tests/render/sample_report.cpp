#include "sample_report.h"

#include "store/cp1251.h"

#include <algorithm>

namespace kestrelon::test {

namespace {

void fillAgent(FirmBlock& firm) {
    firm.Name = utf8ToCp1251(kSampleAgentName);
    firm.LegalAddress = "123456, г. Москва, ул. Лесная, д. 5"_cp;
    firm.Inn = "5001000002";
    firm.Kpp = "500101001";
    firm.Phone = "495-123-45-67";
    firm.SettlementAccount = "40702810400000001234";
    firm.CorrAccount = "30101810400000000225";
    firm.Bik = "044525225";
    firm.BankShortName = "ОАО Сбербанк России"_cp;
}

void fillPrincipal(FirmBlock& firm) {
    firm.Name = "Общество с ограниченной ответственностью \"Тарвел\""_cp;
    firm.LegalAddress = "101000, г. Москва, ул. Мясницкая, д. 1"_cp;
    firm.Inn = "7700000001";
    firm.Kpp = "770001001";
}

} // namespace

std::unique_ptr<ReportRecord> sampleReport(std::size_t rows) {
    auto r = std::make_unique<ReportRecord>();
    r->OffsetActNo = "7";
    r->ActNo = "9";
    r->InvoiceNo = "8";
    r->OffsetActDate = "31.03.2011";
    r->ActDate = "31.03.2011";
    r->InvoiceDate = "31.03.2011";
    r->AgentContractNo = "А-17"_cp;
    r->Remuneration = "1500.00";
    r->ToPrincipal = "10300.00";
    r->VatTotal = "1800.00";
    r->GrossTotal = "11800.00";
    r->IncomeTotal = "10000.00";
    r->AgentDirector = "Иванов И. И."_cp;
    r->AgentChiefAccountant = "Петрова П. П."_cp;
    r->AgentAccountant = "Сидорова С. С."_cp;
    r->AgentChiefAccountantGenitive = "Петровой П. П."_cp;
    r->PrincipalChiefAccountant = "Смирнов А. А."_cp;
    r->PrincipalChiefAccountantGenitive = "Смирнова А. А."_cp;
    r->ChiefSigns = 1;
    r->PeriodMonth = 2; // March
    r->PeriodYear = 1;  // 2011
    fillAgent(r->AgentFirm);
    fillPrincipal(r->PrincipalFirm);
    const std::size_t count = std::min(rows, ReportRecord::kMaxRows);
    r->RowCount = static_cast<std::uint16_t>(count);
    for (std::size_t i = 0; i < count; ++i) {
        ReportRow& row = r->Rows[i];
        row.ClientContractNo = "K-" + std::to_string(i % 64);
        row.InvoiceNo = std::to_string(100001 + i);
        row.InvoiceDate = "15.03.2011";
        row.Amount = "100.00";
        row.Vat = "18.00";
        row.Gross = "118.00";
    }
    return r;
}

std::string reportFileBytes(const ReportRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

} // namespace kestrelon::test
