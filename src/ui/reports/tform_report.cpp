#include "tform_report.h"

#include "document_view.h"
#include "documents/render/qt_text_metrics.h"
#include "documents/screen_scale.h"
#include "named_list.h"
#include "report_grid.h"
#include "reports/period.h"
#include "reports/report_scan.h"
#include "store/io_error.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace kestrelon {
namespace {

// A toolbar button whose hint is also what a screen reader says of it.
QToolButton* toolButton(QWidget* parent, const QString& caption, const QString& hint,
                        const QString& name) {
    QToolButton* button = makeSpeedButton(parent, caption, hint, name.toLatin1().constData());
    if (!hint.isEmpty()) {
        button->setAccessibleDescription(hint);
    }
    return button;
}

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

// A click that a caption inside the group passed on is not a click on the group: only its
// frame and its empty area are the group's own.
bool onGroupItself(const QWidget& group, const QEvent& event) {
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    return group.childAt(mouse.position().toPoint()) == nullptr;
}

PageGeometry screenGeometry(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    PageGeometry geometry;
    if (screen != nullptr) {
        const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
        const QSizeF mm = screen->physicalSize();
        geometry.scale = screenPageScale(pixels.width(), pixels.height(), mm.width(), mm.height());
    } else {
        geometry.scale = screenPageScale(0, 0, 0, 0);
    }
    return geometry;
}

} // namespace

TFormReport::TFormReport(AppContext& context, QWidget* parent)
    : LazyDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormReport"));
    setWindowTitle(QStringLiteral("Отчеты агента"));
    setFixedSize(kDesignedSize);
    choosePdfFile_ = &TFormReport::askPdfFileName;
    chooseMailFolder_ = &TFormReport::askMailFolder;
    showFolder_ = &TFormReport::openFolder;
}

void TFormReport::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    buildToolbar();
    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    for (QWidget* w :
         std::initializer_list<QWidget*>{speedButton1_, speedButton2_, speedButton3_, speedButton5_,
                                         speedButton7_, speedButton10_, speedButton11_}) {
        toolbar->addWidget(w);
    }
    toolbar->addSpacing(16);
    toolbar->addWidget(speedButton8_);
    toolbar->addWidget(speedButton9_);
    toolbar->addSpacing(8);
    toolbar->addWidget(panel1_);
    toolbar->addStretch(1);
    layout->addLayout(toolbar);

    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setAccessibleName(QStringLiteral("Отчет и документы"));
    pageControl_->addTab(buildReportTab(), QStringLiteral("Отчет"));
    const std::array<QString, 3> documents = {QStringLiteral("Счет"), QStringLiteral("Акт"),
                                              QStringLiteral("Акт Зачета")};
    for (int d = 0; d < 3; ++d) {
        documents_[static_cast<std::size_t>(d)] =
            new DocumentView(QStringLiteral("ScrollBox%1").arg(d + 1),
                             QStringLiteral("PaintBox%1").arg(d + 1), documents[d], this);
        pageControl_->addTab(documents_[static_cast<std::size_t>(d)], documents[d]);
    }
    connect(pageControl_, &QTabWidget::currentChanged, this, &TFormReport::PageControl1Change);
    layout->addWidget(pageControl_, 1);

    addShortcuts();
    FormCreate();
}

TFormReport::~TFormReport() = default;

void TFormReport::setDialogs(TFormSlk* import, TFormReportList* list, TFormChangeRep* replace,
                             TFormErrNDS* vatQuestion) {
    import_ = import;
    list_ = list;
    replace_ = replace;
    vatQuestion_ = vatQuestion;
}

