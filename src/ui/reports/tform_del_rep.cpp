#include "tform_del_rep.h"

#include "ui/widgets/dialog_parts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kestrelon {

TFormDelRep::TFormDelRep(QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("FormDelRep"), QStringLiteral("Удалить платежку")) {
    auto* label1 = new QLabel(QStringLiteral("Удалить отчет ?"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    panel1_ = makeSunkenPanel(this);
    panel1_->setMinimumWidth(440); // a whole period line on one row

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(panel1_);
    layout->addLayout(takeButtonRow());
}

bool TFormDelRep::ask(const QString& description) {
    panel1_->setText(description);
    return askModal();
}

} // namespace kestrelon
