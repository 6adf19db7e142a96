#include "documents/input/document_input.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

std::unique_ptr<DataStore> liveStore() {
    auto store = std::make_unique<DataStore>();
    FirmRecord& agent = store->Firms[0];
    agent.Name = "Агент"_cp;
    agent.Inn = "5001000002";
    agent.LegalAddress = "юридический"_cp;
    agent.PostalAddress = "почтовый"_cp;
    agent.Banks[1].BankFullName = "Полное название банка"_cp;
    agent.SelectedBank = 1;
    FirmRecord& principal = store->Firms[1];
    principal.Name = "Тарвел"_cp;
    principal.Inn = PrincipalInn;
    store->FirmCount = 2;
    store->Agent.AgentInn = "5001000002";
    store->Agent.ContractNo = "А-17"_cp;
    store->Agent.AgentChiefAccountant = "Главбух"_cp;
    store->Agent.AgentAccountant = "Бухгалтер"_cp;
    store->Agent.SignerIsAccountant = 1;
    store->refreshFirmIndexes();
    return store;
}

TEST(DocumentInput, LiveValuesComeFromTheWindowAndTheCatalogues) {
    const auto store = liveStore();
    ReportValues window;
    window.InvoiceNo = "8";
    window.Remuneration = "1500.00";
    window.period = Period{2, 1}; // March 2011
    RowSet rows;
    rows.rows.resize(2);
    rows.rows[1].GrossText = "118.00";
    const DocumentInput in = documentInputFromLive(window, *store, rows);
    EXPECT_FALSE(in.stored);
    ASSERT_TRUE(in.agent && in.principal);
    EXPECT_EQ(cp1251ToUtf8(in.agent->address), "почтовый");
    EXPECT_EQ(cp1251ToUtf8(in.agent->bankName), "Полное название банка")
        << "without a short name the full one";
    EXPECT_EQ(cp1251ToUtf8(in.actContractReference), "А-17  (за Март 2011 г.)");
    EXPECT_FALSE(in.chiefSigns);
    EXPECT_EQ(cp1251ToUtf8(in.signingAccountant), "Бухгалтер");
    ASSERT_EQ(in.rows.size(), 2u);
    EXPECT_EQ(in.rows[1].gross, "118.00");
}

TEST(DocumentInput, MissingOrganizationsAreAbsent) {
    auto store = liveStore();
    store->Agent.AgentInn = "";
    store->FirmCount = 0;
    store->refreshFirmIndexes();
    const DocumentInput in = documentInputFromLive(ReportValues{}, *store, RowSet{});
    EXPECT_FALSE(in.agent);
    EXPECT_FALSE(in.principal);
    EXPECT_TRUE(in.rows.empty());
}

TEST(DocumentInput, TheStoredCopyWinsOverTheCurrentCard) {
    auto record = std::make_unique<ReportRecord>();
    record->AgentFirm.Name = "Агент в отчете"_cp;
    record->AgentFirm.LegalAddress = "юридический"_cp;
    record->AgentFirm.BankShortName = "Банк"_cp;
    record->AgentContractNo = "12345678";
    record->PeriodMonth = 10;
    record->PeriodYear = 16;
    record->ChiefSigns = 1;
    record->AgentChiefAccountant = "Главбух"_cp;
    record->RowCount = 1;
    record->Rows[0].InvoiceNo = "1234567890123";
    record->Rows[0].Vat = "18.00";
    const DocumentInput in = documentInputFromReport(*record);
    EXPECT_TRUE(in.stored);
    EXPECT_EQ(cp1251ToUtf8(in.agent->name), "Агент в отчете");
    EXPECT_EQ(cp1251ToUtf8(in.agent->address), "юридический");
    EXPECT_EQ(cp1251ToUtf8(in.agent->bankName), "Банк");
    // The act reads on paper as it did on screen before "Save".
    EXPECT_EQ(cp1251ToUtf8(in.actContractReference), "12345678  (за Ноябрь 2026 г.)");
    record->PeriodMonth = 12; // outside the month list: the number alone
    EXPECT_EQ(documentInputFromReport(*record).actContractReference, "12345678");
    EXPECT_TRUE(in.chiefSigns);
    EXPECT_EQ(cp1251ToUtf8(in.signingAccountant), "Главбух");
    ASSERT_EQ(in.rows.size(), 1u);
    EXPECT_EQ(in.rows[0].vat, "18.00");
}

TEST(DocumentInput, TheSourceFollowsWhetherAStoredReportIsOpen) {
    const auto store = liveStore();
    auto record = std::make_unique<ReportRecord>();
    record->InvoiceNo = "77";
    ReportValues window;
    window.InvoiceNo = "8";
    EXPECT_EQ(documentInput(documentSource(true), *record, window, *store, RowSet{}).invoiceNo,
              "77");
    EXPECT_EQ(documentInput(documentSource(false), *record, window, *store, RowSet{}).invoiceNo,
              "8");
}

} // namespace
} // namespace kestrelon
