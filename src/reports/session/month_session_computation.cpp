// The month session's computations: the two modes, the manual rows kept to the active client
// contracts, "Get" over the register or the typed amounts, and an imported register.

#include "month_session.h"
#include "reports/computation/report_messages.h"
#include "reports/computation/slk_computation.h"
#include "reports/register/import_summary.h"

namespace kestrelon {

void MonthSession::activated() {
    // Coming back from any window may find other client contracts active; typed amounts of
    // the contracts that are still there are kept. A stored report on view is left alone.
    if (values_.mode == ReportMode::Manual && !viewOnly_) {
        keepManualRowsCurrent();
    }
}

void MonthSession::setMode(ReportMode mode) {
    if (values_.mode == ReportMode::Manual && mode == ReportMode::Slk) {
        manualRows_ = rows_;
    }
    if (mode == ReportMode::Manual) {
        rebuildManualRows(true);
    }
    values_.mode = mode;
}

Sayings MonthSession::chooseRegisterMode() {
    if (viewOnly_) {
        return {};
    }
    setMode(ReportMode::Slk);
    Sayings said;
    if (!reports_.sets.SlkSet.empty()) {
        fillFromRegister(said);
    } else {
        showRows({});
        clearComputedFields();
    }
    return said;
}

Sayings MonthSession::chooseManualMode() {
    if (viewOnly_) {
        return {};
    }
    reports_.sets.SlkReady = false;
    // The totals on view are the register's: a manual report needs its own "Get".
    reports_.sets.ManualReady = false;
    clearComputedFields();
    setMode(ReportMode::Manual);
    return {};
}

Sayings MonthSession::chooseMonth(int month, SessionQuestions& questions) {
    values_.period.month = static_cast<std::uint8_t>(month);
    Sayings said;
    if (values_.mode == ReportMode::Manual && !viewOnly_) {
        // Another month may have another VAT rate: what was computed is not this month's.
        dropComputation();
        runGet(questions, said);
    }
    return said;
}

Sayings MonthSession::chooseYear(int year, SessionQuestions& questions) {
    values_.period.year = static_cast<std::uint8_t>(year);
    Sayings said;
    if (!viewOnly_) {
        if (values_.mode == ReportMode::Manual) {
            dropComputation();
        }
        runGet(questions, said);
    }
    return said;
}

void MonthSession::editRows(const GridRows& rows, int column) {
    rows_ = rows;
    if (column >= kFirstAmountColumn) {
        dropComputation();
    }
}

Sayings MonthSession::get(SessionQuestions& questions) {
    if (!viewOnly_) {
        if (Utf8Text problem = missingPrincipal(); !problem.empty()) {
            return {{Said::Kind::Message, std::move(problem)}};
        }
    }
    Sayings said;
    const ComputationResult result = runGet(questions, said);
    // Totals without a remuneration look finished, but "Save" would do nothing.
    if (result.totalsShown && !result.ready && result.message.empty() &&
        values_.Remuneration.empty()) {
        said.push_back({Said::Kind::Message, Utf8Text::fromCp1251(messages::remunerationNeeded())});
    }
    return said;
}

Sayings MonthSession::registerImported(const SlkImportResult& result) {
    const Period proposed = values_.period;
    ReportSets& sets = reports_.sets;
    sets.SlkReady = false;
    sets.SlkComputed = false;
    Sayings said;
    if (!sets.SlkSet.empty()) {
        fillFromRegister(said);
    } else {
        showRows({});
        clearComputedFields();
    }
    // Said after every import, so the count (and the month) can be checked against the
    // principal's register.
    if (const std::string summary = importSummary(result, proposed); !summary.empty()) {
        said.push_back({Said::Kind::Information, Utf8Text::fromCp1251(summary)});
    }
    return said;
}

ComputationResult MonthSession::runGet(SessionQuestions& questions, Sayings& said) {
    if (viewOnly_) {
        return {};
    }
    if (values_.mode == ReportMode::Slk) {
        return reports_.sets.SlkSet.empty() ? ComputationResult{} : fillFromRegister(said);
    }
    return manualGet(questions, said);
}

ComputationResult MonthSession::fillFromRegister(Sayings& said) {
    ReportSets& sets = reports_.sets;
    const SlkFill fill = FillFromSlk(sets.SlkSet, values_.Remuneration);
    if (fill.period) {
        values_.period = *fill.period;
    }
    showRows(fill.grid);
    sets.SlkReady = fill.computation.ready;
    sets.SlkComputed = fill.computation.totalsShown;
    showComputation(fill.computation, said);
    return fill.computation;
}

ComputationResult MonthSession::manualGet(SessionQuestions& questions, Sayings& said) {
    keepManualRowsCurrent();
    const std::vector<std::string> contracts = activeContractNos(store_);
    GridRows grid = rows_;
    if (contracts.empty() || grid.empty()) {
        return {};
    }
    ReportSets& sets = reports_.sets;
    const ManualInput input{contracts, values_.period, zoneDigit_, values_.Remuneration};
    const VatQuestionHandler ask = [&questions](const VatQuestion& question) {
        return questions.keepTypedVat(question);
    };
    const ComputationResult result = runManualComputation(grid, input, sets.ManualSet, ask);
    showRows(std::move(grid));
    sets.ManualReady = result.ready;
    if (result.totalsShown) {
        sets.ManualComputed = true;
    }
    showComputation(result, said);
    return result;
}

void MonthSession::showComputation(const ComputationResult& result, Sayings& said) {
    if (result.totalsShown) {
        values_.IncomeTotal = result.incomeTotal;
        values_.VatTotal = result.vatTotal;
        values_.GrossTotal = result.grossTotal;
    }
    if (result.remunerationCleared) {
        values_.Remuneration.clear();
    }
    values_.ToPrincipal = result.ready ? result.toPrincipal : std::string();
    if (result.ready) {
        unsavedDeclined_ = false;
    }
    if (!result.message.empty()) {
        said.push_back({Said::Kind::Message, Utf8Text::fromCp1251(result.message)});
    }
}

void MonthSession::rebuildManualRows(bool keepTypedAmounts) {
    if (store_.ClientCount == 0) {
        // No contracts at all: manual rows already on view stay as they are.
        if (values_.mode != ReportMode::Manual) {
            showRows(manualRows_);
        }
        return;
    }
    const std::vector<std::string> contracts = activeContractNos(store_);
    GridRows previous;
    if (keepTypedAmounts) {
        previous = values_.mode == ReportMode::Manual ? rows_ : manualRows_;
    }
    showRows(manualGridRows(contracts, values_.period, zoneDigit_, previous));
    manualTracker_.rebuilt(contracts);
}

void MonthSession::keepManualRowsCurrent() {
    if (store_.ClientCount == 0) {
        return;
    }
    if (manualTracker_.needsRebuild(activeContractNos(store_))) {
        rebuildManualRows(true);
    }
}

void MonthSession::clearComputedFields() {
    values_.IncomeTotal.clear();
    values_.VatTotal.clear();
    values_.GrossTotal.clear();
    values_.ToPrincipal.clear();
}

void MonthSession::dropComputation() {
    // The totals on view no longer match the rows: "Get" must run before "Save".
    clearComputedFields();
    reports_.sets.ManualReady = false;
}

} // namespace kestrelon
