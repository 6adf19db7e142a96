#include "month_session.h"

#include "catalogues/contract_parties.h"
#include "reports/computation/report_messages.h"
#include "reports/files/fill_report.h"
#include "reports/files/number_fields.h"
#include "reports/files/report_save.h"
#include "reports/files/report_scan.h"
#include "store/date_text.h"
#include "store/io_error.h"
#include "store/protected_files.h"

namespace kestrelon {
namespace {

Said message(Utf8Text text) {
    return {Said::Kind::Message, std::move(text)};
}

} // namespace

MonthSession::MonthSession(DataStore& store, ReportWorkspace& reports)
    : store_(store), reports_(reports) {}

std::string& MonthSession::fieldText(ReportField field) {
    switch (field) {
    case ReportField::OffsetActNo:
        return values_.OffsetActNo;
    case ReportField::InvoiceNo:
        return values_.InvoiceNo;
    case ReportField::ActNo:
        return values_.ActNo;
    case ReportField::OffsetActDate:
        return values_.OffsetActDate;
    case ReportField::InvoiceDate:
        return values_.InvoiceDate;
    case ReportField::ActDate:
        return values_.ActDate;
    case ReportField::IncomeTotal:
        return values_.IncomeTotal;
    case ReportField::VatTotal:
        return values_.VatTotal;
    case ReportField::GrossTotal:
        return values_.GrossTotal;
    case ReportField::Remuneration:
        return values_.Remuneration;
    case ReportField::ToPrincipal:
        break;
    }
    return values_.ToPrincipal;
}

const std::string& MonthSession::field(ReportField field) const {
    return const_cast<MonthSession*>(this)->fieldText(field);
}

bool MonthSession::hasUnsavedReport() const {
    const ReportSets& sets = reports_.sets;
    return !viewOnly_ && !sets.current(values_.mode).empty() && sets.ready(values_.mode);
}

void MonthSession::showRows(GridRows rows) {
    rows_ = std::move(rows);
    ++rowsRevision_;
}

Sayings MonthSession::start(const CalendarDay& today) {
    Sayings said;
    try {
        reports_.list = FindFilesReport(store_.DataFolder);
    } catch (const IoError& error) {
        said.push_back(message(Utf8Text::fromUtf8(error.message())));
    }
    proposeNew(today, said);
    setMode(ReportMode::Slk);
    viewOnly_ = false;
    return said;
}

Sayings MonthSession::startNew(const CalendarDay& today) {
    reports_.sets.startNewReport();
    // The amounts typed for the abandoned report are not the new one's.
    manualRows_.clear();
    reports_.StoredReportOpen = false;
    viewOnly_ = false;
    clearComputedFields();
    values_.Remuneration.clear();
    Sayings said;
    proposeNew(today, said);
    if (values_.mode == ReportMode::Slk) {
        showRows({});
    } else {
        rebuildManualRows(false);
    }
    return said;
}

void MonthSession::proposeNew(const CalendarDay& today, Sayings& said) {
    const Sayings numbers = proposeNumbers(nextNumbers(reports_.list));
    said.insert(said.end(), numbers.begin(), numbers.end());
    values_.period = previousMonth(today.month, today.year);
    const std::string date = shortDateText(today.day, today.month, today.year);
    values_.OffsetActDate = values_.InvoiceDate = values_.ActDate = date;
}

Sayings MonthSession::proposeNumbers(const NextNumbers& numbers) {
    const ProposedNumbers proposed = proposedNumbers(numbers);
    values_.OffsetActNo = proposed.numbers.OffsetActNo;
    values_.InvoiceNo = proposed.numbers.InvoiceNo;
    values_.ActNo = proposed.numbers.ActNo;
    if (proposed.message.empty()) {
        return {};
    }
    return {message(Utf8Text::fromCp1251(proposed.message))};
}

void MonthSession::openStored() {
    const OpenedReport opened = FillFromReport(*reports_.record);
    // The report is shown in the mode the window is in, with the box as it stands.
    const ReportMode mode = values_.mode;
    const bool chiefSigns = values_.chiefSigns;
    values_ = opened.values;
    values_.mode = mode;
    values_.chiefSigns = chiefSigns;
    showRows(opened.grid);
    rememberedRemuneration_ = opened.rememberedRemuneration;
    reports_.StoredReportOpen = true;
    viewOnly_ = true;
}

Sayings MonthSession::save(SessionQuestions& questions, bool& written) {
    written = false;
    ReportSets& sets = reports_.sets;
    const RowSet& rows = sets.current(values_.mode);
    if (viewOnly_ || rows.empty() || !sets.ready(values_.mode)) {
        return {};
    }
    if (Utf8Text problem = missingPrincipal(); !problem.empty()) {
        return {message(std::move(problem))};
    }
    const AskReplace askReplace = [&questions](const std::string& line1, const std::string& line2) {
        return questions.replaceStoredReport(Utf8Text::fromCp1251(line1),
                                             Utf8Text::fromCp1251(line2));
    };
    const AskSecondReport askSecond = [&questions](const std::string& question) {
        return questions.saveSecondReport(Utf8Text::fromCp1251(question));
    };
    ReportSaveResult result;
    try {
        result = SaveReportWithChecks(values_, rows, store_, *reports_.record, reports_.list,
                                      askReplace, askSecond);
    } catch (const IoError& error) {
        return {message(Utf8Text::fromUtf8(fileErrorText(error, store_.DataFolder)))};
    }
    Sayings said;
    if (!result.message.empty()) {
        said.push_back(message(Utf8Text::fromCp1251(result.message)));
    }
    if (!result.written()) {
        return said;
    }
    reports_.currentFileName = result.fileName;
    if (result.firstReport) {
        reports_.StoredReportOpen = true;
    }
    viewOnly_ = true;
    written = true;
    return said;
}

std::optional<Utf8Text> MonthSession::closeQuestion() const {
    if (!hasUnsavedReport() || unsavedDeclined_) {
        return std::nullopt;
    }
    return Utf8Text::fromCp1251(messages::unsavedReportQuestion());
}

void MonthSession::typeField(ReportField field, const std::string& text) {
    if (field == ReportField::Remuneration) {
        typeRemuneration(text);
        return;
    }
    fieldText(field) = text;
}

void MonthSession::typeRemuneration(const std::string& text) {
    // A changed remuneration invalidates the amount due and the computation in either mode.
    values_.Remuneration = text;
    values_.ToPrincipal.clear();
    reports_.sets.SlkReady = false;
    reports_.sets.ManualReady = false;
}

void MonthSession::restoreRemuneration() {
    if (values_.mode != ReportMode::Manual || viewOnly_ ||
        values_.Remuneration == rememberedRemuneration_) {
        return;
    }
    typeRemuneration(rememberedRemuneration_);
}

void MonthSession::copyFirstNumber() {
    copyFirst(ReportField::OffsetActNo);
}

void MonthSession::copyFirstDate() {
    copyFirst(ReportField::OffsetActDate);
}

void MonthSession::copyFirst(ReportField first) {
    if (viewOnly_) {
        return;
    }
    const auto at = [first](int offset) {
        return static_cast<ReportField>(static_cast<int>(first) + offset);
    };
    fieldText(at(1)) = fieldText(first);
    fieldText(at(2)) = fieldText(first);
}

Utf8Text MonthSession::missingPrincipal() const {
    // A stored report prints the principal it stored.
    if (reports_.StoredReportOpen) {
        return {};
    }
    return Utf8Text::fromCp1251(missingPrincipalProblem(store_));
}

DocumentInput MonthSession::documentInput() const {
    // Rows of a set not computed since "New" belong to an earlier report: they are not shown.
    return kestrelon::documentInput(documentSource(reports_.StoredReportOpen), *reports_.record,
                                    values_, store_, reports_.sets.documentRows(values_.mode));
}

Utf8Text MonthSession::protectedOutputProblem(const std::string& path) const {
    const auto kind = protectedFileKind(path, store_.DataFolder);
    if (!kind) {
        return {};
    }
    return Utf8Text::fromUtf8(
        *kind == ProtectedFile::DataTable
            ? "Файл «" + path +
                  "» — таблица данных программы: на его место ничего не записывается. Выберите "
                  "другое имя или другую папку."
            : "Файл «" + path +
                  "» — файл отчета (*.rep): программа читает такие файлы как отчеты, на его место "
                  "ничего не записывается. Выберите другое имя.");
}

} // namespace kestrelon
