#include "tform_report.h"

#include "document_view.h"
#include "documents/page/screen_scale.h"
#include "render/qt_text_metrics.h"
#include "reports/files/report_scan.h"
#include "store/io_error.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/scrollable_body.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace kestrelon {
namespace {

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
    chooseEdoFolder_ = &TFormReport::askEdoFolder;
    askEdoDetails_ = &TFormReport::askEdoDetails;
    askPaymentDetails_ = &TFormReport::askPaymentDetails;
    choosePaymentFile_ = &TFormReport::askPaymentFileName;
    showFolder_ = &TFormReport::openFolder;
    choosePrinter_ = &TFormReport::askPrinter;
}

void TFormReport::build() {
    // Scrolls when the window is fitted into a screen smaller than the designed size.
    auto* layout = new QVBoxLayout(makeScrollableBody(*this));
    layout->setContentsMargins(4, 4, 4, 4);
    buildToolbar();
    auto* toolbar = new QHBoxLayout;
    toolbar->setSpacing(2);
    for (QWidget* w : std::initializer_list<QWidget*>{
             speedButton1_, speedButton2_, speedButton3_, speedButton5_, speedButton7_,
             speedButton10_, speedButton11_, speedButton12_, speedButton13_}) {
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
    connect(pageControl_, &QTabWidget::currentChanged, this,
            userAction(&TFormReport::PageControl1Change));
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

QToolButton* TFormReport::toolButton(QWidget* parent, const QString& caption, const QString& hint,
                                     const QString& name) {
    QToolButton* button = makeSpeedButton(parent, caption, hint, name);
    if (!hint.isEmpty()) {
        button->setAccessibleDescription(hint);
    }
    return button;
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
    speedButton12_ =
        toolButton(this, QStringLiteral("ЭДО"), QStringLiteral("Выгрузить документы для ЭДО"),
                   QStringLiteral("SpeedButton12"));
    speedButton13_ = toolButton(this, QStringLiteral("Платежка"),
                                QStringLiteral("Платежное поручение принципалу для банка"),
                                QStringLiteral("SpeedButton13"));
    speedButton8_ = toolButton(this, QStringLiteral("SLK"), QStringLiteral("Данные из файла *.slk"),
                               QStringLiteral("SpeedButton8"));
    speedButton9_ = toolButton(this, QStringLiteral("Manual"), QStringLiteral("Ручной ввод данных"),
                               QStringLiteral("SpeedButton9"));
    // One mode is always on: checking one button, from wherever, unchecks the other.
    modeButtons_ = new QButtonGroup(this);
    modeButtons_->setExclusive(true);
    for (const auto& [button, mode] : {std::pair{speedButton8_, ReportMode::Slk},
                                       std::pair{speedButton9_, ReportMode::Manual}}) {
        button->setCheckable(true);
        modeButtons_->addButton(button, static_cast<int>(mode));
    }
    speedButton8_->setChecked(true);
    panel1_ = toolButton(this, QString(), QStringLiteral("Zone "), QStringLiteral("Panel1"));
    panel1_->setAutoRaise(false);
    panel1_->setMinimumWidth(32);

    const std::array<std::pair<QToolButton*, void (TFormReport::*)()>, 10> clicks = {{
        {speedButton1_, &TFormReport::SpeedButton1Click},
        {speedButton2_, &TFormReport::SpeedButton2Click},
        {speedButton3_, &TFormReport::SpeedButton3Click},
        {speedButton5_, &TFormReport::SpeedButton5Click},
        {speedButton7_, &TFormReport::SpeedButton7Click},
        {speedButton10_, &TFormReport::SpeedButton10Click},
        {speedButton11_, &TFormReport::SpeedButton11Click},
        {speedButton12_, &TFormReport::SpeedButton12Click},
        {speedButton13_, &TFormReport::SpeedButton13Click},
        {panel1_, &TFormReport::Panel1Click},
    }};
    for (const auto& [button, handler] : clicks) {
        connect(button, &QToolButton::clicked, this, userAction(handler));
    }
    connect(modeButtons_, &QButtonGroup::idToggled, this,
            userAction(&TFormReport::modeButtonToggled));
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
        connect(shortcut, &QShortcut::activated, this, userAction(handler));
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
    speedButton12_->setEnabled(false);
    speedButton13_->setEnabled(false);
}

bool TFormReport::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    void (TFormReport::*handler)() = nullptr;
    if (watched == edits_[10]) {
        if (doubleClick) {
            handler = &TFormReport::Edit10DblClick;
        }
    } else if ((watched == numberGroup_ || watched == dateGroup_) && (click || doubleClick) &&
               onGroupItself(*static_cast<QWidget*>(watched), *event)) {
        if (watched == numberGroup_ && doubleClick) {
            handler = &TFormReport::GroupBox1DblClick;
        } else if (watched == dateGroup_ && click) {
            handler = &TFormReport::GroupBox2Click;
        } else if (watched == dateGroup_) {
            handler = &TFormReport::GroupBox2DblClick;
        }
    }
    if (handler != nullptr) {
        act(handler);
    }
    return QDialog::eventFilter(watched, event);
}

const DocumentView* TFormReport::documentView(Tab tab) const {
    return tab == ReportTab ? nullptr : documents_[static_cast<std::size_t>(tab) - 1];
}

} // namespace kestrelon
