// The report window's first tab: the numbers and dates of the three documents, the period
// with its VAT rate, the totals with "Get", and the grid below them.

#include "named_list.h"
#include "report_grid.h"
#include "reports/values/period.h"
#include "tform_report.h"
#include "ui/widgets/flow_layout.h"
#include "ui/widgets/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

QLineEdit* field(QWidget* parent, int number, int maxLength, const QString& allowed) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    if (!allowed.isEmpty()) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
    }
    return edit;
}

// A caption over its field, the caption being the field's name for a screen reader.
QLabel* captionFor(QWidget* parent, const QString& text, QLineEdit* edit,
                   const QString& accessibleName) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(edit);
    edit->setAccessibleName(accessibleName);
    return label;
}

} // namespace

QWidget* TFormReport::buildReportTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TabSheet1"));
    // The groups go on the next line rather than off to the right on a narrow window.
    auto* top = new FlowLayout(nullptr, 6);
    top->addWidget(buildNumberGroups());
    top->addWidget(buildPeriodGroup());

    // Made after the totals and "Get" above it, so that Tab reaches it after them.
    QWidget* totals = buildTotals();
    grid_ = new ReportGrid(context_, tab);
    grid_->onCellEdited = [this](int column) { cellEdited(column); };

    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(top);
    layout->addWidget(totals);
    layout->addWidget(grid_, 1);
    return tab;
}

QWidget* TFormReport::buildNumberGroups() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const std::array<QString, 3> captions = {QStringLiteral("Акт вз.з."), QStringLiteral("Счет"),
                                             QStringLiteral("Акт")};
    const std::array<QString, 3> documents = {QStringLiteral("акта взаимозачета"),
                                              QStringLiteral("счета"), QStringLiteral("акта")};
    for (int g = 0; g < 2; ++g) {
        auto* group = new QGroupBox(g == 0 ? QStringLiteral("№") : QStringLiteral("Дата"), box);
        group->setObjectName(QStringLiteral("GroupBox%1").arg(g + 1));
        group->installEventFilter(this);
        auto* grid = new QGridLayout(group);
        for (int k = 0; k < 3; ++k) {
            const int number = g * 3 + k + 1;
            QLineEdit* edit = g == 0 ? field(group, number, 5, QStringLiteral("[0-9]*"))
                                     : field(group, number, 10, QStringLiteral("[0-9.]*"));
            edit->setFixedWidth(g == 0 ? 64 : 90);
            const QString name = (g == 0 ? QStringLiteral("Номер ") : QStringLiteral("Дата ")) +
                                 documents[static_cast<std::size_t>(k)];
            grid->addWidget(captionFor(group, captions[static_cast<std::size_t>(k)], edit, name), 0,
                            k);
            grid->addWidget(edit, 1, k);
            fields_[static_cast<std::size_t>(number - 1)] = edit;
        }
        row->addWidget(group);
        (g == 0 ? numberGroup_ : dateGroup_) = group;
    }
    numberGroup_->setToolTip(QStringLiteral(
        "Двойной щелчок или Ctrl+Shift+N: номер акта взаимозачета в номера счета и акта"));
    dateGroup_->setToolTip(QStringLiteral(
        "Двойной щелчок или Ctrl+Shift+D: дата акта взаимозачета в даты счета и акта"));
    return box;
}

