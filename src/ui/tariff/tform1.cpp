#include "tform1.h"

#include "price_grid.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/plain_text_memo.h"
#include "ui/widgets/system_locale.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

constexpr int kPercentCounterStart = 50;
constexpr int kLimitFieldWidth = 90;

QString askFileName(QWidget* parent, TForm1::FileQuestion question) {
    QFileDialog dialog(parent);
    switch (question) {
    case TForm1::FileQuestion::Open:
        dialog.setWindowTitle(QStringLiteral("Открыть файл"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(
            QStringLiteral("Прайс-листы (*.txt *.TXT *.trf *.TRF);;Все файлы (*)"));
        break;
    case TForm1::FileQuestion::SaveText:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.setNameFilter(QStringLiteral("Текст (*.txt)"));
        break;
    case TForm1::FileQuestion::SavePriceImage:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("trf"));
        dialog.setNameFilter(QStringLiteral("Прайс-лист (*.trf)"));
        break;
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// A sunken panel showing a figure, centred: beside a counter and in the status bar.
QLabel* makeFigurePanel(QWidget* parent, const QString& name) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

} // namespace

TForm1::TForm1(AppContext& context, QWidget* parent)
    : LazyDialog(parent), context_(context), list_(systemDecimalSeparator()),
      chooseFile_(askFileName) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Наценка на прайс-лист"));
    resize(kDesignedSize);
}

void TForm1::build() {

    const std::array captions = {"Open", "Save", "X10", "X100", "Фунция", "Copy till", "Reset"};
    const std::array handlers = {&TForm1::SpeedButton1Click, &TForm1::SpeedButton2Click,
                                 &TForm1::SpeedButton3Click, &TForm1::SpeedButton4Click,
                                 &TForm1::SpeedButton5Click, &TForm1::SpeedButton6Click,
                                 &TForm1::SpeedButton7Click};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        QToolButton* button = makeSpeedButton(this, QString::fromUtf8(captions[i]), QString(),
                                              QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QToolButton::clicked, this, handlers[i]);
        buttons_[i + 1] = button;
    }
    buttons_[1]->setToolTip(QStringLiteral("Открыть файл"));
    buttons_[3]->setCheckable(true);
    buttons_[4]->setCheckable(true);
    QHBoxLayout* toolbar = toolbarRow({buttons_[1], buttons_[2], buttons_[3], buttons_[4],
                                       buttons_[5], buttons_[6], buttons_[7]});

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setReadOnly(true);
    edit1_->setAccessibleName(QStringLiteral("Наименование строки или итоги выделения"));
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setAccessibleName(QStringLiteral("Граница для Copy till"));
    edit2_->setFixedWidth(kLimitFieldWidth);
    // No more than "Copy till" reads: the limit it works on is the one in sight.
    edit2_->setMaxLength(static_cast<int>(tariff::PriceList::kLimitLength));
    edit2_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,.]*")), edit2_));
    connect(edit2_, &QLineEdit::returnPressed, this, [this] {
        if (buttons_[6]->isEnabled()) {
            SpeedButton6Click();
        }
    });
    auto* controls = new QHBoxLayout;
    controls->addWidget(buildPercentGroup(QStringLiteral("%"), 1));
    controls->addWidget(buildPercentGroup(QStringLiteral("All %"), 2));
    controls->addWidget(edit1_, 1, Qt::AlignBottom);
    controls->addWidget(edit2_, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(toolbar);
    layout->addLayout(controls);
    layout->addWidget(buildPages(), 1);
    buildStatusBar(layout);

    // Nothing to save and nothing to mark up until a list is read.
    buttons_[2]->setEnabled(false);
    enableLineControls(false);
}

