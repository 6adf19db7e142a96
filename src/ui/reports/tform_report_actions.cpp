// The report window's actions: modes and states, the computation, saving, the report list
// and the import.

#include "report_grid.h"
#include "reports/fill_report.h"
#include "reports/manual_computation.h"
#include "reports/number_fields.h"
#include "reports/report_save.h"
#include "reports/report_scan.h"
#include "reports/slk_computation.h"
#include "reports/vat_rate.h"
#include "store/date_text.h"
#include "tform_change_rep.h"
#include "tform_err_nds.h"
#include "tform_report.h"
#include "tform_report_list.h"
#include "tform_slk.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

namespace kestrelon {
namespace {

// The text of view-only fields, lists and rows.
const QColor kViewOnlyText(0, 0, 0x99);

} // namespace

ReportValues TFormReport::values() const {
    ReportValues v;
    v.OffsetActNo = toCp1251(edits_[1]->text());
    v.InvoiceNo = toCp1251(edits_[2]->text());
    v.ActNo = toCp1251(edits_[3]->text());
    v.OffsetActDate = toCp1251(edits_[4]->text());
    v.InvoiceDate = toCp1251(edits_[5]->text());
    v.ActDate = toCp1251(edits_[6]->text());
    v.IncomeTotal = toCp1251(edits_[7]->text());
    v.VatTotal = toCp1251(edits_[8]->text());
    v.GrossTotal = toCp1251(edits_[9]->text());
    v.Remuneration = toCp1251(edits_[10]->text());
    v.ToPrincipal = toCp1251(edits_[11]->text());
    v.period = {static_cast<std::uint8_t>(std::max(comboBox1_->currentIndex(), 0)),
                static_cast<std::uint8_t>(std::max(comboBox2_->currentIndex(), 0))};
    v.chiefSigns = checkBox1_->isChecked();
    v.mode = mode_;
    return v;
}

void TFormReport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !pendingMessage_.isEmpty()) {
        const QString message = pendingMessage_;
        pendingMessage_.clear();
        context_.messages.showMessage(message);
    }
}

void TFormReport::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void TFormReport::FormActivate() {
    // Coming back from any window may find other client contracts active; typed amounts of
    // the contracts that are still there are kept. A stored report on view is left alone.
    grid_->commitOpenEditor();
    if (mode_ == ReportMode::Manual && !viewOnly_) {
        ensureManualGridCurrent();
    }
}

// ---- states ----

void TFormReport::setEditState() {
    viewOnly_ = false;
    for (std::size_t n = 1; n <= 11; ++n) {
        edits_[n]->setReadOnly(n >= 7 && n != 10);
    }
    speedButton4_->setEnabled(true);
    speedButton8_->setEnabled(true);
    speedButton9_->setEnabled(true);
    speedButton5_->setEnabled(mode_ == ReportMode::Slk);
    periodGroup_->setEnabled(true);
    comboBox1_->setEnabled(mode_ == ReportMode::Manual);
    comboBox2_->setEnabled(mode_ == ReportMode::Manual);
    grid_->setEditable(mode_ == ReportMode::Manual);
    applyTextColour(Qt::black);
    updateSaveButton();
}

void TFormReport::setViewOnlyState() {
    viewOnly_ = true;
    for (std::size_t n = 1; n <= 11; ++n) {
        edits_[n]->setReadOnly(true);
    }
    speedButton2_->setEnabled(false);
    speedButton4_->setEnabled(false);
    speedButton5_->setEnabled(false);
    speedButton3_->setEnabled(true);
    speedButton8_->setEnabled(false);
    speedButton9_->setEnabled(false);
    periodGroup_->setEnabled(false);
    grid_->setEditable(false);
    applyTextColour(kViewOnlyText);
}

void TFormReport::applyTextColour(QColor colour) {
    for (std::size_t n = 1; n <= 11; ++n) {
        QPalette palette = edits_[n]->palette();
        palette.setColor(QPalette::Text, colour);
        edits_[n]->setPalette(palette);
    }
    for (QComboBox* list : {comboBox1_, comboBox2_}) {
        QPalette palette = list->palette();
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Text, colour);
            palette.setColor(group, QPalette::ButtonText, colour);
        }
        list->setPalette(palette);
    }
    grid_->setDataTextColour(colour);
}

void TFormReport::updateSaveButton() {
    const ReportSets& sets = context_.reports.sets;
    speedButton2_->setEnabled(!viewOnly_ && !sets.current(mode_).empty() && sets.ready(mode_));
}

