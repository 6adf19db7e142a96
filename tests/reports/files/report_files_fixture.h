#pragma once
// Shared by the report file tests: report records built from a few numbers, written into a
// test folder the way the program lays them out, and the data store a save needs.

#include "reports/files/fill_report.h"
#include "reports/files/report_list.h"
#include "reports/files/report_record.h"
#include "reports/values/report_values.h"
#include "store/cp1251.h"
#include "store/data_store.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrelon::test {

struct ReportFields {
    std::string offsetActNo;
    std::string actNo{};
    std::string invoiceNo{};
    std::uint8_t month = 2; // March
    std::uint8_t year = 3;  // 2013
    std::string contract = "12345678";
};

// The record is far too large for a test's stack.
inline std::unique_ptr<ReportRecord> makeRecord(const ReportFields& fields) {
    auto r = std::make_unique<ReportRecord>();
    r->OffsetActNo = fields.offsetActNo;
    r->ActNo = fields.actNo;
    r->InvoiceNo = fields.invoiceNo;
    r->PeriodMonth = fields.month;
    r->PeriodYear = fields.year;
    r->AgentContractNo = fields.contract;
    return r;
}

inline std::string bytesOfRecord(const ReportRecord& r) {
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

// Writes the report under its own file name and returns that name (cp1251).
inline std::string writeReport(const TempFolder& folder, const ReportFields& fields) {
    const auto record = makeRecord(fields);
    const std::string name = reportFileName(*record);
    folder.writeFile(cp1251ToUtf8(name), bytesOfRecord(*record));
    return name;
}

inline std::vector<std::string> offsetNumbers(const ReportList& list) {
    std::vector<std::string> numbers;
    for (const ReportListEntry& e : list.entries) {
        numbers.push_back(e.OffsetActNo.str());
    }
    return numbers;
}

inline std::unique_ptr<DataStore> storeWithOrganizations(const TempFolder& folder) {
    auto store = std::make_unique<DataStore>();
    store->DataFolder = folder.path();
    store->Agent.ContractNo = "12345678";
    store->Agent.AgentInn = "5001000002";
    store->Agent.AgentDirector = "Иванов И.И."_cp;
    store->Agent.AgentAccountant = "Сидорова С.С."_cp;
    FirmRecord& principal = store->Firms[0];
    principal.Name = "ООО \"Тарвел\""_cp;
    principal.Inn = PrincipalInn;
    FirmRecord& agent = store->Firms[1];
    agent.Name = "ООО \"Агент\""_cp;
    agent.Inn = "5001000002";
    agent.Banks[1].Bik = "044525225";
    agent.SelectedBank = 1;
    store->FirmCount = 2;
    store->refreshFirmIndexes();
    return store;
}

inline ReportValues valuesFor(const std::string& offsetActNo, Period period) {
    ReportValues v;
    v.OffsetActNo = offsetActNo;
    v.InvoiceNo = "8";
    v.ActNo = "9";
    v.OffsetActDate = "31.03.2013";
    v.InvoiceDate = "30.03.2013";
    v.ActDate = "29.03.2013";
    v.IncomeTotal = "1000.00";
    v.VatTotal = "180.00";
    v.GrossTotal = "1180.00";
    v.Remuneration = "100";
    v.ToPrincipal = "1080.00";
    v.period = period;
    v.chiefSigns = true;
    v.mode = ReportMode::Manual;
    return v;
}

inline RowSet rowsOf(std::size_t count) {
    RowSet set;
    for (std::size_t i = 0; i < count; ++i) {
        InvoiceRow row;
        row.ClientContractNo = "K-" + std::to_string(i + 1);
        row.InvoiceNo = "Т-"_cp + std::to_string(1000 + i);
        row.InvoiceDate = "15.03.2013";
        row.AmountText = "500.00";
        row.VatText = "90.00";
        row.GrossText = "590.00";
        set.rows.push_back(row);
    }
    return set;
}

} // namespace kestrelon::test