void TFormReport::buildToolbar() {
    speedButton1_ = toolButton(this, QStringLiteral("List"), QStringLiteral("Список отчетов"),
                               QStringLiteral("SpeedButton1"));
    speedButton2_ = toolButton(this, QStringLiteral("Save"), QStringLiteral("Сохранить отчет"),
                               QStringLiteral("SpeedButton2"));
    speedButton3_ = toolButton(this, QStringLiteral("New"), QStringLiteral("Новый отчет"),
                               QStringLiteral("SpeedButton3"));
    speedButton5_ =
        toolButton(this, QStringLiteral("Slk"), QStringLiteral("Загрузить реестр счетов"),
                   QStringLiteral("SpeedButton5"));
    speedButton5_->setToolTip(QString());
    speedButton7_ = toolButton(this, QStringLiteral("Печать"), QStringLiteral("Печать"),
                               QStringLiteral("SpeedButton7"));
    speedButton10_ = toolButton(this, QStringLiteral("PDF"), QStringLiteral("Сохранить в PDF"),
                                QStringLiteral("SpeedButton10"));
    speedButton11_ =
        toolButton(this, QStringLiteral("Отправить"),
                   QStringLiteral("Отправить документы по почте"), QStringLiteral("SpeedButton11"));
    speedButton8_ = toolButton(this, QStringLiteral("SLK"), QStringLiteral("Данные из файла *.slk"),
                               QStringLiteral("SpeedButton8"));
    speedButton9_ = toolButton(this, QStringLiteral("Manual"), QStringLiteral("Ручной ввод данных"),
                               QStringLiteral("SpeedButton9"));
    // One mode is always on: checking one button, from wherever, unchecks the other.
    modeButtons_ = new QButtonGroup(this);
    modeButtons_->setExclusive(true);
    for (QToolButton* button : {speedButton8_, speedButton9_}) {
        button->setCheckable(true);
        modeButtons_->addButton(button);
    }
    speedButton8_->setChecked(true);
    panel1_ = toolButton(this, QString(), QStringLiteral("Zone "), QStringLiteral("Panel1"));
    panel1_->setAutoRaise(false);
    panel1_->setMinimumWidth(32);

    connect(speedButton1_, &QToolButton::clicked, this, &TFormReport::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TFormReport::SpeedButton2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &TFormReport::SpeedButton3Click);
    connect(speedButton5_, &QToolButton::clicked, this, &TFormReport::SpeedButton5Click);
    connect(speedButton7_, &QToolButton::clicked, this, &TFormReport::SpeedButton7Click);
    connect(speedButton10_, &QToolButton::clicked, this, &TFormReport::SpeedButton10Click);
    connect(speedButton11_, &QToolButton::clicked, this, &TFormReport::SpeedButton11Click);
    connect(speedButton8_, &QToolButton::toggled, this,
            [this](bool checked) { modeButtonToggled(ReportMode::Slk, checked); });
    connect(speedButton9_, &QToolButton::toggled, this,
            [this](bool checked) { modeButtonToggled(ReportMode::Manual, checked); });
    connect(panel1_, &QToolButton::clicked, this, &TFormReport::Panel1Click);
}

QWidget* TFormReport::buildReportTab() {
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("TabSheet1"));
    auto* top = new QHBoxLayout;
    top->addWidget(buildNumberGroups());
    top->addWidget(buildPeriodGroup());
    top->addStretch(1);

    // Made after the totals and "Get" above it, so that Tab reaches it after them.
    QWidget* totals = buildTotals();
    grid_ = new ReportGrid(context_, tab);
    grid_->onCellEdited = [this](int column) { StringGrid1CellEdited(column); };

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
            edits_[static_cast<std::size_t>(number)] = edit;
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
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<int, QString>, 5> fields = {{{7, QStringLiteral("Начисл. доход")},
                                                            {8, QStringLiteral("Ндс")},
                                                            {9, QStringLiteral("C Ндс")},
                                                            {10, QStringLiteral("Вознагражд.")},
                                                            {11, QStringLiteral("Тарвелу")}}};
    int column = 0;
    for (const auto& [number, caption] : fields) {
        QLineEdit* edit = number == 10 ? field(box, number, 10, QStringLiteral("[0-9,.\\-]*"))
                                       : field(box, number, 0, QString());
        edit->setReadOnly(number != 10);
        edit->setFixedWidth(110);
        grid->addWidget(captionFor(box, caption, edit, caption), 0, column);
        grid->addWidget(edit, 1, column);
        edits_[static_cast<std::size_t>(number)] = edit;
        ++column;
    }
    edits_[10]->installEventFilter(this);
    edits_[10]->setToolTip(QStringLiteral(
        "Двойной щелчок или Ctrl+Shift+R в ручном режиме: вознаграждение открытого отчета"));
    // Typed, pasted, dropped or set by an assistive tool: every change of the user's counts.
    connect(edits_[10], &QLineEdit::textChanged, this, [this] { Edit10Change(); });

    speedButton4_ = toolButton(box, QStringLiteral("Get"), QStringLiteral("Рассчитать"),
                               QStringLiteral("SpeedButton4"));
    speedButton4_->setToolTip(QString());
    speedButton4_->setAutoRaise(false);
    connect(speedButton4_, &QToolButton::clicked, this, &TFormReport::SpeedButton4Click);
    grid->addWidget(speedButton4_, 1, column);
    grid->setColumnStretch(column + 1, 1);
    return box;
}

