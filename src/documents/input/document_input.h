#pragma once
// Every value the three documents read, from one of two sources: the stored report that is
// open, or the report window's live values with the catalogues.

#include "reports/files/report_record.h"
#include "reports/values/period.h"
#include "reports/values/report_values.h"
#include "reports/values/row_set.h"
#include "store/data_store.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

// An organization as the documents show it.
struct DocumentFirm {
    std::string name;
    std::string address; // postal address live, the stored legal address from a report
    std::string phone;
    std::string inn;
    std::string kpp;
    std::string settlementAccount;
    std::string corrAccount;
    std::string bik;
    std::string bankName; // short name when there is one, else the full name
    std::string bankFullName;
};

// One principal invoice of the offset act's second table.
struct OffsetActRow {
    std::string invoiceNo;
    std::string invoiceDate;
    std::string gross; // with VAT
    std::string vat;
};

struct DocumentInput {
    bool stored = false;
    std::optional<DocumentFirm> agent;     // seller, executor
    std::optional<DocumentFirm> principal; // buyer, customer

    std::string invoiceNo, invoiceDate;
    std::string actNo, actDate;
    std::string offsetActNo, offsetActDate;
    std::string remuneration;
    std::string toPrincipal;
    std::string vatTotal;

    std::string contractNo;           // the agent contract number
    std::string actContractReference; // the act's line under the service, with the period
    Period period;

    std::string director;
    std::string signingAccountant; // chief accountant or accountant, whoever signs
    bool chiefSigns = true;
    std::string agentChiefAccountantGenitive;
    std::string principalChiefAccountant;
    std::string principalChiefAccountantGenitive;

    std::vector<OffsetActRow> rows;
};

// Where a document takes its data: the stored report that is open, or the window's live values
// with the catalogues. The report window chooses by whether a stored report is open.
enum class DocumentSource { Stored, Live };

inline DocumentSource documentSource(bool storedReportOpen) {
    return storedReportOpen ? DocumentSource::Stored : DocumentSource::Live;
}

// Stored source: everything from the report record.
DocumentInput documentInputFromReport(const ReportRecord& record);

// Live source: the window's values, the agent contract, the organizations at AgentFirmIndex and
// PrincipalFirmIndex, and the rows of the set the window's mode selects (when it has rows).
DocumentInput documentInputFromLive(const ReportValues& window, const DataStore& store,
                                    const RowSet& currentRows);

// The input of the chosen source.
DocumentInput documentInput(DocumentSource source, const ReportRecord& record,
                            const ReportValues& window, const DataStore& store,
                            const RowSet& currentRows);

} // namespace kestrelon
