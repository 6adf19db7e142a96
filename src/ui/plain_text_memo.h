#pragma once
// A multi-line text editor that pastes only text. Qt's own editor crashes when it is asked to
// paste a clipboard that holds no data at all (an empty clipboard under X11 is such a one), and
// a crash there loses every unsaved edit of the program; an empty or text-less clipboard
// pastes nothing here, from the keys, the context menu or a drop alike.
// Where Tab types a tab, Ctrl+Tab and Ctrl+Shift+Tab still move the focus on and back, so the
// keyboard can always leave the editor.

#include <QPlainTextEdit>

namespace kestrelon {

class PlainTextMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kestrelon