void TFormReport::setMode(ReportMode mode) {
    if (mode_ == ReportMode::Manual && mode == ReportMode::Slk) {
        manualRows_ = grid_->gridRows();
    }
    if (mode == ReportMode::Manual) {
        rebuildManualGrid(true);
    }
    mode_ = mode;
    showModeChecked();
    const bool manual = mode == ReportMode::Manual;
    grid_->setEditable(manual && !viewOnly_);
    speedButton5_->setEnabled(!manual && !viewOnly_);
    comboBox1_->setEnabled(manual);
    comboBox2_->setEnabled(manual);
    panel1_->setVisible(manual);
    pageControl_->setCurrentIndex(ReportTab);
}

void TFormReport::showModeChecked() {
    // The group unchecks the other button; neither change is a new choice of the user's.
    const QSignalBlocker slk(speedButton8_);
    const QSignalBlocker manual(speedButton9_);
    (mode_ == ReportMode::Slk ? speedButton8_ : speedButton9_)->setChecked(true);
}

void TFormReport::modeButtonToggled(ReportMode mode, bool checked) {
    if (!checked) {
        return;
    }
    if (viewOnly_) {
        // A stored report keeps the mode it is shown in.
        showModeChecked();
        return;
    }
    if (mode == ReportMode::Slk) {
        SpeedButton8Click();
    } else {
        SpeedButton9Click();
    }
}

void TFormReport::showZoneDigit() {
    // A screen reader says the digit as well, as the panel shows it.
    panel1_->setText(QString::number(zoneDigit_));
    panel1_->setAccessibleName(QStringLiteral("Зона %1").arg(zoneDigit_));
}

// ---- the fields of a new report ----

void TFormReport::proposeNewReport() {
    showNextNumbers(nextNumbers(context_.reports.list));
    const QDate today = context_.today();
    setPeriod(previousMonth(today.month(), today.year()));
    const QString date =
        QString::fromStdString(shortDateText(today.day(), today.month(), today.year()));
    for (std::size_t n = 4; n <= 6; ++n) {
        edits_[n]->setText(date);
    }
}

void TFormReport::showNextNumbers(const NextNumbers& numbers) {
    ensureBuilt();
    const ProposedNumbers proposed = proposedNumbers(numbers);
    edits_[1]->setText(fromCp1251(proposed.numbers.OffsetActNo));
    edits_[2]->setText(fromCp1251(proposed.numbers.InvoiceNo));
    edits_[3]->setText(fromCp1251(proposed.numbers.ActNo));
    if (proposed.message.empty()) {
        return;
    }
    if (isVisible()) {
        context_.messages.showMessage(fromCp1251(proposed.message));
    } else {
        pendingMessage_ = fromCp1251(proposed.message);
    }
}

void TFormReport::setPeriod(const Period& period) {
    // Setting the period is not the user's choice: it must not start a computation.
    const QSignalBlocker monthBlocker(comboBox1_);
    const QSignalBlocker yearBlocker(comboBox2_);
    comboBox1_->setCurrentIndex(period.month);
    comboBox2_->setCurrentIndex(period.year);
    showVatRate();
}

void TFormReport::clearComputedFields() {
    for (const std::size_t n : {7, 8, 9, 11}) {
        edits_[n]->clear();
    }
}

void TFormReport::clearAmountFields() {
    clearComputedFields();
    setRemunerationText(QString());
}

void TFormReport::setRemunerationText(const QString& text) {
    const QSignalBlocker blocker(edits_[10]);
    edits_[10]->setText(text);
}

// ---- the manual grid ----

void TFormReport::rebuildManualGrid(bool keepTypedAmounts) {
    if (context_.store.ClientCount == 0) {
        // No contracts at all: a manual grid already shown stays as it is.
        if (mode_ != ReportMode::Manual) {
            grid_->showGridRows(manualRows_);
        }
        return;
    }
    const std::vector<std::string> contracts = activeContractNos(context_.store);
    GridRows previous;
    if (keepTypedAmounts) {
        previous = mode_ == ReportMode::Manual ? grid_->gridRows() : manualRows_;
    }
    grid_->showGridRows(manualGridRows(contracts, values().period, zoneDigit_, previous));
    manualTracker_.rebuilt(contracts);
}

void TFormReport::ensureManualGridCurrent() {
    if (context_.store.ClientCount == 0) {
        return;
    }
    if (manualTracker_.needsRebuild(activeContractNos(context_.store))) {
        rebuildManualGrid(true);
    }
}

// ---- computations ----

