#include "document_input.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

std::optional<DocumentFirm> firmAt(const DataStore& store, std::int32_t index) {
    if (index < 0 || index >= store.FirmCount) {
        return std::nullopt;
    }
    const FirmRecord& f = store.Firms[index];
    const BankAccount& bank = f.currentBank();
    return DocumentFirm{f.Name.str(),
                        f.PostalAddress.str(),
                        f.Phone.str(),
                        f.Inn.str(),
                        f.Kpp.str(),
                        bank.SettlementAccount.str(),
                        bank.CorrAccount.str(),
                        bank.Bik.str(),
                        bank.BankShortName.empty() ? bank.BankFullName.str()
                                                   : bank.BankShortName.str(),
                        bank.BankFullName.str()};
}

DocumentFirm storedFirm(const FirmBlock& b) {
    return DocumentFirm{b.Name.str(),
                        b.LegalAddress.str(),
                        b.Phone.str(),
                        b.Inn.str(),
                        b.Kpp.str(),
                        b.SettlementAccount.str(),
                        b.CorrAccount.str(),
                        b.Bik.str(),
                        b.BankShortName.empty() ? b.BankFullName.str() : b.BankShortName.str(),
                        b.BankFullName.str()};
}

// The act's line under its service, the same for a report being made and a stored one: the
// contract number and the report month ("12345678  (за Ноябрь 2026 г.)"). A stored period
// outside the lists gives the number alone.
std::string actContractReference(const std::string& contractNo, const Period& period) {
    const std::string month = monthName(period.month);
    const std::string year = yearText(period.year);
    if (month.empty() || year.empty()) {
        return contractNo;
    }
    return contractNo + "  (за "_cp + month + " " + year + " г.)"_cp;
}

} // namespace

DocumentInput documentInputFromReport(const ReportRecord& r) {
    DocumentInput in;
    in.stored = true;
    in.agent = storedFirm(r.AgentFirm);
    in.principal = storedFirm(r.PrincipalFirm);
    in.invoiceNo = r.InvoiceNo.str();
    in.invoiceDate = r.InvoiceDate.str();
    in.actNo = r.ActNo.str();
    in.actDate = r.ActDate.str();
    in.offsetActNo = r.OffsetActNo.str();
    in.offsetActDate = r.OffsetActDate.str();
    in.remuneration = r.Remuneration.str();
    in.toPrincipal = r.ToPrincipal.str();
    in.vatTotal = r.VatTotal.str();
    in.contractNo = r.AgentContractNo.str();
    in.period = Period{r.PeriodMonth, r.PeriodYear};
    in.actContractReference = actContractReference(in.contractNo, in.period);
    in.director = r.AgentDirector.str();
    in.chiefSigns = r.ChiefSigns == 1;
    in.signingAccountant = in.chiefSigns ? r.AgentChiefAccountant.str() : r.AgentAccountant.str();
    in.agentChiefAccountantGenitive = r.AgentChiefAccountantGenitive.str();
    in.principalChiefAccountant = r.PrincipalChiefAccountant.str();
    in.principalChiefAccountantGenitive = r.PrincipalChiefAccountantGenitive.str();
    for (std::size_t i = 0; i < r.usedRows(); ++i) {
        const ReportRow& row = r.Rows[i];
        in.rows.push_back(
            {row.InvoiceNo.str(), row.InvoiceDate.str(), row.Gross.str(), row.Vat.str()});
    }
    return in;
}

DocumentInput documentInputFromLive(const ReportValues& w, const DataStore& store,
                                    const RowSet& currentRows) {
    DocumentInput in;
    in.agent = firmAt(store, store.AgentFirmIndex);
    in.principal = firmAt(store, store.PrincipalFirmIndex);
    in.invoiceNo = w.InvoiceNo;
    in.invoiceDate = w.InvoiceDate;
    in.actNo = w.ActNo;
    in.actDate = w.ActDate;
    in.offsetActNo = w.OffsetActNo;
    in.offsetActDate = w.OffsetActDate;
    in.remuneration = w.Remuneration;
    in.toPrincipal = w.ToPrincipal;
    in.vatTotal = w.VatTotal;
    const AgentRecord& a = store.Agent;
    in.contractNo = a.ContractNo.str();
    in.period = w.period;
    in.actContractReference = actContractReference(in.contractNo, in.period);
    in.director = a.AgentDirector.str();
    in.chiefSigns = a.SignerIsAccountant == 0;
    in.signingAccountant = in.chiefSigns ? a.AgentChiefAccountant.str() : a.AgentAccountant.str();
    in.agentChiefAccountantGenitive = a.AgentChiefAccountantGenitive.str();
    in.principalChiefAccountant = a.PrincipalChiefAccountant.str();
    in.principalChiefAccountantGenitive = a.PrincipalChiefAccountantGenitive.str();
    for (const InvoiceRow& row : currentRows.rows) {
        in.rows.push_back(
            {row.InvoiceNo.str(), row.InvoiceDate.str(), row.GrossText.str(), row.VatText.str()});
    }
    return in;
}

DocumentInput documentInput(DocumentSource source, const ReportRecord& record,
                            const ReportValues& window, const DataStore& store,
                            const RowSet& currentRows) {
    return source == DocumentSource::Stored ? documentInputFromReport(record)
                                            : documentInputFromLive(window, store, currentRows);
}

} // namespace kestrelon
