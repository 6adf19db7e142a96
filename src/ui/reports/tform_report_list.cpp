#include "tform_report_list.h"
#include "store/cp1251.h"
#include "tform_year.h"

#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_size.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kestrelon {
namespace {

// The last panel takes the room that is left, so that a note on skipped texts fits.
constexpr std::array<int, TFormReportList::kPanels> kPanelWidths = {38,  40,  40,  40,
                                                                    100, 100, 100, 100};
const std::array<const char*, TFormReportList::kPanels> kPanelNames = {
    "Отчетов",       "Строка",   "Панель 3", "Панель 4", "Сумма с НДС", "Сумма вознаграждений",
    "Сумма Тарвелу", "Выделение"};

QStringList gridRow(const ReportListEntry& e) {
    return {fromCp1251(e.OffsetActNo.view()),
            fromCp1251(e.MonthName),
            fromCp1251(e.YearText),
            fromCp1251(e.GrossTotal.view()),
            fromCp1251(e.Remuneration.view()),
            fromCp1251(e.ToPrincipal.view())};
}

} // namespace

TFormReportList::TFormReportList(AppContext& context, QWidget* parent)
    : LazyDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormReportList"));
    setWindowTitle(QStringLiteral("Отчеты"));
    setSizeGripEnabled(true);
    resize(kDesignedSize);
    // Creation work, done once per run: the size is kept at shut-down even when the list was
    // never opened.
    applyStoredSize(*this, context_.store.FormW.size(SizedWindow::ReportList));
}

void TFormReportList::build() {

    speedButton1_ = makeSpeedButton(this, QStringLiteral("Sync"), QStringLiteral("Синхронизация"),
                                    "SpeedButton1");
    speedButton2_ = makeSpeedButton(this, QStringLiteral("Del"), QString(), "SpeedButton2");
    speedButton3_ = makeSpeedButton(this, QStringLiteral("Open"), QString(), "SpeedButton3");
    for (QToolButton* button : {speedButton1_, speedButton2_, speedButton3_}) {
        button->setFocusPolicy(Qt::StrongFocus);
    }
    connect(speedButton1_, &QToolButton::clicked, this, &TFormReportList::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TFormReportList::SpeedButton2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &TFormReportList::SpeedButton3Click);
    yearButton_ =
        makeSpeedButton(this, QStringLiteral("Год"),
                        QStringLiteral("Итоги года по месяцам и кварталам"), "SpeedButton4");
    yearButton_->setFocusPolicy(Qt::StrongFocus);
    yearButton_->setAccessibleDescription(yearButton_->toolTip());
    connect(yearButton_, &QToolButton::clicked, this, &TFormReportList::yearClicked);
    year_ = new TFormYear(context_, this);
    year_->onOpenReport = [this](const std::string& fileName) {
        return openReportFile(utf8ToCp1251(fileName));
    };
    QHBoxLayout* toolbar = toolbarRow({speedButton1_, speedButton2_, speedButton3_, yearButton_});

    grid_ = new CatalogueGrid(context_, GridBlock::ReportList,
                              {QStringLiteral("№"), QStringLiteral("Месяц"), QStringLiteral("Год"),
                               QStringLiteral("С НДС"), QStringLiteral("Вознагр."),
                               QStringLiteral("Тарвелу")},
                              this);
    grid_->setAccessibleName(QStringLiteral("Отчеты"));
    grid_->setDesignedWidths({50, 80, 50, 90, 90, 90});
    // Several reports are totalled together, so a run of rows can be selected.
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row) { StringGrid1Click(row); });
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1Click(row); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { StringGrid1DblClick(row); });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormReportList::StringGrid1SelectionChanged);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { StatusBar1ContextPopup(grid_->mapToGlobal(at)); });

    buildStatusBar();
    buildMenu();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(toolbar);
    layout->addWidget(grid_, 1);
    layout->addWidget(statusBar_);

    ReportGreed();
}

void TFormReportList::setDialogs(TFormDelRep* deleteDialog, TForm23* folderDialog) {
    deleteDialog_ = deleteDialog;
    folderDialog_ = folderDialog;
}

void TFormReportList::setHost(ReportListHost* host) {
    host_ = host;
}

void TFormReportList::buildStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setToolTip(QStringLiteral("Щелкни правой кнопкой"));
    statusBar_->setAccessibleName(QStringLiteral("Итоги выделенных отчетов"));
    statusBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(statusBar_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { StatusBar1ContextPopup(statusBar_->mapToGlobal(at)); });
    for (int i = 0; i < kPanels; ++i) {
        auto* panel = new QLabel(statusBar_);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        const bool last = i == kPanels - 1;
        if (last) {
            // "Selection - 64 (1..64)" must fit even in the smallest window.
            panel->setMinimumWidth(std::max(
                kPanelWidths[static_cast<std::size_t>(i)],
                panel->fontMetrics().horizontalAdvance(QStringLiteral("Selection - 64 (10..64)")) +
                    12));
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            panel->setFixedWidth(kPanelWidths[static_cast<std::size_t>(i)]);
        }
        statusBar_->addWidget(panel, last ? 1 : 0);
        panels_[static_cast<std::size_t>(i)] = panel;
        setPanel(i, QString());
    }
}

void TFormReportList::setPanel(int panel, const QString& text) {
    QLabel* label = panels_[static_cast<std::size_t>(panel)];
    label->setText(text);
    // A bare figure says nothing to a screen reader: it hears what the figure is as well.
    label->setAccessibleName(QString::fromUtf8(kPanelNames[static_cast<std::size_t>(panel)]) +
                             QStringLiteral(": ") + text);
}

void TFormReportList::buildMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* toClipboard = popup_->addMenu(QStringLiteral("В буфер"));
    toClipboard->menuAction()->setObjectName(QStringLiteral("N1"));
    const auto item = [&](const QString& caption, const char* name, void (TFormReportList::*h)()) {
        QAction* action = toClipboard->addAction(caption, this, h);
        action->setObjectName(QString::fromLatin1(name));
    };
    item(QStringLiteral("Вознаграждение"), "N2", &TFormReportList::N2Click);
    item(QStringLiteral("Тарвелу"), "N3", &TFormReportList::N3Click);
    item(QStringLiteral("6% от вознаграждения"), "N4", &TFormReportList::N4Click);
}

void TFormReportList::ReportGreed() {
    ensureBuilt();
    showList(0);
}

void TFormReportList::showList(std::size_t row) {
    ReportList& list = context_.reports.list;
    std::vector<QStringList> rows;
    for (const ReportListEntry& e : list.entries) {
        rows.push_back(gridRow(e));
    }
    {
        const QSignalBlocker blocker(grid_);
        grid_->showRows(rows);
    }
    setPanel(Count, QString::number(list.count()));
    clickedRow_ = -1;
    if (!list.empty()) {
        list.selected = std::min(row, list.count() - 1);
        clickedRow_ = static_cast<int>(list.selected);
        grid_->setCurrentDataRow(clickedRow_);
    }
    StringGrid1SelectionChanged();
}

void TFormReportList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormReportList::FormShow() {
    // The list may have changed by a save since the window was last shown.
    ReportGreed();
    grid_->setFocus();
}

bool TFormReportList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            SpeedButton3Click();
            return true;
        }
        // The menu key and Shift+F10 open the status bar's menu over the current row.
        if (key->key() == Qt::Key_Menu ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            const QRect cell = grid_->visualRect(grid_->currentIndex());
            StatusBar1ContextPopup(grid_->viewport()->mapToGlobal(cell.center()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kestrelon
