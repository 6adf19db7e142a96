#include "plain_text_memo.h"

#include <QMimeData>

namespace kestrelon {
namespace {

bool holdsText(const QMimeData* source) {
    return source != nullptr && source->hasText();
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

} // namespace kestrelon
