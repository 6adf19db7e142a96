#pragma once
// A data folder of report files for the summary's tests: each report of a period with its four
// totals, written under its own file name as the program names it.

#include "reports/files/fill_report.h"
#include "reports/files/report_record.h"
#include "store/cp1251.h"
#include "support/temp_folder.h"

#include <memory>
#include <string>

namespace kestrelon::test {

// Writes a report into `folder`: `month` 0..11 and a calendar year; amounts as the report
// stores them.
inline void writeSummaryReport(const TempFolder& folder, const std::string& offsetActNo, int month,
                               int year, const std::string& gross, const std::string& vat,
                               const std::string& remuneration, const std::string& toPrincipal) {
    auto r = std::make_unique<ReportRecord>();
    r->OffsetActNo = offsetActNo;
    r->PeriodMonth = static_cast<std::uint8_t>(month);
    r->PeriodYear = static_cast<std::uint8_t>(year - 2010);
    r->AgentContractNo = "12345678";
    r->GrossTotal = gross;
    r->VatTotal = vat;
    r->Remuneration = remuneration;
    r->ToPrincipal = toPrincipal;
    r->AgentFirm.Name = "ООО \"Сапсан-Телеком\""_cp;
    folder.writeFile(cp1251ToUtf8(reportFileName(*r)),
                     std::string(reinterpret_cast<const char*>(r.get()), sizeof *r));
}

class SummaryFolder : public TempFolder {
public:
    void report(const std::string& offsetActNo, int month, int year, const std::string& gross,
                const std::string& vat, const std::string& remuneration,
                const std::string& toPrincipal) const {
        writeSummaryReport(*this, offsetActNo, month, year, gross, vat, remuneration, toPrincipal);
    }
    // A report file whose period fields hold these bytes.
    void rawReport(const std::string& name, std::uint8_t month, std::uint8_t year) const {
        auto r = std::make_unique<ReportRecord>();
        r->PeriodMonth = month;
        r->PeriodYear = year;
        writeFile(name, bytes(*r));
    }

private:
    static std::string bytes(const ReportRecord& r) {
        return std::string(reinterpret_cast<const char*>(&r), sizeof r);
    }
};

} // namespace kestrelon::test
