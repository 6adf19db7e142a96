#include "report_save.h"

#include "fill_report.h"
#include "report_files.h"
#include "report_scan.h"
#include "reports/values/period.h"
#include "store/cp1251.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace kestrelon {
namespace {

using Outcome = ReportSaveResult::Outcome;

ReportSaveResult refused(Outcome outcome, std::string message) {
    ReportSaveResult result;
    result.outcome = outcome;
    result.message = std::move(message);
    return result;
}

ReportSaveResult fillAndSave(const ReportValues& values, const RowSet& rows, const DataStore& store,
                             ReportRecord& record, ReportList& list, Outcome outcome) {
    ReportSaveResult result;
    result.outcome = outcome;
    result.firstReport = list.empty();
    result.fileName = FillReport(values, rows, store, record);
    SaveReport(record, store.DataFolder, result.fileName);
    list = FindFilesReport(store.DataFolder);
    return result;
}

std::string periodWords(const ReportListEntry& e) {
    return e.OffsetActNo.str() + " за "_cp + e.MonthName + " " + e.YearText + " г."_cp;
}

// The stored reports of the period, in list order.
std::vector<const ReportListEntry*> reportsOfPeriod(const ReportList& list, const Period& period) {
    std::vector<const ReportListEntry*> found;
    for (const ReportListEntry& e : list.entries) {
        if (e.PeriodMonth == period.month && e.PeriodYear == period.year) {
            found.push_back(&e);
        }
    }
    return found;
}

std::string secondReportQuestion(const std::vector<const ReportListEntry*>& stored,
                                 const Period& period) {
    std::string question =
        "За "_cp + monthName(period.month) + " " + yearText(period.year) + " г. уже есть отчет:"_cp;
    for (const ReportListEntry* e : stored) {
        question +=
            "\n" + "акт зачета № "_cp + e->OffsetActNo.str() + ", файл «"_cp + e->FileName + "»"_cp;
    }
    return question + "\n" + "Сохранить еще один отчет за этот месяц?"_cp;
}

} // namespace

ReportSaveResult SaveReportWithChecks(const ReportValues& values, const RowSet& rows,
                                      const DataStore& store, ReportRecord& record,
                                      ReportList& list, const AskReplace& askReplace,
                                      const AskSecondReport& askSecond) {
    // Rows past what a report file holds would be lost without a word.
    if (rows.count() > ReportRecord::kMaxRows) {
        return refused(Outcome::TooManyRows, "Строк в отчете: "_cp + std::to_string(rows.count()) +
                                                 ". В файл отчета помещается не более "_cp +
                                                 std::to_string(ReportRecord::kMaxRows) +
                                                 " строки. Отчет не сохранен."_cp);
    }
    // The same act number and period under the same contract asks before replacing. So does a
    // report file of the same name that the search does not find (a contract number longer
    // than the stored 8 characters, or two numbers that name the same file).
    std::string words;
    const auto duplicate = findDuplicate(list, values.OffsetActNo, values.period.month,
                                         values.period.year, store.Agent.ContractNo.view());
    if (duplicate) {
        words = periodWords(list.entries[*duplicate]);
    } else if (std::error_code ec; std::filesystem::exists(
                   reportPath(store.DataFolder, reportFileName(values, store.Agent)), ec)) {
        words = values.OffsetActNo + " за "_cp + monthName(values.period.month) + " " +
                yearText(values.period.year) + " г."_cp;
    }
    if (!words.empty()) {
        const bool replace = askReplace("Акт зачета № "_cp + words + " уже есть."_cp,
                                        "Сохранить изменения в акте зачета № "_cp + words);
        if (!replace) {
            return refused(Outcome::NotReplaced, {});
        }
        return fillAndSave(values, rows, store, record, list, Outcome::Replaced);
    }
    if (list.empty()) {
        return fillAndSave(values, rows, store, record, list, Outcome::Saved);
    }
    if (list.full()) {
        return refused(Outcome::LimitReached,
                       "Может быть сохранено только 64 отчета в этой версии программы."_cp);
    }
    // A month is reported once; a second report is most often the same register loaded again.
    if (const auto stored = reportsOfPeriod(list, values.period); !stored.empty()) {
        if (!askSecond || !askSecond(secondReportQuestion(stored, values.period))) {
            return refused(Outcome::NotSecond, {});
        }
    }
    return fillAndSave(values, rows, store, record, list, Outcome::Saved);
}

} // namespace kestrelon