QWidget* TForm1::buildPercentGroup(const QString& title, int number) {
    auto* group = new QGroupBox(title, this);
    group->setObjectName(QStringLiteral("GroupBox%1").arg(number));
    auto* counter = new QSpinBox(group);
    counter->setObjectName(QStringLiteral("UpDown%1").arg(number));
    counter->setRange(0, static_cast<int>(tariff::kMaxPercent));
    counter->setValue(number == 1 ? kPercentCounterStart
                                  : static_cast<int>(tariff::PriceList::kStartAllPercent));
    // A typed percentage counts once it is complete, not at every digit.
    counter->setKeyboardTracking(false);
    counter->setAccessibleName(number == 1 ? QStringLiteral("Наценка выбранной строки, %")
                                           : QStringLiteral("Наценка всех строк, %"));
    // The counter's text field is what the keyboard reaches: it carries the same name.
    if (auto* text = counter->findChild<QLineEdit*>()) {
        text->setAccessibleName(counter->accessibleName());
    }
    QLabel* panel = makeFigurePanel(group, QStringLiteral("Panel%1").arg(number));
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(QStringLiteral("5000")) + 12);
    panel->setText(QString::number(counter->value()));
    panel->setAccessibleName(counter->accessibleName());
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 6);
    row->addWidget(counter);
    row->addWidget(panel);
    if (number == 1) {
        upDown1_ = counter;
        panel1_ = panel;
        connect(counter, &QSpinBox::valueChanged, this, &TForm1::UpDown1Click);
    } else {
        upDown2_ = counter;
        panel2_ = panel;
        connect(counter, &QSpinBox::valueChanged, this, &TForm1::UpDown2Click);
    }
    return group;
}

QWidget* TForm1::buildPages() {
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setAccessibleName(QStringLiteral("Страницы прайс-листа"));

    memo_ = new PlainTextMemo(pageControl_);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setAccessibleName(QStringLiteral("Текст прайс-листа"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control, so that the keyboard can leave the text.
    memo_->setTabChangesFocus(true);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TForm1::Memo1Change);

    using Model = PriceGridModel;
    const auto grid = [this](Model::Source source, Model::Layout layout, std::vector<int> widths,
                             const char* name, const QString& accessibleName) {
        auto* model = new Model(list_, source, layout, this);
        auto* view = new PriceGrid(model, widths, pageControl_);
        view->setObjectName(QString::fromLatin1(name));
        view->setAccessibleName(accessibleName);
        return view;
    };
    editGrid_ = grid(Model::Source::Lines, Model::Layout::NamePriceMarkedUp, {572, 70, 64},
                     "StringGrid1", QStringLiteral("Строки прайс-листа"));
    outputGrid_ = grid(Model::Source::Lines, Model::Layout::NameMarkedUp, {640, 70}, "StringGrid2",
                       QStringLiteral("Прайс-лист с наценкой"));
    copyGrid_ = grid(Model::Source::CopiedLines, Model::Layout::NameMarkedUp, {640, 70},
                     "StringGrid3", QStringLiteral("Скопированные строки"));
    editGrid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    connect(editGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { StringGrid1SelectCell(current.row()); });
    editGrid_->onSelectionSettled = [this] { StringGrid1MouseUp(); };

    const std::array<std::pair<QWidget*, const char*>, 4> pages = {
        {{memo_, "File.txt"}, {editGrid_, "Edit"}, {outputGrid_, "Output"}, {copyGrid_, "Copy"}}};
    for (const auto& [page, caption] : pages) {
        pageControl_->addTab(page, QString::fromLatin1(caption));
    }
    connect(pageControl_, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    return pageControl_;
}

void TForm1::buildStatusBar(QLayout* layout) {
    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        QLabel* panel = makeFigurePanel(statusBar, QStringLiteral("StatusPanel%1").arg(i));
        // Four equal panels whatever they show.
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        statusBar->addWidget(panel, 1);
        statusPanels_[i] = panel;
    }
    setPanel(3, QStringLiteral("4096"));
    layout->addWidget(statusBar);
}

void TForm1::setPanel(int panel, const QString& text) {
    QLabel* label = statusPanels_[static_cast<std::size_t>(panel)];
    label->setText(text);
    label->setAccessibleName(text);
}

} // namespace kestrelon
