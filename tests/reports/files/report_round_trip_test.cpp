#include "report_files_fixture.h"
#include "reports/files/report_files.h"
#include "reports/files/report_save.h"
#include "reports/files/report_scan.h"
#include "store/io_error.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

// Fills the bytes after a text's length, which no reader may look at.
template <std::size_t N> void scribble(ShortStr<N>& s) {
    std::fill(s.text.begin() + static_cast<std::ptrdiff_t>(s.size()), s.text.end(), '#');
}

void scribble(FirmBlock& f) {
    scribble(f.Name), scribble(f.LegalAddress), scribble(f.Inn), scribble(f.Kpp);
    scribble(f.Phone), scribble(f.SettlementAccount), scribble(f.CorrAccount);
    scribble(f.Bik), scribble(f.BankShortName), scribble(f.BankFullName);
}

void scribbleInsignificantBytes(ReportRecord& r) {
    r.Reserved0 = 0xEE;
    r.Reserved353.fill(0xEE);
    r.Align54171 = r.Align55175 = 0xEE;
    for (auto* s :
         {&r.OffsetActNo, &r.ActNo, &r.InvoiceNo, &r.OffsetActDate, &r.ActDate, &r.InvoiceDate,
          &r.IncomeTotal, &r.VatTotal, &r.GrossTotal, &r.Remuneration, &r.ToPrincipal}) {
        scribble(*s);
    }
    scribble(r.AgentContractNo);
    for (auto* s : {&r.AgentDirector, &r.AgentChiefAccountant, &r.AgentAccountant,
                    &r.AgentChiefAccountantGenitive, &r.PrincipalChiefAccountant,
                    &r.PrincipalChiefAccountantGenitive}) {
        scribble(*s);
    }
    for (std::size_t i = 0; i < ReportRecord::kMaxRows; ++i) {
        ReportRow& row = r.Rows[i];
        if (i >= r.usedRows()) {
            row.ClientContractNo = "unused";
            row.Amount = "999.99";
        }
        scribble(row.ClientContractNo), scribble(row.InvoiceNo), scribble(row.InvoiceDate);
        scribble(row.Amount), scribble(row.Vat), scribble(row.Gross);
    }
    scribble(r.PrincipalFirm);
    scribble(r.AgentFirm);
}

void expectValues(const ReportValues& got, const ReportValues& want) {
    EXPECT_EQ(got.OffsetActNo, want.OffsetActNo);
    EXPECT_EQ(got.InvoiceNo, want.InvoiceNo);
    EXPECT_EQ(got.ActNo, want.ActNo);
    EXPECT_EQ(got.OffsetActDate, want.OffsetActDate);
    EXPECT_EQ(got.InvoiceDate, want.InvoiceDate);
    EXPECT_EQ(got.ActDate, want.ActDate);
    EXPECT_EQ(got.IncomeTotal, want.IncomeTotal);
    EXPECT_EQ(got.VatTotal, want.VatTotal);
    EXPECT_EQ(got.GrossTotal, want.GrossTotal);
    EXPECT_EQ(got.Remuneration, want.Remuneration);
    EXPECT_EQ(got.ToPrincipal, want.ToPrincipal);
    EXPECT_EQ(got.period, want.period);
}

void expectGrid(const GridRows& grid, const RowSet& rows) {
    ASSERT_EQ(grid.size(), rows.count());
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const InvoiceRow& r = rows.rows[i];
        EXPECT_EQ(grid[i],
                  (GridRow{r.ClientContractNo.str(), r.InvoiceNo.str(), r.InvoiceDate.str(),
                           r.AmountText.str(), r.VatText.str(), r.GrossText.str()}));
    }
}

