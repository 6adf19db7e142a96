#include "documents/fake_metrics.h"
#include "documents/forms/act_document.h"
#include "documents/forms/invoice_document.h"
#include "documents/input/document_input.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kestrelon {
namespace {

// The same organization as the current card shows it and as a report stored it earlier;
// neither has a short bank name.
std::unique_ptr<DataStore> liveStore() {
    auto store = std::make_unique<DataStore>();
    FirmRecord& agent = store->Firms[0];
    agent.Name = "Агент сейчас"_cp;
    agent.Inn = "5001000002";
    agent.LegalAddress = "юридический"_cp;
    agent.PostalAddress = "почтовый"_cp;
    agent.Banks[0].BankFullName = "Полное название банка"_cp;
    FirmRecord& principal = store->Firms[1];
    principal.Name = "Тарвел"_cp;
    principal.Inn = PrincipalInn;
    store->FirmCount = 2;
    store->Agent.AgentInn = "5001000002";
    store->Agent.ContractNo = "А-17"_cp;
    store->refreshFirmIndexes();
    return store;
}

std::unique_ptr<ReportRecord> storedReport() {
    auto record = std::make_unique<ReportRecord>();
    record->AgentFirm.Name = "Агент в отчете"_cp;
    record->AgentFirm.LegalAddress = "юридический"_cp;
    record->AgentFirm.BankFullName = "Банк в отчете"_cp;
    record->AgentContractNo = "А-17"_cp;
    record->PeriodMonth = 2;
    record->PeriodYear = 1;
    return record;
}

TEST(DocumentSources, AStoredReportShowsItsCopyAndANewOneTheCurrentCard) {
    struct Case {
        const char* source;
        DocumentInput input;
        const char* name;
        const char* address;
        const char* bank;
        const char* actContract;
    };
    ReportValues window;
    window.period = Period{2, 1}; // March 2011
    const Case cases[] = {
        {"stored", documentInputFromReport(*storedReport()), "Агент в отчете", "юридический",
         "Банк в отчете", "А-17  (за Март 2011 г.)"}, // the act reads as it did before "Save"
        {"live", documentInputFromLive(window, *liveStore(), RowSet{}), "Агент сейчас", "почтовый",
         "Полное название банка", "А-17  (за Март 2011 г.)"},
    };
    const FakeMetrics metrics;
    for (const Case& c : cases) {
        const DocumentText bill = FillBillSt(c.input, PageGeometry{PageScale{4, 4}}, metrics);
        EXPECT_EQ(cp1251ToUtf8(bill[0]), c.name) << c.source;
        EXPECT_EQ(cp1251ToUtf8(bill[1]), c.address) << c.source;
        EXPECT_EQ(cp1251ToUtf8(bill[12]), c.bank) << c.source << ": no short name, the full one";
        EXPECT_EQ(cp1251ToUtf8(FillActSt(c.input)[15]), c.actContract) << c.source;
    }
}

// A report prints the principal it was saved with, whoever is the principal today: one saved
// before the principal could be named carries the fixed INN (or none), a later one the real one.
TEST(DocumentSources, AStoredReportNamesThePrincipalOfItsOwnCopy) {
    auto live = liveStore();
    live->Firms[1].Name = "Акционерное общество \"Новый\""_cp;
    live->Firms[1].Inn = "7740000076";
    live->PrincipalChoice.assign("7740000076");
    live->refreshFirmIndexes();
    struct Case {
        const char* inn;
        const char* name;
        const char* printed;
    };
    const Case cases[] = {
        {"7712345670", "Тарвел", "ООО \"Тарвел\""},
        {"", "", "ООО \"Тарвел\""},
        {"7707083893", "Публичное акционерное общество \"Прежний\"", "ПАО \"Прежний\""},
    };
    for (const Case& c : cases) {
        auto record = storedReport();
        record->PrincipalFirm.Inn.assign(c.inn);
        record->PrincipalFirm.Name.assign(utf8ToCp1251(c.name));
        EXPECT_EQ(cp1251ToUtf8(FillActSt(documentInputFromReport(*record))[25]), c.printed)
            << c.inn;
    }
    ReportValues window;
    EXPECT_EQ(cp1251ToUtf8(FillActSt(documentInputFromLive(window, *live, RowSet{}))[25]),
              "АО \"Новый\"");
}

} // namespace
} // namespace kestrelon
