#include "checked_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

CheckedDialog::CheckedDialog(QWidget* parent, const QString& objectName, const QString& title)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(title);
}

void CheckedDialog::finishLayout(QVBoxLayout* layout) {
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("LabelProblems"));
    problems_->setWordWrap(true);
    problems_->setStyleSheet(QStringLiteral("color: #b00000"));
    problems_->hide();
    layout->addWidget(problems_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ButtonOk"));
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CheckedDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CheckedDialog::reject);
    layout->addWidget(buttons);
}

void CheckedDialog::accept() {
    const QStringList found = problems();
    if (!found.isEmpty()) {
        problems_->setText(found.join(QLatin1Char('\n')));
        problems_->setAccessibleName(problems_->text());
        problems_->show();
        // Room for the new lines, so that no caption above them is squeezed.
        adjustSize();
        return;
    }
    QDialog::accept();
}

} // namespace kestrelon
