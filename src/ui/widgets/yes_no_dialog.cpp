#include "yes_no_dialog.h"

#include "dialog_parts.h"
#include "first_focus.h"

namespace kestrelon {

YesNoDialog::YesNoDialog(QWidget* parent, const QString& objectName, const QString& caption)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    QPushButton* yes = makeButton(this, QStringLiteral("Yes"), "ButtonYes", &YesNoDialog::YesClick);
    QPushButton* no = makeButton(this, QStringLiteral("No"), "ButtonNo", &YesNoDialog::NoClick);
    no->setDefault(true);
    // Asked again, a question starts on "No" too, whatever was pressed the last time.
    startEachShowingOn(*this, [no] { return no; });
    buttons_ = buttonRow({yes, no});
}

bool YesNoDialog::askModal() {
    confirmed_ = false;
    exec();
    return confirmed_;
}

QBoxLayout* YesNoDialog::takeButtonRow() {
    QBoxLayout* row = buttons_;
    buttons_ = nullptr;
    return row;
}

void YesNoDialog::YesClick() {
    confirmed_ = true;
    accept();
}

void YesNoDialog::NoClick() {
    reject();
}

} // namespace kestrelon
