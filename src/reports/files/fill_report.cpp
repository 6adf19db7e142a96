#include "fill_report.h"

#include <algorithm>

namespace kestrelon {

std::string FillReport(const ReportValues& v, const RowSet& rows, const DataStore& store,
                       ReportRecord& r) {
    r.OffsetActNo.assignFromField(v.OffsetActNo);
    r.InvoiceNo.assignFromField(v.InvoiceNo);
    r.ActNo.assignFromField(v.ActNo);
    r.OffsetActDate.assignFromField(v.OffsetActDate);
    r.InvoiceDate.assignFromField(v.InvoiceDate);
    r.ActDate.assignFromField(v.ActDate);
    r.AgentContractNo.assign(store.Agent.ContractNo.view());

    r.IncomeTotal.assignFromField(v.IncomeTotal);
    r.VatTotal.assignFromField(v.VatTotal);
    r.GrossTotal.assignFromField(v.GrossTotal);
    r.Remuneration.assignFromField(v.Remuneration);
    r.ToPrincipal.assignFromField(v.ToPrincipal);

    const AgentRecord& agent = store.Agent;
    r.AgentDirector = agent.AgentDirector;
    r.AgentChiefAccountant = agent.AgentChiefAccountant;
    r.AgentAccountant = agent.AgentAccountant;
    r.AgentChiefAccountantGenitive = agent.AgentChiefAccountantGenitive;
    r.PrincipalChiefAccountant = agent.PrincipalChiefAccountant;
    r.PrincipalChiefAccountantGenitive = agent.PrincipalChiefAccountantGenitive;
    r.SignerIsAccountant = agent.SignerIsAccountant;

    const std::size_t count = std::min(rows.count(), ReportRecord::kMaxRows);
    r.RowCount = static_cast<std::uint16_t>(count);
    for (std::size_t i = 0; i < count; ++i) {
        const InvoiceRow& from = rows.rows[i];
        ReportRow& to = r.Rows[i];
        to.ClientContractNo = from.ClientContractNo;
        to.InvoiceNo.assign(from.InvoiceNo.view());
        to.InvoiceDate = from.InvoiceDate;
        to.Amount = from.AmountText;
        to.Vat = from.VatText;
        to.Gross = from.GrossText;
    }

    r.PeriodMonth = v.period.month;
    r.PeriodYear = v.period.year;
    r.ChiefSigns = v.chiefSigns ? 1 : 0;

    if (store.PrincipalFirmIndex >= 0 && store.PrincipalFirmIndex < store.FirmCount) {
        r.PrincipalFirm.assignFrom(store.Firms[store.PrincipalFirmIndex]);
    }
    if (store.AgentFirmIndex >= 0 && store.AgentFirmIndex < store.FirmCount) {
        r.AgentFirm.assignFrom(store.Firms[store.AgentFirmIndex]);
    }
    return reportFileName(r);
}

namespace {

std::string fileNameOf(const std::string& offsetActNo, const Period& period,
                       const std::string& agentContractNo) {
    std::string name =
        offsetActNo + "_" + periodMM(period) + periodYY(period) + "_" + agentContractNo;
    // A contract number such as "12/2013" must not turn the name into a path.
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20) {
            c = '_';
        }
    }
    return name + ".rep";
}

} // namespace

std::string reportFileName(const ReportRecord& r) {
    return fileNameOf(r.OffsetActNo.str(), Period{r.PeriodMonth, r.PeriodYear},
                      r.AgentContractNo.str());
}

std::string reportFileName(const ReportValues& values, const AgentRecord& agent) {
    ShortStr<10> offsetActNo;
    offsetActNo.assignFromField(values.OffsetActNo);
    ShortStr<8> contractNo;
    contractNo.assign(agent.ContractNo.view());
    return fileNameOf(offsetActNo.str(), values.period, contractNo.str());
}

OpenedReport FillFromReport(const ReportRecord& r) {
    OpenedReport opened;
    ReportValues& v = opened.values;
    v.OffsetActNo = r.OffsetActNo.str();
    v.InvoiceNo = r.InvoiceNo.str();
    v.ActNo = r.ActNo.str();
    v.OffsetActDate = r.OffsetActDate.str();
    v.InvoiceDate = r.InvoiceDate.str();
    v.ActDate = r.ActDate.str();
    v.IncomeTotal = r.IncomeTotal.str();
    v.VatTotal = r.VatTotal.str();
    v.GrossTotal = r.GrossTotal.str();
    v.Remuneration = r.Remuneration.str();
    v.ToPrincipal = r.ToPrincipal.str();
    v.period = Period{r.PeriodMonth, r.PeriodYear};

    for (std::size_t i = 0; i < r.usedRows(); ++i) {
        const ReportRow& row = r.Rows[i];
        opened.grid.push_back({row.ClientContractNo.str(), row.InvoiceNo.str(),
                               row.InvoiceDate.str(), row.Amount.str(), row.Vat.str(),
                               row.Gross.str()});
    }
    opened.rememberedRemuneration = v.Remuneration;
    opened.rememberedIncome = v.IncomeTotal;
    return opened;
}

} // namespace kestrelon
