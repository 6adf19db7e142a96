#include "tform2.h"

#include "function_field_rows.h"
#include "function_graph.h"
#include "system_time.h"
#include "tariff/function_fields.h"
#include "tariff/function_table.h"
#include "tform_func.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/shown_entry.h"
#include "ui/widgets/system_locale.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

constexpr int kWindowFontPixels = 13;

QTimer* makeOneShot(QObject* parent, const char* name, int interval) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setSingleShot(true);
    timer->setInterval(interval);
    return timer;
}

} // namespace

TForm2::TForm2(AppContext& context, QWidget* parent) : LazyDialog(parent), context_(context) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Фунция       (beta)"));
}

void TForm2::build() {
    QFont windowFont = font();
    windowFont.setPixelSize(kWindowFontPixels);
    setFont(windowFont);

    speedButton1_ = makeSpeedButton(this, QStringLiteral("List"), QStringLiteral("Список функций"),
                                    "SpeedButton1");
    speedButton2_ = makeSpeedButton(this, QStringLiteral("Add"), QStringLiteral("Добавить функцию"),
                                    "SpeedButton2");
    connect(speedButton1_, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setAccessibleName(QStringLiteral("Название функции"));
    comboBox1_->setEditable(true);
    // The typed text is the name for "Add": Enter neither adds it to the list nor picks a
    // stored function that merely resembles it, and nothing is completed behind the user.
    comboBox1_->setInsertPolicy(QComboBox::NoInsert);
    comboBox1_->setDuplicatesEnabled(true);
    comboBox1_->setCompleter(nullptr);
    // No longer than a name is stored: the name "Add" stores is the one in sight.
    comboBox1_->lineEdit()->setMaxLength(static_cast<int>(tariff::kNameLength));
    comboBox1_->lineEdit()->setAccessibleName(comboBox1_->accessibleName());
    comboBox1_->setMinimumWidth(300);
    keepShownEntrySelected(*comboBox1_);
    connect(comboBox1_, &QComboBox::activated, this, &TForm2::ComboBox1Select);

    fields_ = new FunctionFieldRows(this);
    fields_->keyPressed = [this](int field) { EditKeyPress(field); };
    fields_->entered = [this](int field) { EditEnter(field); };
    fields_->returnPressed = [this](int field) { EditReturn(field); };

    paintBox1_ = new FunctionGraph(this);
    button1_ = makeButton(this, QStringLiteral("Применить"), "Button1", &TForm2::Button1Click);
    // Enter in a field commits it; it never closes the editor.
    button1_->setAutoDefault(false);

    timer1_ = makeOneShot(this, "Timer1", kCommitDelay);
    timer2_ = makeOneShot(this, "Timer2", kRelayoutDelay);
    connect(timer1_, &QTimer::timeout, this, &TForm2::Timer1Timer);
    connect(timer2_, &QTimer::timeout, this, &TForm2::Timer2Timer);

    QHBoxLayout* toolbar = toolbarRow({speedButton1_, speedButton2_, comboBox1_});
    auto* layout = new QVBoxLayout(this);
    // The paint area is 630 pixels wide in the designed 645-pixel window.
    layout->setContentsMargins(7, 4, 8, 6);
    layout->addLayout(toolbar);
    layout->addWidget(fields_);
    layout->addWidget(paintBox1_);
    layout->addStretch(1);
    layout->addWidget(button1_);
    resize(kDesignedSize);
    layout->activate();

    // Creation work, done once per run.
    showStoredFunctions(-1);
    context_.tariff.SelectedFunction = 0;
    InitDraw();
    ShowArFuncBuf();
}

void TForm2::setFunctionList(TFormFunc* list) {
    list_ = list;
}

bool TForm2::openForApply() {
    applied_ = false;
    exec();
    return applied_;
}

void TForm2::updateButtons() {
    const std::size_t count = context_.store.FunctionCount;
    speedButton1_->setEnabled(count > 0);
    speedButton2_->setEnabled(count < tariff::kMaxFunctions);
}

void TForm2::showStoredFunctions(int shown) {
    ensureBuilt();
    const QuietListChange quiet(*comboBox1_);
    comboBox1_->clear();
    for (std::size_t i = 0; i < context_.store.FunctionCount; ++i) {
        comboBox1_->addItem(fromCp1251(context_.store.Functions[i].Name.view()));
    }
    comboBox1_->setCurrentIndex(shown < comboBox1_->count() ? shown : -1);
    if (comboBox1_->currentIndex() < 0) {
        comboBox1_->clearEditText();
    }
    updateButtons();
}

void TForm2::chooseFunction(int index) {
    ensureBuilt();
    {
        const QuietListChange quiet(*comboBox1_);
        comboBox1_->setCurrentIndex(index);
    }
    ComboBox1Select(index);
}

void TForm2::ComboBox1Select(int index) {
    DataStore& store = context_.store;
    if (index < 0 || static_cast<std::size_t>(index) >= store.FunctionCount) {
        return;
    }
    context_.tariff.SelectedFunction = static_cast<std::int16_t>(index);
    const TariffFunction& chosen = store.Functions[static_cast<std::size_t>(index)];
    store.EditedFunction.Rates = chosen.Rates;
    store.EditedFunction.Thresholds = chosen.Thresholds;
    ShowArFuncBuf();
    InitDraw();
}

void TForm2::SpeedButton1Click() {
    if (list_ != nullptr && context_.store.FunctionCount > 0) {
        list_->exec();
    }
}

void TForm2::SpeedButton2Click() {
    DataStore& store = context_.store;
    if (store.FunctionCount >= tariff::kMaxFunctions) {
        return;
    }
    timer1_->stop();
    if (!Check()) {
        return;
    }
    const tariff::AddResult result = tariff::AddFunction(
        store, toCp1251(comboBox1_->currentText()), toCp1251(systemLongTime(QTime::currentTime())));
    if (!result.added) {
        if (!result.message.empty()) {
            context_.messages.showMessage(fromCp1251(result.message));
        }
        return;
    }
    const int added = store.FunctionCount - 1;
    context_.tariff.SelectedFunction = static_cast<std::int16_t>(added);
    if (list_ != nullptr) {
        list_->showFunctions(added);
    }
    showStoredFunctions(added);
    try {
        store.SaveFileFunc();
    } catch (const IoError& error) {
        showFileError(context_, error);
    }
}

void TForm2::Button1Click() {
    // A value typed just before the click belongs to what the price-list tool applies.
    timer1_->stop();
    if (!Check()) {
        return;
    }
    applied_ = true;
    accept();
}

void TForm2::reject() {
    // The working copy lives on between openings: a value typed just before closing is
    // part of it, not a change the commit timer makes later behind a closed window. A rate
    // refused here is told, and stays in its field for the next opening.
    if (isVisible()) {
        timer1_->stop();
        Check();
    }
    QDialog::reject();
}

void TForm2::EditKeyPress(int) {
    timer1_->start();
}

void TForm2::EditEnter(int field) {
    if (committing_) {
        return;
    }
    if (currentField_ >= 1 && currentField_ < tariff::kFieldCount) {
        timer1_->stop();
        Check();
    }
    currentField_ = field;
}

void TForm2::EditReturn(int) {
    timer1_->stop();
    Check();
}

void TForm2::Timer1Timer() {
    timer1_->stop();
    Check();
}

void TForm2::Timer2Timer() {
    timer2_->stop();
    InitDraw();
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void TForm2::FormResize() {
    if (timer2_ != nullptr) { // not before the controls are built
        timer2_->start();
    }
}

bool TForm2::Check() {
    // A message shown below runs its own event loop, in which the timer or a field entered
    // must not start a second commit.
    if (committing_) {
        return false;
    }
    committing_ = true;
    // A "From" field only passed through still shows its threshold as the program wrote it;
    // reading that back must change nothing, even where the thresholds came from a file
    // that does not keep them in order.
    const bool typedFrom = tariff::isFromField(currentField_) && fields_->typedIn(currentField_);
    const int committed =
        typedFrom || tariff::isRateField(currentField_) ? currentField_ : tariff::kNoField;
    const tariff::CheckResult result =
        tariff::CheckFields(context_.store.EditedFunction, fields_->texts(), committed);
    if (result.emptyCurrentField) {
        fields_->field(currentField_)->clear();
    }
    if (result.showFunction) {
        ShowArFuncBuf();
    }
    if (!result.stopped) {
        maxRate_ = result.maxRate;
    }
    // The graph shows what was committed, not what was there before.
    InitDraw();
    if (result.stopped) {
        context_.messages.showMessage(fromCp1251(result.message));
    }
    committing_ = false;
    return !result.stopped;
}

void TForm2::ShowArFuncBuf() {
    fields_->showTexts(
        tariff::FunctionFieldTexts(context_.store.EditedFunction, systemDecimalSeparator()));
}

void TForm2::InitDraw() {
    layout_ = tariff::LayoutGraph(paintBox1_->width(), paintBox1_->height(),
                                  context_.store.EditedFunction, systemDecimalSeparator(),
                                  paintBox1_->measure());
    maxRate_ = layout_.maxRate;
    paintBox1_->showGraph(layout_);
}

} // namespace kestrelon
