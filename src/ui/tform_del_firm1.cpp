#include "tform_del_firm1.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

TFormDelFirm1::TFormDelFirm1(AppContext&, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormDelFirm1"));
    setWindowTitle(QStringLiteral("Удалить организацию"));

    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    auto* label1 = new QLabel(QStringLiteral("Все равно удалить ?"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    panel1_ = new QLabel(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setWordWrap(true);
    panel1_->setMinimumSize(320, 40);

    auto* yes = new QPushButton(QStringLiteral("Yes"), this);
    yes->setObjectName(QStringLiteral("ButtonYes"));
    auto* no = new QPushButton(QStringLiteral("No"), this);
    no->setObjectName(QStringLiteral("ButtonNo"));
    no->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &TFormDelFirm1::YesClick);
    connect(no, &QPushButton::clicked, this, &TFormDelFirm1::NoClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label2_);
    layout->addWidget(label3_);
    layout->addWidget(label1);
    layout->addWidget(panel1_);
    layout->addLayout(buttons);
}

bool TFormDelFirm1::askDespiteContract(const QString& organization, const QString& contractNo) {
    confirmed_ = false;
    label2_->setText(QStringLiteral("В списке клиентов есть удаляемая организация."));
    label3_->setText(QStringLiteral("В договоре ") + contractNo +
                     QStringLiteral(" не будет этой организации."));
    panel1_->setText(organization);
    exec();
    return confirmed_;
}

void TFormDelFirm1::YesClick() {
    confirmed_ = true;
    accept();
}

void TFormDelFirm1::NoClick() {
    reject();
}

} // namespace kestrelon
