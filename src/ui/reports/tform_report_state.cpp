// The report window's fields and states: what the fields hold as a report, the edit and
// view-only states, the two modes, the fields of a new report and of a stored one opened.

#include "report_grid.h"
#include "reports/computation/vat_rate.h"
#include "reports/files/fill_report.h"
#include "reports/files/number_fields.h"
#include "reports/files/report_list.h"
#include "reports/values/period.h"
#include "store/date_text.h"
#include "tform_report.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/shown_entry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

void TFormReport::modeButtonToggled(int mode, bool checked) {
    if (!checked) {
        return;
    }
    if (viewOnly_) {
        // A stored report keeps the mode it is shown in.
        showModeChecked();
        return;
    }
    if (static_cast<ReportMode>(mode) == ReportMode::Slk) {
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
    const QuietListChange month(*comboBox1_);
    const QuietListChange year(*comboBox2_);
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

void TFormReport::showVatRate() {
    const Period period{static_cast<std::uint8_t>(std::max(0, comboBox1_->currentIndex())),
                        static_cast<std::uint8_t>(std::max(0, comboBox2_->currentIndex()))};
    vatRateLabel_->setText(QStringLiteral("НДС %1 %").arg(vatRatePercent(period)));
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
