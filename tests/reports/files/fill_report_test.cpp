#include "reports/files/fill_report.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

std::unique_ptr<DataStore> storeWithAgentAndPrincipal() {
    auto store = std::make_unique<DataStore>();
    store->Agent.ContractNo = "12345678";
    store->Agent.AgentDirector = "Иванов И.И."_cp;
    store->Agent.PrincipalChiefAccountantGenitive = "Петровой П.П."_cp;
    store->Agent.SignerIsAccountant = 1;
    FirmRecord& agent = store->Firms[0];
    agent.Name = "ООО \"Агент\""_cp;
    agent.Inn = "5001000002";
    agent.Banks[2].Bik = "044525225";
    agent.Banks[2].BankShortName = std::string(100, 'B');
    agent.SelectedBank = 2;
    FirmRecord& principal = store->Firms[1];
    principal.Name = "ООО \"Тарвел\""_cp;
    principal.Inn = PrincipalInn;
    principal.LegalAddress = std::string(100, 'A');
    store->FirmCount = 2;
    store->Agent.AgentInn = "5001000002";
    store->refreshFirmIndexes();
    return store;
}

ReportValues marchValues() {
    ReportValues v;
    v.OffsetActNo = "7";
    v.InvoiceNo = "8";
    v.ActNo = "9";
    v.OffsetActDate = "31.03.2013";
    v.InvoiceDate = "30.03.2013";
    v.ActDate = "29.03.2013";
    v.IncomeTotal = "100.00";
    v.VatTotal = "18.00";
    v.GrossTotal = "118.00";
    v.Remuneration = "10";
    v.ToPrincipal = "108.00";
    v.period = Period{2, 3};
    v.chiefSigns = true;
    return v;
}

RowSet oneRow() {
    RowSet set;
    InvoiceRow row;
    row.ClientContractNo = "K-1";
    row.InvoiceNo = "12345678901234";
    row.InvoiceDate = "15.03.2013";
    row.AmountText = "1234,56";
    row.VatText = "222.22";
    row.GrossText = "1456.78";
    set.rows.push_back(row);
    return set;
}

TEST(FillReport, RecordFromTheWindowTheContractAndTheOrganizations) {
    const auto store = storeWithAgentAndPrincipal();
    auto record = std::make_unique<ReportRecord>();
    const std::string name = FillReport(marchValues(), oneRow(), *store, *record);
    EXPECT_EQ(name, "7_0313_12345678.rep");
    EXPECT_EQ(record->OffsetActNo.str(), "7");
    EXPECT_EQ(record->InvoiceNo.str(), "8");
    EXPECT_EQ(record->ActDate.str(), "29.03.2013");
    EXPECT_EQ(record->ToPrincipal.str(), "108.00");
    EXPECT_EQ(cp1251ToUtf8(record->AgentDirector.str()), "Иванов И.И.");
    EXPECT_EQ(record->SignerIsAccountant, 1);
    EXPECT_EQ(record->PeriodMonth, 2);
    EXPECT_EQ(record->PeriodYear, 3);
    EXPECT_EQ(record->ChiefSigns, 1);
    ASSERT_EQ(record->RowCount.get(), 1);
    EXPECT_EQ(record->Rows[0].InvoiceNo.str(), "1234567890123") << "13 characters in the record";
    EXPECT_EQ(record->Rows[0].Amount.str(), "1234,56") << "imported texts stay as imported";
    EXPECT_EQ(cp1251ToUtf8(record->PrincipalFirm.Name.str()), "ООО \"Тарвел\"");
    EXPECT_EQ(record->PrincipalFirm.LegalAddress.str(), std::string(80, 'A'));
    EXPECT_EQ(record->AgentFirm.Bik.str(), "044525225") << "the current bank account";
    EXPECT_EQ(record->AgentFirm.BankShortName.str(), std::string(64, 'B'));
}

TEST(FillReport, AnUnknownOrganizationLeavesItsBlockAsItWas) {
    auto store = storeWithAgentAndPrincipal();
    store->Agent.AgentInn = "0000000000";
    store->refreshFirmIndexes();
    auto record = std::make_unique<ReportRecord>();
    record->AgentFirm.Name = "прежний"_cp;
    FillReport(marchValues(), oneRow(), *store, *record);
    EXPECT_EQ(cp1251ToUtf8(record->AgentFirm.Name.str()), "прежний");
}

TEST(FillReport, FileNamesNeverBecomePaths) {
    auto store = storeWithAgentAndPrincipal();
    store->Agent.ContractNo = "12/2013";
    auto record = std::make_unique<ReportRecord>();
    ReportValues v = marchValues();
    v.period = Period{11, 89};
    EXPECT_EQ(FillReport(v, oneRow(), *store, *record), "7_1299_12_2013.rep");
    EXPECT_EQ(record->AgentContractNo.str(), "12/2013") << "the record keeps the number";
}

TEST(FillFromReport, GivesBackWhatWasFilled) {
    const auto store = storeWithAgentAndPrincipal();
    auto record = std::make_unique<ReportRecord>();
    FillReport(marchValues(), oneRow(), *store, *record);
    const OpenedReport opened = FillFromReport(*record);
    const ReportValues expected = marchValues();
    EXPECT_EQ(opened.values.OffsetActNo, expected.OffsetActNo);
    EXPECT_EQ(opened.values.InvoiceDate, expected.InvoiceDate);
    EXPECT_EQ(opened.values.GrossTotal, expected.GrossTotal);
    EXPECT_EQ(opened.values.period, expected.period);
    EXPECT_FALSE(opened.values.chiefSigns) << "the box is not shown back";
    ASSERT_EQ(opened.grid.size(), 1u);
    EXPECT_EQ(opened.grid[0][5], "1456.78");
    EXPECT_EQ(opened.rememberedRemuneration, "10");
    EXPECT_EQ(opened.rememberedIncome, "100.00");
}

TEST(FillFromReport, ADamagedRowCountNeverReadsPastTheRows) {
    auto record = std::make_unique<ReportRecord>();
    record->RowCount = 65535;
    EXPECT_EQ(FillFromReport(*record).grid.size(), ReportRecord::kMaxRows);
}

} // namespace
} // namespace kestrelon