TEST(ReportRoundTrip, SavedReportIsListedAndOpensWithEveryField) {
    TempFolder folder;
    const auto store = storeWithOrganizations(folder);
    const ReportValues values = valuesFor("7", Period{8, 15});
    const RowSet rows = rowsOf(3);
    auto record = std::make_unique<ReportRecord>();
    ReportList list;
    const ReportSaveResult saved = SaveReportWithChecks(
        values, rows, *store, *record, list,
        [](const std::string&, const std::string&) { return false; },
        [](const std::string&) { return false; });
    ASSERT_EQ(saved.fileName, "7_0925_12345678.rep");

    const auto expectReadersGiveItBack = [&] {
        const ReportList scanned = FindFilesReport(folder.path());
        ASSERT_EQ(scanned.count(), 1u);
        const ReportListEntry& e = scanned.entries[0];
        EXPECT_EQ(e.AgentContractNo.str(), "12345678");
        EXPECT_EQ(e.OffsetActNo.str() + "/" + e.ActNo.str() + "/" + e.InvoiceNo.str(), "7/9/8");
        EXPECT_EQ(e.GrossTotal.str() + " " + e.Remuneration.str() + " " + e.ToPrincipal.str(),
                  "1180.00 100 1080.00");
        EXPECT_EQ(e.MonthName + " " + e.YearText, "Сентябрь 2025"_cp);
        EXPECT_EQ(e.FileName, saved.fileName);

        auto opened = std::make_unique<ReportRecord>();
        std::string current;
        ASSERT_TRUE(OpenReport(folder.path(), e.FileName, *opened, current));
        EXPECT_EQ(current, saved.fileName);
        const OpenedReport shown = FillFromReport(*opened);
        expectValues(shown.values, values);
        expectGrid(shown.grid, rows);
        EXPECT_EQ(opened->AgentDirector.str(), "Иванов И.И."_cp);
        EXPECT_EQ(opened->AgentAccountant.str(), "Сидорова С.С."_cp);
        EXPECT_EQ(opened->ChiefSigns, 1);
        EXPECT_EQ(opened->PrincipalFirm.Name.str(), "ООО \"Тарвел\""_cp);
        EXPECT_EQ(opened->AgentFirm.Name.str(), "ООО \"Агент\""_cp);
        EXPECT_EQ(opened->AgentFirm.Bik.str(), "044525225");
    };
    {
        SCOPED_TRACE("as saved");
        expectReadersGiveItBack();
    }
    // Every reader must give the same whatever the insignificant bytes hold.
    const std::string before = folder.readFile(saved.fileName);
    std::string current;
    ASSERT_TRUE(OpenReport(folder.path(), saved.fileName, *record, current));
    scribbleInsignificantBytes(*record);
    SaveReport(*record, folder.path(), saved.fileName);
    ASSERT_NE(folder.readFile(saved.fileName), before);
    SCOPED_TRACE("scribbled");
    expectReadersGiveItBack();
}

// A file removed or cut short after the list was made leaves the open report alone, so that
// its documents never mix two reports.
TEST(OpenReport, AFileGoneOrCutShortChangesNeitherTheRecordNorTheCurrentName) {
    TempFolder folder;
    const std::string whole = writeReport(folder, {"3", "4", "5"});
    const std::string shortName = writeReport(folder, {"9", "9", "9"});
    folder.writeFile(cp1251ToUtf8(shortName), folder.readFile(shortName).substr(0, 1000));
    auto record = makeRecord({"5", "", ""});
    std::string current = "old.rep";

    EXPECT_FALSE(OpenReport(folder.path(), "gone.rep", *record, current));
    EXPECT_EQ(current, "old.rep");
    EXPECT_EQ(record->OffsetActNo.str(), "5");

    try {
        OpenReport(folder.path(), shortName, *record, current);
        ADD_FAILURE() << "a short file must not open";
    } catch (const IoError& error) {
        EXPECT_EQ(error.message(), "Read beyond end of file");
    }
    EXPECT_EQ(current, "old.rep");
    EXPECT_TRUE(bytesOfRecord(*record) == bytesOfRecord(*makeRecord({"5", "", ""})))
        << "the record took bytes of the short file";

    ASSERT_TRUE(OpenReport(folder.path(), whole, *record, current));
    EXPECT_EQ(current, whole);
    EXPECT_EQ(record->OffsetActNo.str() + "/" + record->ActNo.str(), "3/4");
}

} // namespace
} // namespace kestrelon::test
