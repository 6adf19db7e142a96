#include "plain_text_memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <optional>

namespace kestrelon {
namespace {

bool holdsText(const QMimeData* source) {
    return source != nullptr && source->hasText();
}

// Ctrl+Tab forward, Ctrl+Shift+Tab (which some systems send as Ctrl+Backtab) back; nullopt
// for any other key.
std::optional<bool> focusStep(const QKeyEvent& key) {
    const bool control = (key.modifiers() & Qt::ControlModifier) != 0;
    if (!control || (key.modifiers() & Qt::AltModifier) != 0) {
        return std::nullopt;
    }
    if (key.key() == Qt::Key_Backtab) {
        return false;
    }
    if (key.key() == Qt::Key_Tab) {
        return (key.modifiers() & Qt::ShiftModifier) == 0;
    }
    return std::nullopt;
}

} // namespace

bool PlainTextMemo::canInsertFromMimeData(const QMimeData* source) const {
    return holdsText(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PlainTextMemo::insertFromMimeData(const QMimeData* source) {
    if (holdsText(source)) {
        QPlainTextEdit::insertFromMimeData(source);
    }
}

void PlainTextMemo::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<bool> forward = focusStep(*event)) {
        // The editor's own step refuses while Tab types; the window's chain does not.
        QWidget::focusNextPrevChild(*forward);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace kestrelon