void TFormReport::showComputation(const ComputationResult& result) {
    if (result.totalsShown) {
        edits_[7]->setText(fromCp1251(result.incomeTotal));
        edits_[8]->setText(fromCp1251(result.vatTotal));
        edits_[9]->setText(fromCp1251(result.grossTotal));
    }
    if (result.remunerationCleared) {
        setRemunerationText(QString());
    }
    edits_[11]->setText(result.ready ? fromCp1251(result.toPrincipal) : QString());
    updateSaveButton();
    if (!result.message.empty()) {
        context_.messages.showMessage(fromCp1251(result.message));
    }
}

void TFormReport::runFillFromSlk() {
    ReportSets& sets = context_.reports.sets;
    speedButton2_->setEnabled(false);
    const SlkFill fill = FillFromSlk(sets.SlkSet, toCp1251(edits_[10]->text()));
    if (fill.period) {
        setPeriod(*fill.period);
    }
    grid_->showGridRows(fill.grid);
    sets.SlkReady = fill.computation.ready;
    sets.SlkComputed = fill.computation.totalsShown;
    showComputation(fill.computation);
}

void TFormReport::runManualGet() {
    ensureManualGridCurrent();
    const std::vector<std::string> contracts = activeContractNos(context_.store);
    GridRows grid = grid_->gridRows();
    if (contracts.empty() || grid.empty()) {
        return;
    }
    ReportSets& sets = context_.reports.sets;
    const ManualInput input{contracts, values().period, zoneDigit_, toCp1251(edits_[10]->text())};
    const VatQuestionHandler ask = [this](const VatQuestion& question) {
        return vatQuestion_ != nullptr && vatQuestion_->ask(question);
    };
    const ComputationResult result = runManualComputation(grid, input, sets.ManualSet, ask);
    grid_->showGridRows(grid);
    sets.ManualReady = result.ready;
    if (result.totalsShown) {
        sets.ManualComputed = true;
    }
    showComputation(result);
}

// ---- handlers ----

void TFormReport::SpeedButton1Click() {
    grid_->commitOpenEditor();
    if (list_ != nullptr) {
        list_->exec();
    }
}

void TFormReport::SpeedButton2Click() {
    grid_->commitOpenEditor();
    ReportWorkspace& reports = context_.reports;
    const RowSet& rows = reports.sets.current(mode_);
    if (viewOnly_ || rows.empty() || !reports.sets.ready(mode_)) {
        return;
    }
    const AskReplace ask = [this](const std::string& line1, const std::string& line2) {
        return replace_ != nullptr && replace_->ask(fromCp1251(line1), fromCp1251(line2));
    };
    ReportSaveResult result;
    try {
        result = SaveReportWithChecks(values(), rows, context_.store, *reports.record, reports.list,
                                      ask);
    } catch (const IoError& error) {
        showFileError(context_, error);
        return;
    }
    if (!result.message.empty()) {
        context_.messages.showMessage(fromCp1251(result.message));
    }
    if (!result.written()) {
        return;
    }
    reports.currentFileName = result.fileName;
    if (result.firstReport) {
        reports.StoredReportOpen = true;
    }
    if (list_ != nullptr) {
        list_->ReportGreed();
    }
    setViewOnlyState();
}

void TFormReport::SpeedButton3Click() {
    grid_->commitOpenEditor();
    context_.reports.sets.startNewReport();
    // The amounts typed for the abandoned report are not the new one's.
    manualRows_.clear();
    context_.reports.StoredReportOpen = false;
    setEditState();
    speedButton3_->setEnabled(false);
    clearAmountFields();
    proposeNewReport();
    if (mode_ == ReportMode::Slk) {
        grid_->showNothing();
    } else {
        rebuildManualGrid(false);
    }
    updateSaveButton();
}

void TFormReport::SpeedButton4Click() {
    grid_->commitOpenEditor();
    if (viewOnly_) {
        return;
    }
    if (mode_ == ReportMode::Slk) {
        if (!context_.reports.sets.SlkSet.empty()) {
            runFillFromSlk();
        }
    } else {
        runManualGet();
    }
}

void TFormReport::SpeedButton5Click() {
    grid_->commitOpenEditor();
    if (import_ == nullptr || mode_ != ReportMode::Slk || viewOnly_) {
        return;
    }
    if (!import_->importRegister()) {
        return;
    }
    ReportSets& sets = context_.reports.sets;
    sets.SlkReady = false;
    sets.SlkComputed = false;
    if (!sets.SlkSet.empty()) {
        runFillFromSlk();
    } else {
        grid_->showNothing();
        clearComputedFields();
    }
    updateSaveButton();
    pageControl_->setCurrentIndex(ReportTab);
}

