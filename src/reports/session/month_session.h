#pragma once
// The month being prepared: the agent report's fields, its rows and its state, and what every
// act of the user's does to them. A window shows the session and hands it the user's acts; the
// session never asks or shows anything itself. What it has to say comes back as `Said`, and a
// question it needs answered while it works goes through `SessionQuestions`.

#include "documents/input/document_input.h"
#include "reports/computation/manual_computation.h"
#include "reports/computation/manual_grid.h"
#include "reports/files/report_workspace.h"
#include "reports/register/slk_import.h"
#include "reports/values/report_values.h"
#include "store/calendar_day.h"
#include "store/data_store.h"
#include "store/utf8_text.h"

#include <optional>
#include <vector>

namespace kestrelon {

// The report's typed and computed fields, in the order the window shows them.
enum class ReportField {
    OffsetActNo,
    InvoiceNo,
    ActNo,
    OffsetActDate,
    InvoiceDate,
    ActDate,
    IncomeTotal,
    VatTotal,
    GrossTotal,
    Remuneration,
    ToPrincipal,
};
inline constexpr int kReportFieldCount = 11;

// The grid's first amount column ("Сумма"): a change there or after it is a change of the
// amounts.
inline constexpr int kFirstAmountColumn = 3;

struct Said {
    enum class Kind { Message, Information };
    Kind kind = Kind::Message;
    Utf8Text text;

    friend bool operator==(const Said&, const Said&) = default;
};
using Sayings = std::vector<Said>;

// What the session asks while it works.
class SessionQuestions {
public:
    virtual ~SessionQuestions() = default;
    // Before a stored report is written over; the two lines name it. True replaces it.
    virtual bool replaceStoredReport(const Utf8Text& line1, const Utf8Text& line2) = 0;
    // Before a second report is saved for a month that has one. True saves it.
    virtual bool saveSecondReport(const Utf8Text& question) = 0;
    // A typed VAT that disagrees with the rate. True keeps the typed one.
    virtual bool keepTypedVat(const VatQuestion& question) = 0;
};

class MonthSession {
public:
    MonthSession(DataStore& store, ReportWorkspace& reports);

    // ---- what the window shows ----
    const ReportValues& values() const { return values_; }
    const std::string& field(ReportField field) const;
    const GridRows& rows() const { return rows_; }
    // Grows each time the session itself puts other rows on view (not on the user's typing).
    int rowsRevision() const { return rowsRevision_; }
    ReportMode mode() const { return values_.mode; }
    // A stored report (opened or just saved) is on view: nothing can be typed.
    bool viewOnly() const { return viewOnly_; }
    int zoneDigit() const { return zoneDigit_; }
    bool storedReportOpen() const { return reports_.StoredReportOpen; }
    // A computed report that "Save" would save; also whether "Save" can be used.
    bool hasUnsavedReport() const;
    bool mayImport() const { return values_.mode == ReportMode::Slk && !viewOnly_; }
    bool mayStartNew() const { return viewOnly_; }
    // The grid takes typed amounts.
    bool rowsEditable() const { return values_.mode == ReportMode::Manual && !viewOnly_; }

    // ---- opening, "New", a stored report, saving, closing ----
    // The window opens: the stored reports are listed, a new report is proposed for the month
    // before `today`, in the register's mode.
    Sayings start(const CalendarDay& today);
    // "New": nothing computed or typed is kept but the imported register.
    Sayings startNew(const CalendarDay& today);
    // The next free numbers (after the list changed elsewhere).
    Sayings proposeNumbers(const NextNumbers& numbers);
    // The report of the workspace's record is put on view, read-only.
    void openStored();
    // "Save": the report file, asked about when it would replace or double a stored one.
    // `written` tells whether a file was written (the list has changed).
    Sayings save(SessionQuestions& questions, bool& written);
    // What to ask before the window closes and the report on view is lost; nothing when
    // nothing would be lost.
    std::optional<Utf8Text> closeQuestion() const;
    // The user lets the report go unsaved: not asked again until it is computed again.
    void letUnsavedGo() { unsavedDeclined_ = true; }
    // The window comes back into view: the manual grid follows the active contracts.
    void activated();

    // ---- the user's acts on the report ----
    void typeField(ReportField field, const std::string& text);
    // A changed remuneration: the amount due and the computation no longer hold.
    void typeRemuneration(const std::string& text);
    // The remuneration of the stored report last opened (manual mode).
    void restoreRemuneration();
    void copyFirstNumber(); // the act of offset's number into the invoice's and the act's
    void copyFirstDate();
    void setChiefSigns(bool signs) { values_.chiefSigns = signs; }
    // The period as a list shows it while the user moves through it, before a choice.
    void showPeriod(const Period& period) { values_.period = period; }
    // Another period: in manual mode what was computed is not this month's and is computed
    // again; a register's rows are computed again for the year.
    Sayings chooseMonth(int month, SessionQuestions& questions);
    Sayings chooseYear(int year, SessionQuestions& questions);
    void nextZoneDigit() { zoneDigit_ = (zoneDigit_ + 1) % 10; }
    // The user typed a cell of the grid; the grid's rows as they now are.
    void editRows(const GridRows& rows, int column);
    Sayings chooseRegisterMode();
    Sayings chooseManualMode();
    // "Get".
    Sayings get(SessionQuestions& questions);
    // A register was imported into the workspace's register set.
    Sayings registerImported(const SlkImportResult& result);

    // ---- what the documents and exchange files are made from ----
    // What is said while the agent contract names a principal no organization is; empty when
    // it is found or a stored report is on view.
    Utf8Text missingPrincipal() const;
    DocumentInput documentInput() const;
    // Why a file the user chose may not be written there (a report file or a table of the
    // data folder); empty when it may.
    Utf8Text protectedOutputProblem(const std::string& path) const;

private:
    void setMode(ReportMode mode);
    void showRows(GridRows rows);
    void proposeNew(const CalendarDay& today, Sayings& said);
    void clearComputedFields();
    void dropComputation();
    void copyFirst(ReportField first);
    // "Get" and its two kinds; each returns what the computation gave (nothing computed gives
    // an empty result) and adds what is to be said.
    ComputationResult runGet(SessionQuestions& questions, Sayings& said);
    ComputationResult fillFromRegister(Sayings& said);
    ComputationResult manualGet(SessionQuestions& questions, Sayings& said);
    void showComputation(const ComputationResult& result, Sayings& said);
    void rebuildManualRows(bool keepTypedAmounts);
    void keepManualRowsCurrent();
    std::string& fieldText(ReportField field);

    DataStore& store_;
    ReportWorkspace& reports_;
    ReportValues values_;
    GridRows rows_;
    int rowsRevision_ = 0;
    bool viewOnly_ = false;
    // The user let the computed report on view go unsaved; asked again after the next "Get".
    bool unsavedDeclined_ = false;
    int zoneDigit_ = 2;
    std::string rememberedRemuneration_;
    ManualGridTracker manualTracker_;
    GridRows manualRows_; // the manual rows while the register's rows are on view
};

} // namespace kestrelon
