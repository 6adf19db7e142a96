#pragma once
// The INN field: digits only, at most 12. A typed character other than a digit is dropped; a
// paste keeps its digits when all else in it is blanks and line ends (a copied spreadsheet
// cell), and is otherwise refused with a message.

#include "catalogues/inn_paste.h"
#include "ui/widgets/message_sink.h"

#include <QLineEdit>

namespace kestrelon {

class InnLineEdit : public QLineEdit {
public:
    static constexpr int kMaxDigits = static_cast<int>(kInnDigits);
    InnLineEdit(QWidget* parent, MessageSink& messages);

    // Every way of pasting (keys, the context menu, the middle button, a drop) ends here.
    void pasteText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    MessageSink& messages_;
};

} // namespace kestrelon
