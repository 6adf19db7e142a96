#include "enter_moves_on.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace kestrelon {
namespace {

bool isEnter(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

// Sees the Enter keys that the card's fields leave to the card, before the card would press
// its default button with them.
class EnterMovesOn : public QObject {
public:
    explicit EnterMovesOn(QDialog& card) : QObject(&card), card_(card) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &card_ || event->type() != QEvent::KeyPress ||
            !isEnter(*static_cast<QKeyEvent*>(event))) {
            return false;
        }
        QWidget* focus = card_.focusWidget();
        // Grids and text boxes give Enter their own meaning.
        if (focus == nullptr || qobject_cast<QAbstractScrollArea*>(focus) != nullptr) {
            return false;
        }
        if (qobject_cast<QPushButton*>(focus) || qobject_cast<QToolButton*>(focus)) {
            static_cast<QAbstractButton*>(focus)->click();
        } else {
            // The field's own Tab handling keeps to the card's tab order.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(focus, &tab);
        }
        event->accept();
        return true;
    }

private:
    QDialog& card_;
};

} // namespace

void moveOnWithEnter(QDialog& window) {
    // No button is the default one, also not by the dialog's choosing when it is shown: Enter
    // presses only the button that has the focus.
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    window.installEventFilter(new EnterMovesOn(window));
}

} // namespace kestrelon