QWidget* TFormReport::buildTotals() {
    // A caption over each field, the columns on the next line on a narrow window.
    auto* box = new QWidget(this);
    auto* row = new FlowLayout(box, 6);
    const auto column = [box, row](QWidget* caption, QWidget* control) {
        auto* pair = new QWidget(box);
        auto* grid = new QGridLayout(pair);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setRowMinimumHeight(0, box->fontMetrics().height());
        if (caption != nullptr) {
            grid->addWidget(caption, 0, 0);
        }
        grid->addWidget(control, 1, 0);
        row->addWidget(pair);
    };
    const std::array<std::pair<int, QString>, 5> fields = {{{7, QStringLiteral("Начисл. доход")},
                                                            {8, QStringLiteral("Ндс")},
                                                            {9, QStringLiteral("C Ндс")},
                                                            {10, QStringLiteral("Вознагражд.")},
                                                            {11, QStringLiteral("Тарвелу")}}};
    for (const auto& [number, caption] : fields) {
        QLineEdit* edit = number == 10 ? field(box, number, 10, QStringLiteral("[0-9,.\\-]*"))
                                       : field(box, number, 0, QString());
        edit->setReadOnly(number != 10);
        edit->setFixedWidth(110);
        column(captionFor(box, caption, edit, caption), edit);
        fields_[static_cast<std::size_t>(number - 1)] = edit;
    }
    QLineEdit* remuneration = fieldEdit(ReportField::Remuneration);
    remuneration->installEventFilter(this);
    remuneration->setToolTip(QStringLiteral(
        "Двойной щелчок или Ctrl+Shift+R в ручном режиме: вознаграждение открытого отчета"));
    // Typed, pasted, dropped or set by an assistive tool: every change of the user's counts.
    // The window's own fills block the signal.
    for (const ReportField typed :
         {ReportField::OffsetActNo, ReportField::InvoiceNo, ReportField::ActNo,
          ReportField::OffsetActDate, ReportField::InvoiceDate, ReportField::ActDate,
          ReportField::Remuneration}) {
        connect(fieldEdit(typed), &QLineEdit::textChanged, this,
                [this, typed](const QString& text) { fieldTyped(typed, text); });
    }

    getButton_ = toolButton(box, QStringLiteral("Get"), QStringLiteral("Рассчитать"),
                            QStringLiteral("SpeedButton4"));
    getButton_->setToolTip(QString());
    getButton_->setAutoRaise(false);
    connect(getButton_, &QToolButton::clicked, this, userAction(&TFormReport::getClicked));
    column(nullptr, getButton_);
    return box;
}

QWidget* TFormReport::buildPeriodGroup() {
    periodGroup_ = new QGroupBox(QStringLiteral("Отчетный период"), this);
    periodGroup_->setObjectName(QStringLiteral("GroupBox3"));
    monthList_ = new NamedList(QStringLiteral("Месяц"), periodGroup_);
    monthList_->setObjectName(QStringLiteral("ComboBox1"));
    for (int m = 0; m < 12; ++m) {
        monthList_->addItem(fromCp1251(monthName(m)));
    }
    yearList_ = new NamedList(QStringLiteral("Год"), periodGroup_);
    yearList_->setObjectName(QStringLiteral("ComboBox2"));
    for (int y = 0; y < Period::kYearCount; ++y) {
        yearList_->addItem(fromCp1251(yearText(y)));
    }
    chiefSignsBox_ = new QCheckBox(QStringLiteral("Документ сдан"), periodGroup_);
    chiefSignsBox_->setObjectName(QStringLiteral("CheckBox1"));
    chiefSignsBox_->setToolTip(QStringLiteral("Документ сдан"));
    connect(chiefSignsBox_, &QCheckBox::toggled, this,
            [this](bool checked) { session_.setChiefSigns(checked); });
    // The month list moved is the period (and its VAT rate) at once; a month chosen computes.
    connect(monthList_, &QComboBox::currentIndexChanged, this, [this](int month) {
        session_.showPeriod(
            {static_cast<std::uint8_t>(std::max(month, 0)), session_.values().period.year});
        showVatRate();
    });
    connect(monthList_, &QComboBox::activated, this, userAction(&TFormReport::monthChosen));
    connect(yearList_, &QComboBox::currentIndexChanged, this, userAction(&TFormReport::yearChosen));
    vatRateLabel_ = new QLabel(periodGroup_);
    vatRateLabel_->setObjectName(QStringLiteral("LabelVatRate"));

    // The rate stands under the period it belongs to, so the groups beside keep their room.
    auto* rows = new QGridLayout(periodGroup_);
    rows->addWidget(monthList_, 0, 0);
    rows->addWidget(yearList_, 0, 1);
    rows->addWidget(chiefSignsBox_, 0, 2);
    rows->addWidget(vatRateLabel_, 1, 0, 1, 2);
    return periodGroup_;
}

} // namespace kestrelon
