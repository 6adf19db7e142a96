#include "function_field_rows.h"

#include "ui/widgets/qt_text.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

constexpr int kFontPixels = 17;
constexpr int kFieldLeft = 8;
constexpr int kFieldTop = 24;
constexpr int kFieldHeight = 27;
constexpr int kGroupHeight = kFieldTop + kFieldHeight + 8;

QGroupBox* makeGroup(QWidget* parent, const QString& caption, const char* name, QColor colour,
                     bool bold) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    font.setBold(bold);
    group->setFont(font);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    group->setPalette(palette);
    group->setFixedHeight(kGroupHeight);
    group->setMinimumWidth(2 * kFieldLeft + 7 * FunctionFieldRows::kFieldPitch +
                           FunctionFieldRows::kFieldWidth);
    return group;
}

} // namespace

FunctionFieldRows::FunctionFieldRows(QWidget* parent) : QWidget(parent) {
    QGroupBox* from =
        makeGroup(this, QStringLiteral("From"), "GroupBox1", QColor(0, 0, 128), false);
    QGroupBox* rates = makeGroup(this, QStringLiteral("%"), "GroupBox2", QColor(255, 0, 0), true);
    for (int number = 0; number < tariff::kFieldCount; ++number) {
        const bool isRate = tariff::isRateField(number);
        const int column = isRate ? number - tariff::kFirstRateField : number;
        auto* edit = new QLineEdit(isRate ? rates : from);
        edit->setObjectName(QStringLiteral("Edit%1").arg(number));
        edit->setAccessibleName(
            (isRate ? QStringLiteral("% %1") : QStringLiteral("От %1")).arg(column));
        // The length is limited where the user types (beyondLength): a line edit's own limit
        // would also cut the texts the program shows, and moving through the fields would
        // then commit the cut amounts.
        edit->setGeometry(kFieldLeft + kFieldPitch * column, kFieldTop, kFieldWidth, kFieldHeight);
        QFont fieldFont(QStringLiteral("Arial"));
        fieldFont.setPixelSize(kFieldFontPixels);
        edit->setFont(fieldFont);
        // Pasted or dropped text would bypass the key filter; what is committed is checked
        // anyway, but the menu and a drop would only invite texts that are refused.
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        edit->setAcceptDrops(false);
        edit->installEventFilter(this);
        fields_[static_cast<std::size_t>(number)] = edit;
    }
    fields_[0]->setText(QStringLiteral("0"));
    fields_[0]->setReadOnly(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(from);
    layout->addWidget(rates);
}

tariff::FieldTexts FunctionFieldRows::texts() const {
    tariff::FieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = toCp1251(fields_[i]->text());
    }
    return texts;
}

void FunctionFieldRows::showTexts(const tariff::FieldTexts& texts) {
    for (std::size_t i = 1; i < texts.size(); ++i) {
        fields_[i]->setText(fromCp1251(texts[i]));
    }
}

bool FunctionFieldRows::typedIn(int number) const {
    return field(number)->isModified();
}

bool FunctionFieldRows::admitted(const QKeyEvent& event) {
    if (event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Copy)) {
        return true; // they leave the text as it is
    }
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return true; // a modifier or function key on its own types nothing
    }
    if (text.size() != 1 || event.modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    const QChar c = text.at(0);
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ||
           c == QLatin1Char('.');
}

bool FunctionFieldRows::beyondLength(int number, const QKeyEvent& event) const {
    if (event.text().isEmpty() || !event.text().at(0).isPrint()) {
        return false; // types nothing
    }
    const QLineEdit* edit = field(number);
    const int limit = tariff::isRateField(number) ? kRateLength : kFromLength;
    return edit->text().size() - edit->selectedText().size() >= limit;
}

int FunctionFieldRows::numberOf(const QObject* watched) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i] == watched) {
            return static_cast<int>(i);
        }
    }
    return tariff::kNoField;
}

bool FunctionFieldRows::eventFilter(QObject* watched, QEvent* event) {
    const int number = numberOf(watched);
    if (number == tariff::kNoField) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (keyPressed) {
            keyPressed(number);
        }
        if (!admitted(key) || beyondLength(number, key)) {
            return true;
        }
        if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && returnPressed) {
            returnPressed(number);
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        // Coming back from a message box or another window is not entering the field.
        const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && entered) {
            entered(number);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kestrelon
