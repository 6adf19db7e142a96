#include "plain_text_memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
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

// The first local file a drop carries, when the editor reads files.
QString PlainTextMemo::droppedFile(const QMimeData* source) const {
    if (!dropFile_ || source == nullptr || !source->hasUrls()) {
        return {};
    }
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

bool PlainTextMemo::canInsertFromMimeData(const QMimeData* source) const {
    return !droppedFile(source).isEmpty() ||
           (holdsText(source) && QPlainTextEdit::canInsertFromMimeData(source));
}

void PlainTextMemo::insertFromMimeData(const QMimeData* source) {
    if (const QString file = droppedFile(source); !file.isEmpty()) {
        dropFile_(file);
    } else if (holdsText(source)) {
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
