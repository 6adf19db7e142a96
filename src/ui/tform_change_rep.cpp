#include "tform_change_rep.h"

#include "dialog_parts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

TFormChangeRep::TFormChangeRep(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormChangeRep"));
    setWindowTitle(QStringLiteral("Заменить платежку"));

    panel1_ = makeSunkenPanel(this, "Panel1");
    panel2_ = makeSunkenPanel(this, "Panel2");
    // A whole sentence of the question on one row.
    panel1_->setMinimumWidth(440);
    panel2_->setMinimumWidth(440);
    QPushButton* yes =
        makeButton(this, QStringLiteral("Yes"), "ButtonYes", &TFormChangeRep::YesClick);
    QPushButton* no = makeButton(this, QStringLiteral("No"), "ButtonNo", &TFormChangeRep::NoClick);
    // Enter must not replace a stored report: the safe answer is the default.
    no->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel1_);
    layout->addWidget(panel2_);
    layout->addLayout(buttonRow({yes, no}));
}

bool TFormChangeRep::ask(const QString& line1, const QString& line2) {
    confirmed_ = false;
    panel1_->setText(line1);
    panel2_->setText(line2);
    exec();
    return confirmed_;
}

void TFormChangeRep::YesClick() {
    confirmed_ = true;
    accept();
}

void TFormChangeRep::NoClick() {
    reject();
}

} // namespace kestrelon
