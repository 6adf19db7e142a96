#include "tform_report.h"

#include "document_view.h"
#include "documents/page/screen_scale.h"
#include "render/qt_text_metrics.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/flow_layout.h"
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
    : LazyDialog(parent), context_(context), session_(context.store, context.reports),
      dialogs_(std::make_unique<QtReportDialogs>()), folders_(context) {
    setObjectName(QStringLiteral("FormReport"));
    setWindowTitle(QStringLiteral("Отчеты агента"));
    setFixedSize(kDesignedSize);
}

void TFormReport::build() {
    // The tabs scroll when the window is fitted into a screen smaller than the designed size;
    // the toolbar above them stays in view, on as many lines as the width needs.
    auto* layout = new QVBoxLayout(makeScrollableBody(*this));
    layout->setContentsMargins(4, 0, 4, 4);
    buildToolbar();
    auto* toolbar = new FlowLayout(nullptr, 2);
    toolbar->setContentsMargins(4, 4, 4, 4);
    for (QWidget* w : std::initializer_list<QWidget*>{listButton_, saveButton_, newButton_,
                                                      importButton_, printButton_, pdfButton_,
                                                      mailButton_, edoButton_, paymentButton_}) {
        toolbar->addWidget(w);
    }
    toolbar->addGapAfterLast(16);
    toolbar->addWidget(registerModeButton_);
    toolbar->addWidget(manualModeButton_);
    toolbar->addGapAfterLast(8);
    toolbar->addWidget(zoneButton_);
    toolbar->addGapAfterLast(16);
    static_cast<QVBoxLayout*>(this->layout())->insertLayout(0, toolbar);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl1"));
    tabs_->setAccessibleName(QStringLiteral("Отчет и документы"));
    tabs_->addTab(buildReportTab(), QStringLiteral("Отчет"));
    const std::array<QString, 3> documents = {QStringLiteral("Счет"), QStringLiteral("Акт"),
                                              QStringLiteral("Акт Зачета")};
    for (int d = 0; d < 3; ++d) {
        documents_[static_cast<std::size_t>(d)] =
            new DocumentView(QStringLiteral("ScrollBox%1").arg(d + 1),
                             QStringLiteral("PaintBox%1").arg(d + 1), documents[d], this);
        tabs_->addTab(documents_[static_cast<std::size_t>(d)], documents[d]);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, userAction(&TFormReport::tabChanged));
    toolbar->addWidget(buildZoomList());
    layout->addWidget(tabs_, 1);

    addShortcuts();
    start();
}

TFormReport::~TFormReport() = default;

void TFormReport::setDialogs(TFormSlk* import, TFormReportList* list, TFormChangeRep* replace,
                             TFormErrNDS* vatQuestion) {
    import_ = import;
    list_ = list;
    replace_ = replace;
    vatQuestion_ = vatQuestion;
}

