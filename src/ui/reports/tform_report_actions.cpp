// The report window's acts: what its buttons, fields, lists and keys hand to the session, the
// questions the session asks, and the window's coming back into view and closing.

#include "report_grid.h"
#include "tform_change_rep.h"
#include "tform_err_nds.h"
#include "tform_report.h"
#include "tform_report_list.h"
#include "tform_slk.h"

#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTabWidget>

namespace kestrelon {
namespace {

CalendarDay calendarDay(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}

} // namespace

void TFormReport::takeTypedCell() {
    grid_->commitOpenEditor();
    if (session_.rowsEditable()) {
        // Whatever the grid holds is what the session works on.
        session_.editRows(grid_->gridRows(), -1);
    }
}

void TFormReport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    // Each opening starts at the window's left edge, where "List" and the period are.
    if (auto* body = findChild<QScrollArea*>(QStringLiteral("BodyScroll"))) {
        body->horizontalScrollBar()->setValue(0);
    }
    const Sayings pending = std::exchange(pending_, {});
    say(pending);
    // Said before any work is done on the month, so that it is mended first.
    if (const Utf8Text problem = session_.missingPrincipal(); !problem.empty()) {
        say({{Said::Kind::Message, problem}});
    }
}

void TFormReport::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        act(&TFormReport::activated);
    }
}

void TFormReport::activated() {
    session_.activated();
    showSession();
}

bool TFormReport::replaceStoredReport(const Utf8Text& line1, const Utf8Text& line2) {
    return replace_ != nullptr && replace_->ask(QString::fromStdString(line1.utf8()),
                                                QString::fromStdString(line2.utf8()));
}

bool TFormReport::saveSecondReport(const Utf8Text& question) {
    return context_.messages.askQuestion(QString::fromStdString(question.utf8()));
}

bool TFormReport::keepTypedVat(const VatQuestion& question) {
    // The question is asked in the middle of a computation: the totals it has already dropped
    // are not to stay on view behind it.
    showFields();
    return vatQuestion_ != nullptr && vatQuestion_->ask(question);
}

bool TFormReport::mayClose() {
    const std::optional<Utf8Text> question = session_.closeQuestion();
    if (!question) {
        return true;
    }
    switch (context_.messages.askYesNoCancel(QString::fromStdString(question->utf8()))) {
    case MessageSink::Answer::Yes:
        act(&TFormReport::saveClicked);
        return !session_.hasUnsavedReport();
    case MessageSink::Answer::No:
        session_.letUnsavedGo();
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

void TFormReport::listClicked() {
    if (list_ != nullptr) {
        list_->exec();
    }
}

void TFormReport::saveClicked() {
    bool written = false;
    const Sayings said = session_.save(*this, written);
    say(said);
    if (written && list_ != nullptr) {
        list_->ReportGreed();
    }
    showSession();
}

void TFormReport::newClicked() {
    const Sayings said = session_.startNew(calendarDay(context_.today()));
    showSession();
    say(said);
}

void TFormReport::getClicked() {
    const Sayings said = session_.get(*this);
    showSession();
    say(said);
}

void TFormReport::importClicked() {
    if (import_ == nullptr || !session_.mayImport()) {
        return;
    }
    if (!import_->importRegister()) {
        return;
    }
    const Sayings said = session_.registerImported(import_->lastImport());
    showSession();
    tabs_->setCurrentIndex(ReportTab);
    say(said);
}

void TFormReport::registerModeClicked() {
    if (session_.viewOnly()) {
        return;
    }
    const Sayings said = session_.chooseRegisterMode();
    showSession();
    tabs_->setCurrentIndex(ReportTab);
    say(said);
}

void TFormReport::manualModeClicked() {
    if (session_.viewOnly()) {
        return;
    }
    const Sayings said = session_.chooseManualMode();
    showSession();
    tabs_->setCurrentIndex(ReportTab);
    say(said);
}

void TFormReport::zoneClicked() {
    session_.nextZoneDigit();
    showFields();
}

void TFormReport::restoreRemunerationAsked() {
    session_.restoreRemuneration();
    showSession();
}

void TFormReport::copyNumbersAsked() {
    session_.copyFirstNumber();
    showFields();
}

void TFormReport::copyDatesAsked() {
    session_.copyFirstDate();
    showFields();
}

void TFormReport::monthChosen() {
    const Sayings said = session_.chooseMonth(std::max(monthList_->currentIndex(), 0), *this);
    showSession();
    say(said);
}

void TFormReport::yearChosen() {
    const Sayings said = session_.chooseYear(std::max(yearList_->currentIndex(), 0), *this);
    showSession();
    say(said);
}

void TFormReport::cellEdited(int column) {
    session_.editRows(grid_->gridRows(), column);
    showFields();
    showState();
}

} // namespace kestrelon