QWidget* TFormReport::buildPeriodGroup() {
    periodGroup_ = new QGroupBox(QStringLiteral("Отчетный период"), this);
    periodGroup_->setObjectName(QStringLiteral("GroupBox3"));
    comboBox1_ = new NamedList(QStringLiteral("Месяц"), periodGroup_);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    for (int m = 0; m < 12; ++m) {
        comboBox1_->addItem(fromCp1251(monthName(m)));
    }
    comboBox2_ = new NamedList(QStringLiteral("Год"), periodGroup_);
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    for (int y = 0; y < Period::kYearCount; ++y) {
        comboBox2_->addItem(fromCp1251(yearText(y)));
    }
    checkBox1_ = new QCheckBox(QStringLiteral("Документ сдан"), periodGroup_);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->setToolTip(QStringLiteral("Документ сдан"));
    connect(comboBox1_, &QComboBox::activated, this, [this] { ComboBox1Select(); });
    connect(comboBox2_, &QComboBox::currentIndexChanged, this, [this] { ComboBox2Change(); });
    // The VAT rate follows the period however it is set: by the user, an import or a report.
    vatRateLabel_ = new QLabel(periodGroup_);
    vatRateLabel_->setObjectName(QStringLiteral("LabelVatRate"));
    for (QComboBox* list : {comboBox1_, comboBox2_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { showVatRate(); });
    }
    showVatRate();

    // The rate stands under the period it belongs to, so the groups beside keep their room.
    auto* rows = new QGridLayout(periodGroup_);
    rows->addWidget(comboBox1_, 0, 0);
    rows->addWidget(comboBox2_, 0, 1);
    rows->addWidget(checkBox1_, 0, 2);
    rows->addWidget(vatRateLabel_, 1, 0, 1, 2);
    return periodGroup_;
}

void TFormReport::addShortcuts() {
    // What a double click on a group or on the remuneration does, the keyboard does too.
    const std::array<std::pair<const char*, void (TFormReport::*)()>, 3> keys = {{
        {"Ctrl+Shift+N", &TFormReport::GroupBox1DblClick},
        {"Ctrl+Shift+D", &TFormReport::GroupBox2DblClick},
        {"Ctrl+Shift+R", &TFormReport::Edit10DblClick},
    }};
    for (const auto& [key, handler] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), this);
        connect(shortcut, &QShortcut::activated, this, handler);
    }
}

void TFormReport::FormCreate() {
    screen_ = screenGeometry(*this);
    metricsDevice_ = QImage(8, 8, QImage::Format_RGB32);
    metricsDevice_.setDotsPerMeterX(static_cast<int>(std::lround(screen_.scale.sx * 1000)));
    metricsDevice_.setDotsPerMeterY(static_cast<int>(std::lround(screen_.scale.sy * 1000)));
    screenMetrics_ = std::make_unique<QtTextMetrics>(&metricsDevice_);

    showZoneDigit();
    try {
        context_.reports.list = FindFilesReport(context_.store.DataFolder);
    } catch (const IoError& error) {
        pendingMessage_ = QString::fromStdString(error.message());
    }
    proposeNewReport();
    setMode(ReportMode::Slk);
    setEditState();
    speedButton2_->setEnabled(false);
    speedButton3_->setEnabled(false);
    speedButton7_->setEnabled(false);
    speedButton10_->setEnabled(false);
    speedButton11_->setEnabled(false);
}

bool TFormReport::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (watched == edits_[10]) {
        if (doubleClick) {
            Edit10DblClick();
        }
    } else if ((watched == numberGroup_ || watched == dateGroup_) && (click || doubleClick) &&
               onGroupItself(*static_cast<QWidget*>(watched), *event)) {
        if (watched == numberGroup_ && doubleClick) {
            GroupBox1DblClick();
        } else if (watched == dateGroup_ && click) {
            GroupBox2Click();
        } else if (watched == dateGroup_) {
            GroupBox2DblClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}

const DocumentView* TFormReport::documentView(Tab tab) const {
    return tab == ReportTab ? nullptr : documents_[static_cast<std::size_t>(tab) - 1];
}

} // namespace kestrelon