void TFormReport::SpeedButton8Click() {
    grid_->commitOpenEditor();
    if (viewOnly_) {
        return;
    }
    setMode(ReportMode::Slk);
    if (!context_.reports.sets.SlkSet.empty()) {
        runFillFromSlk();
    } else {
        grid_->showNothing();
        clearComputedFields();
    }
    updateSaveButton();
}

void TFormReport::SpeedButton9Click() {
    grid_->commitOpenEditor();
    if (viewOnly_) {
        return;
    }
    ReportSets& sets = context_.reports.sets;
    sets.SlkReady = false;
    // The totals on view are the register's: a manual report needs its own "Get".
    sets.ManualReady = false;
    clearComputedFields();
    setMode(ReportMode::Manual);
    updateSaveButton();
}

void TFormReport::Panel1Click() {
    grid_->commitOpenEditor();
    zoneDigit_ = (zoneDigit_ + 1) % 10;
    showZoneDigit();
}

void TFormReport::Edit10Change() {
    // A changed remuneration invalidates the amount due and the computation in either mode.
    ReportSets& sets = context_.reports.sets;
    edits_[11]->clear();
    sets.SlkReady = false;
    sets.ManualReady = false;
    updateSaveButton();
}

void TFormReport::Edit10DblClick() {
    grid_->commitOpenEditor();
    if (mode_ != ReportMode::Manual || viewOnly_) {
        return;
    }
    edits_[10]->setText(fromCp1251(rememberedRemuneration_));
}

void TFormReport::GroupBox1DblClick() {
    grid_->commitOpenEditor();
    if (viewOnly_) {
        return;
    }
    edits_[2]->setText(edits_[1]->text());
    edits_[3]->setText(edits_[1]->text());
}

void TFormReport::GroupBox2Click() {
    GroupBox1DblClick();
}

void TFormReport::GroupBox2DblClick() {
    grid_->commitOpenEditor();
    if (viewOnly_) {
        return;
    }
    edits_[5]->setText(edits_[4]->text());
    edits_[6]->setText(edits_[4]->text());
}

void TFormReport::ComboBox1Select() {
    grid_->commitOpenEditor();
    if (mode_ == ReportMode::Manual && !viewOnly_) {
        // Another month may have another VAT rate: what was computed is not this month's.
        dropComputation();
        SpeedButton4Click();
    }
}

void TFormReport::ComboBox2Change() {
    grid_->commitOpenEditor();
    if (!viewOnly_) {
        if (mode_ == ReportMode::Manual) {
            dropComputation();
        }
        SpeedButton4Click();
    }
}

void TFormReport::showVatRate() {
    const Period period{static_cast<std::uint8_t>(std::max(0, comboBox1_->currentIndex())),
                        static_cast<std::uint8_t>(std::max(0, comboBox2_->currentIndex()))};
    vatRateLabel_->setText(QStringLiteral("НДС %1 %").arg(vatRatePercent(period)));
}

void TFormReport::StringGrid1CellEdited(int column) {
    if (column < ReportGrid::kFirstAmountColumn) {
        return;
    }
    dropComputation();
}

void TFormReport::dropComputation() {
    // The totals on view no longer match the rows: "Get" must run before "Save".
    clearComputedFields();
    context_.reports.sets.ManualReady = false;
    updateSaveButton();
}

void TFormReport::openStoredReport() {
    ensureBuilt();
    ReportWorkspace& reports = context_.reports;
    const OpenedReport opened = FillFromReport(*reports.record);
    const ReportValues& v = opened.values;
    const std::array<const std::string*, 11> texts = {
        &v.OffsetActNo, &v.InvoiceNo, &v.ActNo,      &v.OffsetActDate, &v.InvoiceDate, &v.ActDate,
        &v.IncomeTotal, &v.VatTotal,  &v.GrossTotal, &v.Remuneration,  &v.ToPrincipal};
    for (std::size_t n = 1; n <= 11; ++n) {
        if (n == 10) {
            setRemunerationText(fromCp1251(*texts[n - 1]));
        } else {
            edits_[n]->setText(fromCp1251(*texts[n - 1]));
        }
    }
    setPeriod(v.period);
    grid_->showGridRows(opened.grid);
    rememberedRemuneration_ = opened.rememberedRemuneration;
    reports.StoredReportOpen = true;
    setViewOnlyState();
    pageControl_->setCurrentIndex(ReportTab);
}

} // namespace kestrelon
