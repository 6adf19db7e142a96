#include "inn_line_edit.h"

#include "ui/widgets/qt_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace kestrelon {

InnLineEdit::InnLineEdit(QWidget* parent, MessageSink& messages)
    : QLineEdit(parent), messages_(messages) {
    setMaxLength(kMaxDigits);
    // Typed keys: anything but a digit is dropped without a word, as in any digits-only field.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

void InnLineEdit::pasteText(const QString& text) {
    if (isReadOnly()) {
        return;
    }
    const auto kept = static_cast<std::size_t>(this->text().size() - selectedText().size());
    const InnPaste paste = pasteIntoInn(toCp1251(text), kept);
    if (!paste.refusal.empty()) {
        messages_.showMessage(fromCp1251(paste.refusal));
        return;
    }
    insert(fromCp1251(paste.digits));
}

void InnLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteText(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void InnLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's "Paste" is the action it joined to paste(); it is joined to the INN's own
    // paste instead. Qt joins it by the slot's name, newer versions may by its address.
    for (QAction* action : menu->actions()) {
        if (QObject::disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
            connect(action, &QAction::triggered, this,
                    [this] { pasteText(QGuiApplication::clipboard()->text()); });
        }
    }
    menu->popup(event->globalPos());
}

void InnLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteText(clipboard->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void InnLineEdit::dropEvent(QDropEvent* event) {
    // Moving digits within the field is an ordinary drop; text from elsewhere is a paste.
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    pasteText(event->mimeData()->text());
    event->acceptProposedAction();
}

} // namespace kestrelon
