#include "tform_del_rep.h"

#include "dialog_parts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

TFormDelRep::TFormDelRep(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDelRep"));
    setWindowTitle(QStringLiteral("Удалить платежку"));

    auto* label1 = new QLabel(QStringLiteral("Удалить отчет ?"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    panel1_ = makeSunkenPanel(this);
    panel1_->setMinimumWidth(440); // a whole period line on one row
    QPushButton* yes = makeButton(this, QStringLiteral("Yes"), "ButtonYes", &TFormDelRep::YesClick);
    QPushButton* no = makeButton(this, QStringLiteral("No"), "ButtonNo", &TFormDelRep::NoClick);
    // Enter must not delete: the safe answer is the default.
    no->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(panel1_);
    layout->addLayout(buttonRow({yes, no}));
}

bool TFormDelRep::ask(const QString& description) {
    confirmed_ = false;
    panel1_->setText(description);
    exec();
    return confirmed_;
}

void TFormDelRep::YesClick() {
    confirmed_ = true;
    accept();
}

void TFormDelRep::NoClick() {
    reject();
}

} // namespace kestrelon
