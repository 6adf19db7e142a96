#include "folder_reports.h"

#include "reports/files/report_folder.h"
#include "reports/files/report_record.h"
#include "reports/values/money.h"
#include "store/cp1251.h"
#include "store/image_file.h"
#include "store/io_error.h"

#include <algorithm>
#include <memory>

namespace kestrelon {
namespace {

struct AmountField {
    const char* caption;
    const ShortStr<10> ReportRecord::*text;
    std::uint32_t StoredReport::*kopecks;
};

constexpr AmountField kAmounts[] = {
    {"С НДС", &ReportRecord::GrossTotal, &StoredReport::gross},
    {"НДС", &ReportRecord::VatTotal, &StoredReport::vat},
    {"Вознаграждение", &ReportRecord::Remuneration, &StoredReport::remuneration},
    {"Принципалу", &ReportRecord::ToPrincipal, &StoredReport::toPrincipal},
};

// The report of a record read whole, or why it cannot be counted.
std::optional<std::string> fill(const ReportRecord& record, StoredReport& report) {
    for (const AmountField& field : kAmounts) {
        const std::string text((record.*field.text).view());
        const KopecksOrError amount = parseAmount(text);
        if (!amount.ok()) {
            return "в поле «" + std::string(field.caption) + "» не сумма: «" + cp1251ToUtf8(text) +
                   "»";
        }
        report.*field.kopecks = amount.kopecks;
    }
    report.offsetActNo = std::string(record.OffsetActNo.view());
    report.agentName = std::string(record.AgentFirm.Name.view());
    return std::nullopt;
}

} // namespace

FolderReports readFolderReports(const std::string& folder) {
    std::vector<FolderFile> files = listReportFiles(folder);
    std::sort(files.begin(), files.end(),
              [](const FolderFile& a, const FolderFile& b) { return a.name < b.name; });
    FolderReports found;
    auto record = std::make_unique<ReportRecord>();
    for (const FolderFile& file : files) {
        UnreadReport unread{file.name, {}, std::nullopt};
        if (file.size != sizeof(ReportRecord)) {
            unread.reason = "файл " + std::to_string(file.size) + " байт, а отчет — " +
                            std::to_string(sizeof(ReportRecord)) + " байт";
            found.unread.push_back(std::move(unread));
            continue;
        }
        // The report list could neither open nor delete it: it is not counted either.
        if (cp1251ToUtf8(utf8ToCp1251(file.name)) != file.name) {
            unread.reason = "в имени файла есть буквы, которых нет в кодировке программы";
            found.unread.push_back(std::move(unread));
            continue;
        }
        try {
            if (!loadImage(folder, file.name, *record)) {
                continue; // gone since the listing
            }
        } catch (const IoError& error) {
            unread.reason = error.message();
            found.unread.push_back(std::move(unread));
            continue;
        }
        if (record->PeriodMonth > 11 || record->PeriodYear >= Period::kYearCount) {
            unread.reason = "отчетный период не читается (месяц " +
                            std::to_string(record->PeriodMonth) + ", год " +
                            std::to_string(record->PeriodYear) + ")";
            found.unread.push_back(std::move(unread));
            continue;
        }
        StoredReport report;
        report.fileName = file.name;
        report.period = {record->PeriodMonth, record->PeriodYear};
        if (const auto problem = fill(*record, report)) {
            unread.reason = *problem;
            unread.year = Period::kFirstYear + record->PeriodYear;
            found.unread.push_back(std::move(unread));
            continue;
        }
        found.reports.push_back(std::move(report));
    }
    return found;
}

} // namespace kestrelon
