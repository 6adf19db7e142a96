// The report window as a view of its session: the fields, the period, the rows, the edit and
// view-only states and the two modes as the session has them, and what it said.

#include "report_grid.h"
#include "reports/computation/vat_rate.h"
#include "tform_report.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/shown_entry.h"

#include <QButtonGroup>
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

void TFormReport::showSession() {
    showFields();
    if (session_.rowsRevision() != shownRowsRevision_) {
        shownRowsRevision_ = session_.rowsRevision();
        grid_->showGridRows(session_.rows());
    }
    showState();
}

void TFormReport::showFields() {
    for (int f = 0; f < kReportFieldCount; ++f) {
        const auto field = static_cast<ReportField>(f);
        QLineEdit* edit = fieldEdit(field);
        const QString text = fromCp1251(session_.field(field));
        if (edit->text() != text) {
            // The window's own fill: no change of the user's to react to.
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    }
    const Period& period = session_.values().period;
    // A list showing no entry stands for the first, as the session reads it.
    if (std::max(monthList_->currentIndex(), 0) != period.month ||
        std::max(yearList_->currentIndex(), 0) != period.year) {
        // Setting the period is not the user's choice: it must not start a computation.
        const QuietListChange month(*monthList_);
        const QuietListChange year(*yearList_);
        monthList_->setCurrentIndex(period.month);
        yearList_->setCurrentIndex(period.year);
    }
    showVatRate();
    zoneButton_->setText(QString::number(session_.zoneDigit()));
    // A screen reader says the digit as well, as the panel shows it.
    zoneButton_->setAccessibleName(QStringLiteral("Зона %1").arg(session_.zoneDigit()));
}

void TFormReport::showState() {
    const bool viewOnly = session_.viewOnly();
    const bool manual = session_.mode() == ReportMode::Manual;
    for (int f = 0; f < kReportFieldCount; ++f) {
        const auto field = static_cast<ReportField>(f);
        const bool computed =
            f >= static_cast<int>(ReportField::IncomeTotal) && field != ReportField::Remuneration;
        fieldEdit(field)->setReadOnly(viewOnly || computed);
    }
    saveButton_->setEnabled(session_.hasUnsavedReport());
    newButton_->setEnabled(session_.mayStartNew());
    getButton_->setEnabled(!viewOnly);
    registerModeButton_->setEnabled(!viewOnly);
    manualModeButton_->setEnabled(!viewOnly);
    importButton_->setEnabled(session_.mayImport());
    periodGroup_->setEnabled(!viewOnly);
    monthList_->setEnabled(manual);
    yearList_->setEnabled(manual);
    grid_->setEditable(session_.rowsEditable());
    zoneButton_->setVisible(manual);
    showModeChecked();
    if (shownViewOnly_ != viewOnly) {
        shownViewOnly_ = viewOnly;
        applyTextColour(viewOnly ? kViewOnlyText : QColor(Qt::black));
    }
}

void TFormReport::applyTextColour(QColor colour) {
    for (QLineEdit* edit : fields_) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Text, colour);
        edit->setPalette(palette);
    }
    for (QComboBox* list : {monthList_, yearList_}) {
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

void TFormReport::showModeChecked() {
    // The group unchecks the other button; neither change is a new choice of the user's.
    const QSignalBlocker slk(registerModeButton_);
    const QSignalBlocker manual(manualModeButton_);
    (session_.mode() == ReportMode::Slk ? registerModeButton_ : manualModeButton_)
        ->setChecked(true);
}

void TFormReport::modeButtonToggled(int mode, bool checked) {
    if (!checked) {
        return;
    }
    if (session_.viewOnly()) {
        // A stored report keeps the mode it is shown in.
        showModeChecked();
        return;
    }
    if (static_cast<ReportMode>(mode) == ReportMode::Slk) {
        registerModeClicked();
    } else {
        manualModeClicked();
    }
}

void TFormReport::showVatRate() {
    vatRateLabel_->setText(
        QStringLiteral("НДС %1 %").arg(vatRatePercent(session_.values().period)));
}

void TFormReport::fieldTyped(ReportField field, const QString& text) {
    session_.typeField(field, toCp1251(text));
    if (field == ReportField::Remuneration) {
        showSession();
    }
}

void TFormReport::say(const Sayings& said) {
    if (!isVisible()) {
        pending_.insert(pending_.end(), said.begin(), said.end());
        return;
    }
    for (const Said& one : said) {
        const QString text = QString::fromStdString(one.text.utf8());
        if (one.kind == Said::Kind::Information) {
            context_.messages.showInformation(text);
        } else {
            context_.messages.showMessage(text);
        }
    }
}

void TFormReport::showNextNumbers(const NextNumbers& numbers) {
    ensureBuilt();
    const Sayings said = session_.proposeNumbers(numbers);
    showSession();
    say(said);
}

void TFormReport::openStoredReport() {
    ensureBuilt();
    session_.openStored();
    showSession();
    tabs_->setCurrentIndex(ReportTab);
}

} // namespace kestrelon
