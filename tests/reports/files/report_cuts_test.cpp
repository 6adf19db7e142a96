#include "reports/computation/manual_grid.h"
#include "reports/files/fill_report.h"
#include "reports/files/report_cuts.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

using enum ReportDocument;

std::string utf8(const std::string& cp1251) {
    return cp1251ToUtf8(cp1251);
}

TEST(ReportCutsTest, EveryCatalogueValueAReportKeepsShorterIsListedWithItsDocuments) {
    struct Expected {
        ReportCopy copy;
        std::size_t catalogue, report;
        std::vector<ReportDocument> documents;
    };
    const Expected expected[] = {
        {ReportCopy::FirmPhone, 64, 16, {Invoice}},
        {ReportCopy::FirmLegalAddress, 128, 80, {Invoice}},
        {ReportCopy::BankShortName, 128, 64, {Invoice}},
        {ReportCopy::BankFullName, 255, 128, {Invoice}},
        {ReportCopy::AgentContractNo, 12, 8, {Invoice, Act, OffsetAct}},
        {ReportCopy::ClientContractNo, 12, 8, {OffsetAct}},
    };
    ASSERT_EQ(reportCuts().size(), std::size(expected));
    for (const Expected& e : expected) {
        SCOPED_TRACE(static_cast<int>(e.copy));
        const ReportCut& cut = reportCut(e.copy);
        EXPECT_EQ(cut.copy, e.copy);
        EXPECT_EQ(cut.catalogueLength, e.catalogue);
        EXPECT_EQ(cut.reportLength, e.report);
        EXPECT_EQ(cut.documents, e.documents);
    }
}

// The notes promise what saving a report really does to the longest values a card takes.
TEST(ReportCutsTest, TheReportLengthsAreWhatASavedReportKeeps) {
    auto store = std::make_unique<DataStore>();
    FirmRecord& firm = store->Firms[0];
    firm.Name = "A";
    firm.Inn = "7701";
    firm.Phone = std::string(64, '1');
    firm.LegalAddress = std::string(128, 'a');
    firm.Banks[0].BankShortName = std::string(128, 's');
    firm.Banks[0].BankFullName = std::string(255, 'f');
    store->FirmCount = 1;
    store->Agent.AgentInn = "7701";
    store->Agent.ContractNo = std::string(12, '9');
    store->refreshFirmIndexes();
    auto record = std::make_unique<ReportRecord>();
    FillReport(ReportValues{}, RowSet{}, *store, *record);
    EXPECT_EQ(record->AgentFirm.Phone.size(), reportCut(ReportCopy::FirmPhone).reportLength);
    EXPECT_EQ(record->AgentFirm.LegalAddress.size(),
              reportCut(ReportCopy::FirmLegalAddress).reportLength);
    EXPECT_EQ(record->AgentFirm.BankShortName.size(),
              reportCut(ReportCopy::BankShortName).reportLength);
    EXPECT_EQ(record->AgentFirm.BankFullName.size(),
              reportCut(ReportCopy::BankFullName).reportLength);
    EXPECT_EQ(record->AgentContractNo.size(), reportCut(ReportCopy::AgentContractNo).reportLength);

    // A manual row's invoice number keeps as much of a 12-character contract number as the
    // row's contract field does.
    const std::string contract(12, 'K');
    ReportRow row;
    row.ClientContractNo.assign(contract);
    row.InvoiceNo.assign(manualInvoiceNo(2, Period{2, 3}, contract));
    const std::size_t kept = reportCut(ReportCopy::ClientContractNo).reportLength;
    EXPECT_EQ(row.ClientContractNo.size(), kept);
    EXPECT_EQ(row.InvoiceNo.str(), "21303" + std::string(kept, 'K'));
}

TEST(ReportCutsTest, ANoteOnlyForAValueLongerThanTheReportKeeps) {
    struct Case {
        ReportCopy copy;
        std::size_t length;
        std::string note; // UTF-8; empty: no note
    };
    const Case cases[] = {
        {ReportCopy::FirmPhone, 16, ""},
        {ReportCopy::FirmPhone, 20,
         "Отчет хранит только 16 знаков, введено 20: в сохраненном отчете документ «Счет» "
         "покажет обрезанное значение."},
        {ReportCopy::BankShortName, 65,
         "Отчет хранит только 64 знака, введено 65: в сохраненном отчете документ «Счет» "
         "покажет обрезанное значение."},
        {ReportCopy::BankFullName, 129,
         "Отчет хранит только 128 знаков, введено 129: в сохраненном отчете документ «Счет» "
         "покажет обрезанное название, если у счета нет сокращенного."},
        {ReportCopy::AgentContractNo, 9,
         "Отчет хранит только 8 знаков, введено 9: в сохраненном отчете документы «Счет», "
         "«Акт» и «Акт Зачета» покажут обрезанное значение."},
        {ReportCopy::ClientContractNo, 12,
         "Отчет хранит только 8 знаков, введено 12: в сохраненном отчете документ «Акт Зачета» "
         "покажет обрезанными номера счетов по этому договору."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.copy));
        SCOPED_TRACE(c.length);
        EXPECT_EQ(utf8(reportCutNote(c.copy, std::string(c.length, '7'))), c.note);
    }
}

} // namespace
} // namespace kestrelon
