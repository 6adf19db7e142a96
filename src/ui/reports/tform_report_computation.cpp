// The report window's computations: the manual grid kept to the active client contracts,
// "Get" over the register or the typed amounts, and the totals shown.

#include "report_grid.h"
#include "reports/computation/manual_computation.h"
#include "reports/computation/slk_computation.h"
#include "tform_err_nds.h"
#include "tform_report.h"
#include "ui/widgets/qt_text.h"

#include <QLineEdit>
#include <QToolButton>

namespace kestrelon {

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
    if (result.ready) {
        unsavedDeclined_ = false;
    }
    updateSaveButton();
    if (!result.message.empty()) {
        context_.messages.showMessage(fromCp1251(result.message));
    }
}

ComputationResult TFormReport::runFillFromSlk() {
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
    return fill.computation;
}

ComputationResult TFormReport::runManualGet() {
    ensureManualGridCurrent();
    const std::vector<std::string> contracts = activeContractNos(context_.store);
    GridRows grid = grid_->gridRows();
    if (contracts.empty() || grid.empty()) {
        return {};
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
    return result;
}

void TFormReport::dropComputation() {
    // The totals on view no longer match the rows: "Get" must run before "Save".
    clearComputedFields();
    context_.reports.sets.ManualReady = false;
    updateSaveButton();
}

} // namespace kestrelon
