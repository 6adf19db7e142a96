#include "report_damage.h"
#include "sample_report.h"

#include <functional>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

struct Damage {
    const char* field; // the name the report must give
    std::function<void(ReportRecord&)> apply;
};

TEST(ReportDamage, ASavedReportHasNone) {
    EXPECT_TRUE(damagedFields(*test::sampleReport(801)).empty());
}

TEST(ReportDamage, NamesEachFieldBeyondItsLimits) {
    const Damage cases[] = {
        {"RowCount", [](ReportRecord& r) { r.RowCount = 802; }},
        {"PeriodMonth", [](ReportRecord& r) { r.PeriodMonth = 12; }},
        {"PeriodYear", [](ReportRecord& r) { r.PeriodYear = 90; }},
        {"OffsetActNo", [](ReportRecord& r) { r.OffsetActNo.length = 11; }},
        {"PrincipalChiefAccountantGenitive",
         [](ReportRecord& r) { r.PrincipalChiefAccountantGenitive.length = 255; }},
        {"AgentFirm.Name", [](ReportRecord& r) { r.AgentFirm.Name.length = 129; }},
        {"PrincipalFirm.BankFullName",
         [](ReportRecord& r) { r.PrincipalFirm.BankFullName.length = 200; }},
        {"Rows[2].Gross", [](ReportRecord& r) { r.Rows[2].Gross.length = 11; }},
    };
    for (const Damage& damage : cases) {
        auto record = test::sampleReport(3);
        damage.apply(*record);
        const auto lines = damagedFields(*record);
        ASSERT_EQ(lines.size(), 1u) << damage.field;
        EXPECT_EQ(lines[0].rfind(std::string(damage.field) + ":", 0), 0u) << lines[0];
    }
}

TEST(ReportDamage, LimitsThemselvesAreSound) {
    auto record = test::sampleReport(801);
    record->PeriodMonth = 11;
    record->PeriodYear = 89;
    record->AgentFirm.Name.length = 128;
    EXPECT_TRUE(damagedFields(*record).empty());
}

TEST(ReportDamage, RowsPastTheCountAreNotRead) {
    auto record = test::sampleReport(3);
    record->Rows[3].InvoiceNo.length = 200;
    EXPECT_TRUE(damagedFields(*record).empty());
}

} // namespace
} // namespace kestrelon