void TFormReport::setReportDialogs(std::unique_ptr<ReportDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
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
    listButton_ = toolButton(this, QStringLiteral("List"), QStringLiteral("Список отчетов"),
                             QStringLiteral("SpeedButton1"));
    saveButton_ = toolButton(this, QStringLiteral("Save"), QStringLiteral("Сохранить отчет"),
                             QStringLiteral("SpeedButton2"));
    newButton_ = toolButton(this, QStringLiteral("New"), QStringLiteral("Новый отчет"),
                            QStringLiteral("SpeedButton3"));
    importButton_ =
        toolButton(this, QStringLiteral("Slk"), QStringLiteral("Загрузить реестр счетов"),
                   QStringLiteral("SpeedButton5"));
    importButton_->setToolTip(QString());
    printButton_ = toolButton(this, QStringLiteral("Печать"), QStringLiteral("Печать"),
                              QStringLiteral("SpeedButton7"));
    pdfButton_ = toolButton(this, QStringLiteral("PDF"), QStringLiteral("Сохранить в PDF"),
                            QStringLiteral("SpeedButton10"));
    mailButton_ =
        toolButton(this, QStringLiteral("Отправить"),
                   QStringLiteral("Отправить документы по почте"), QStringLiteral("SpeedButton11"));
    edoButton_ =
        toolButton(this, QStringLiteral("ЭДО"), QStringLiteral("Выгрузить документы для ЭДО"),
                   QStringLiteral("SpeedButton12"));
    paymentButton_ = toolButton(this, QStringLiteral("Платежка"),
                                QStringLiteral("Платежное поручение принципалу для банка"),
                                QStringLiteral("SpeedButton13"));
    registerModeButton_ =
        toolButton(this, QStringLiteral("SLK"), QStringLiteral("Данные из файла *.slk"),
                   QStringLiteral("SpeedButton8"));
    manualModeButton_ =
        toolButton(this, QStringLiteral("Manual"), QStringLiteral("Ручной ввод данных"),
                   QStringLiteral("SpeedButton9"));
    // One mode is always on: checking one button, from wherever, unchecks the other.
    modeButtons_ = new QButtonGroup(this);
    modeButtons_->setExclusive(true);
    for (const auto& [button, mode] : {std::pair{registerModeButton_, ReportMode::Slk},
                                       std::pair{manualModeButton_, ReportMode::Manual}}) {
        button->setCheckable(true);
        modeButtons_->addButton(button, static_cast<int>(mode));
    }
    registerModeButton_->setChecked(true);
    zoneButton_ = toolButton(this, QString(), QStringLiteral("Zone "), QStringLiteral("Panel1"));
    zoneButton_->setAutoRaise(false);
    zoneButton_->setMinimumWidth(32);

    const std::array<std::pair<QToolButton*, void (TFormReport::*)()>, 10> clicks = {{
        {listButton_, &TFormReport::listClicked},
        {saveButton_, &TFormReport::saveClicked},
        {newButton_, &TFormReport::newClicked},
        {importButton_, &TFormReport::importClicked},
        {printButton_, &TFormReport::printClicked},
        {pdfButton_, &TFormReport::pdfClicked},
        {mailButton_, &TFormReport::mailClicked},
        {edoButton_, &TFormReport::edoClicked},
        {paymentButton_, &TFormReport::paymentClicked},
        {zoneButton_, &TFormReport::zoneClicked},
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
        {"Ctrl+Shift+N", &TFormReport::copyNumbersAsked},
        {"Ctrl+Shift+D", &TFormReport::copyDatesAsked},
        {"Ctrl+Shift+R", &TFormReport::restoreRemunerationAsked},
    }};
    for (const auto& [key, handler] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), this);
        connect(shortcut, &QShortcut::activated, this, userAction(handler));
    }
}

void TFormReport::start() {
    screen_ = screenGeometry(*this);
    metricsDevice_ = QImage(8, 8, QImage::Format_RGB32);
    metricsDevice_.setDotsPerMeterX(static_cast<int>(std::lround(screen_.scale.sx * 1000)));
    metricsDevice_.setDotsPerMeterY(static_cast<int>(std::lround(screen_.scale.sy * 1000)));
    screenMetrics_ = std::make_unique<QtTextMetrics>(&metricsDevice_);

    const QDate today = context_.today();
    say(session_.start({today.year(), today.month(), today.day()}));
    showSession();
    for (QWidget* control : std::initializer_list<QWidget*>{
             printButton_, pdfButton_, mailButton_, edoButton_, paymentButton_, zoomList_}) {
        control->setEnabled(false);
    }
}

bool TFormReport::eventFilter(QObject* watched, QEvent* event) {
    const bool click = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    void (TFormReport::*handler)() = nullptr;
    if (watched == fieldEdit(ReportField::Remuneration)) {
        if (doubleClick) {
            handler = &TFormReport::restoreRemunerationAsked;
        }
    } else if ((watched == numberGroup_ || watched == dateGroup_) && (click || doubleClick) &&
               onGroupItself(*static_cast<QWidget*>(watched), *event)) {
        if (watched == numberGroup_ && doubleClick) {
            handler = &TFormReport::copyNumbersAsked;
        } else if (watched == dateGroup_ && click) {
            // A click on the dates' group copies the numbers, as it always did.
            handler = &TFormReport::copyNumbersAsked;
        } else if (watched == dateGroup_) {
            handler = &TFormReport::copyDatesAsked;
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
