// The report window's actions: what its buttons, fields, lists and keys do, and its coming
// back into view.

#include "report_grid.h"
#include "reports/computation/report_messages.h"
#include "reports/files/report_save.h"
#include "reports/register/import_summary.h"
#include "store/io_error.h"
#include "tform_change_rep.h"
#include "tform_report.h"
#include "tform_report_list.h"
#include "tform_slk.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"

#include <QLineEdit>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

namespace kestrelon {

void TFormReport::takeTypedCell() {
    grid_->commitOpenEditor();
}

void TFormReport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    if (!pendingMessage_.isEmpty()) {
        const QString message = pendingMessage_;
        pendingMessage_.clear();
        context_.messages.showMessage(message);
    }
    // Said before any work is done on the month, so that it is mended first.
    if (const QString problem = missingPrincipal(); !problem.isEmpty()) {
        context_.messages.showMessage(problem);
    }
}

void TFormReport::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        act(&TFormReport::FormActivate);
    }
}

void TFormReport::FormActivate() {
    // Coming back from any window may find other client contracts active; typed amounts of
    // the contracts that are still there are kept. A stored report on view is left alone.
    if (mode_ == ReportMode::Manual && !viewOnly_) {
        ensureManualGridCurrent();
    }
}

// ---- handlers ----

bool TFormReport::hasUnsavedReport() const {
    const ReportSets& sets = context_.reports.sets;
    return !viewOnly_ && !sets.current(mode_).empty() && sets.ready(mode_);
}

bool TFormReport::mayClose() {
    if (!hasUnsavedReport() || unsavedDeclined_) {
        return true;
    }
    switch (context_.messages.askYesNoCancel(fromCp1251(messages::unsavedReportQuestion()))) {
    case MessageSink::Answer::Yes:
        act(&TFormReport::SpeedButton2Click);
        return !hasUnsavedReport();
    case MessageSink::Answer::No:
        unsavedDeclined_ = true;
        return true;
    case MessageSink::Answer::Cancel:
        break;
    }
    return false;
}

void TFormReport::reject() {
    // The close box and Escape both come here.
    if (mayClose()) {
        QDialog::reject();
    }
}

void TFormReport::SpeedButton1Click() {
    if (list_ != nullptr) {
        list_->exec();
    }
}

void TFormReport::SpeedButton2Click() {
    ReportWorkspace& reports = context_.reports;
    const RowSet& rows = reports.sets.current(mode_);
    if (viewOnly_ || rows.empty() || !reports.sets.ready(mode_) || refusedWithoutPrincipal()) {
        return;
    }
    const AskReplace ask = [this](const std::string& line1, const std::string& line2) {
        return replace_ != nullptr && replace_->ask(fromCp1251(line1), fromCp1251(line2));
    };
    const AskSecondReport askSecond = [this](const std::string& question) {
        return context_.messages.askQuestion(fromCp1251(question));
    };
    ReportSaveResult result;
    try {
        result = SaveReportWithChecks(values(), rows, context_.store, *reports.record, reports.list,
                                      ask, askSecond);
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
    if (!viewOnly_ && refusedWithoutPrincipal()) {
        return;
    }
    const ComputationResult result = runGet();
    // Totals without a remuneration look finished, but "Save" would do nothing.
    if (result.totalsShown && !result.ready && result.message.empty() &&
        edits_[10]->text().isEmpty()) {
        context_.messages.showMessage(fromCp1251(messages::remunerationNeeded()));
    }
}

ComputationResult TFormReport::runGet() {
    ComputationResult result;
    if (viewOnly_) {
        return result;
    }
    if (mode_ == ReportMode::Slk) {
        if (!context_.reports.sets.SlkSet.empty()) {
            result = runFillFromSlk();
        }
    } else {
        result = runManualGet();
    }
    return result;
}

void TFormReport::SpeedButton5Click() {
    if (import_ == nullptr || mode_ != ReportMode::Slk || viewOnly_) {
        return;
    }
    const Period proposed = values().period;
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
    // Said after every import, so the count (and the month) can be checked against the
    // principal's register.
    if (const std::string summary = importSummary(import_->lastImport(), proposed);
        !summary.empty()) {
        context_.messages.showInformation(fromCp1251(summary));
    }
}

void TFormReport::SpeedButton8Click() {
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
    if (mode_ != ReportMode::Manual || viewOnly_) {
        return;
    }
    edits_[10]->setText(fromCp1251(rememberedRemuneration_));
}

void TFormReport::GroupBox1DblClick() {
    copyFirstField(1);
}

void TFormReport::GroupBox2Click() {
    GroupBox1DblClick();
}

void TFormReport::GroupBox2DblClick() {
    copyFirstField(4);
}

void TFormReport::copyFirstField(std::size_t first) {
    if (viewOnly_) {
        return;
    }
    edits_[first + 1]->setText(edits_[first]->text());
    edits_[first + 2]->setText(edits_[first]->text());
}

void TFormReport::ComboBox1Select() {
    if (mode_ == ReportMode::Manual && !viewOnly_) {
        // Another month may have another VAT rate: what was computed is not this month's.
        dropComputation();
        runGet();
    }
}

void TFormReport::ComboBox2Change() {
    if (!viewOnly_) {
        if (mode_ == ReportMode::Manual) {
            dropComputation();
        }
        runGet();
    }
}

void TFormReport::StringGrid1CellEdited(int column) {
    if (column < ReportGrid::kFirstAmountColumn) {
        return;
    }
    dropComputation();
}

} // namespace kestrelon
