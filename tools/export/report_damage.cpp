#include "report_damage.h"

#include "reports/values/period.h"

namespace kestrelon {

namespace {

class DamageList {
public:
    template <std::size_t N> void text(const std::string& name, const ShortStr<N>& field) {
        if (field.length > N) {
            lines_.push_back(name + ": length " + std::to_string(field.length) +
                             " is above its field's " + std::to_string(N) + " characters");
        }
    }
    void count(const std::string& name, unsigned value, unsigned limit) {
        if (value > limit) {
            lines_.push_back(name + ": " + std::to_string(value) + " is above " +
                             std::to_string(limit));
        }
    }
    std::vector<std::string> take() { return std::move(lines_); }

private:
    std::vector<std::string> lines_;
};

void checkFirm(DamageList& list, const std::string& prefix, const FirmBlock& firm) {
    list.text(prefix + ".Name", firm.Name);
    list.text(prefix + ".LegalAddress", firm.LegalAddress);
    list.text(prefix + ".Inn", firm.Inn);
    list.text(prefix + ".Kpp", firm.Kpp);
    list.text(prefix + ".Phone", firm.Phone);
    list.text(prefix + ".SettlementAccount", firm.SettlementAccount);
    list.text(prefix + ".CorrAccount", firm.CorrAccount);
    list.text(prefix + ".Bik", firm.Bik);
    list.text(prefix + ".BankShortName", firm.BankShortName);
    list.text(prefix + ".BankFullName", firm.BankFullName);
}

void checkRow(DamageList& list, std::size_t index, const ReportRow& row) {
    const std::string prefix = "Rows[" + std::to_string(index) + "].";
    list.text(prefix + "ClientContractNo", row.ClientContractNo);
    list.text(prefix + "InvoiceNo", row.InvoiceNo);
    list.text(prefix + "InvoiceDate", row.InvoiceDate);
    list.text(prefix + "Amount", row.Amount);
    list.text(prefix + "Vat", row.Vat);
    list.text(prefix + "Gross", row.Gross);
}

} // namespace

std::vector<std::string> damagedFields(const ReportRecord& r) {
    DamageList list;
    list.count("RowCount", r.RowCount.get(), ReportRecord::kMaxRows);
    list.count("PeriodMonth", r.PeriodMonth, 11);
    list.count("PeriodYear", r.PeriodYear, Period::kYearCount - 1);
    list.text("OffsetActNo", r.OffsetActNo);
    list.text("ActNo", r.ActNo);
    list.text("InvoiceNo", r.InvoiceNo);
    list.text("OffsetActDate", r.OffsetActDate);
    list.text("ActDate", r.ActDate);
    list.text("InvoiceDate", r.InvoiceDate);
    list.text("AgentContractNo", r.AgentContractNo);
    list.text("IncomeTotal", r.IncomeTotal);
    list.text("VatTotal", r.VatTotal);
    list.text("GrossTotal", r.GrossTotal);
    list.text("Remuneration", r.Remuneration);
    list.text("ToPrincipal", r.ToPrincipal);
    list.text("AgentDirector", r.AgentDirector);
    list.text("AgentChiefAccountant", r.AgentChiefAccountant);
    list.text("AgentAccountant", r.AgentAccountant);
    list.text("AgentChiefAccountantGenitive", r.AgentChiefAccountantGenitive);
    list.text("PrincipalChiefAccountant", r.PrincipalChiefAccountant);
    list.text("PrincipalChiefAccountantGenitive", r.PrincipalChiefAccountantGenitive);
    checkFirm(list, "PrincipalFirm", r.PrincipalFirm);
    checkFirm(list, "AgentFirm", r.AgentFirm);
    for (std::size_t i = 0; i < r.usedRows(); ++i) {
        checkRow(list, i, r.Rows[i]);
    }
    return list.take();
}

} // namespace kestrelon
