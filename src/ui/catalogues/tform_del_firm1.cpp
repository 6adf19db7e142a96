#include "tform_del_firm1.h"

#include "ui/widgets/dialog_parts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

TFormDelFirm1::TFormDelFirm1(AppContext&, QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("FormDelFirm1"), QStringLiteral("Удалить организацию")) {
    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    auto* label1 = new QLabel(QStringLiteral("Все равно удалить ?"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    panel1_ = makeSunkenPanel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label2_);
    layout->addWidget(label3_);
    layout->addWidget(label1);
    layout->addWidget(panel1_);
    layout->addLayout(takeButtonRow());
}

bool TFormDelFirm1::askDespiteContract(const QString& organization, const QString& contractNo) {
    label2_->setText(QStringLiteral("В списке клиентов есть удаляемая организация."));
    label3_->setText(QStringLiteral("В договоре ") + contractNo +
                     QStringLiteral(" не будет этой организации."));
    panel1_->setText(organization);
    return askModal();
}

} // namespace kestrelon
