#pragma once
// A small modal question answered with "Yes" or "No": the delete and replace confirmations
// are built on it. "No" is the default button, so that Enter never destroys anything.

#include <QDialog>

class QBoxLayout;
class QPushButton;

namespace kestrelon {

class YesNoDialog : public QDialog {
public:
    void YesClick();
    void NoClick();

protected:
    YesNoDialog(QWidget* parent, const QString& objectName, const QString& caption);

    // Shows the dialog modally; true when it was closed with "Yes".
    bool askModal();
    // The row of the two buttons, for the dialog's layout.
    QBoxLayout* takeButtonRow();

private:
    bool confirmed_ = false;
    QBoxLayout* buttons_ = nullptr;
};

} // namespace kestrelon
