#pragma once
// A multi-line text editor that pastes only text. Qt's own editor crashes when it is asked to
// paste a clipboard that holds no data at all (an empty clipboard under X11 is such a one), and
// a crash there loses every unsaved edit of the program; an empty or text-less clipboard
// pastes nothing here, from the keys, the context menu or a drop alike.
// Where Tab types a tab, Ctrl+Tab and Ctrl+Shift+Tab still move the focus on and back, so the
// keyboard can always leave the editor.
// An editor that reads files can be given a handler for a file dropped onto it: the file is
// then read rather than its name typed in.

#include <QPlainTextEdit>
#include <functional>

namespace kestrelon {

class PlainTextMemo : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    using FileDropHandler = std::function<void(const QString& path)>;
    void setFileDropHandler(FileDropHandler handler) { dropFile_ = std::move(handler); }

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString droppedFile(const QMimeData* source) const;

    FileDropHandler dropFile_;
};

} // namespace kestrelon
