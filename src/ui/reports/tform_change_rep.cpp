#include "tform_change_rep.h"

#include "ui/widgets/dialog_parts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kestrelon {

TFormChangeRep::TFormChangeRep(QWidget* parent)
    : YesNoDialog(parent, QStringLiteral("FormChangeRep"), QStringLiteral("Заменить платежку")) {
    panel1_ = makeSunkenPanel(this, "Panel1");
    panel2_ = makeSunkenPanel(this, "Panel2");
    // A whole sentence of the question on one row.
    panel1_->setMinimumWidth(440);
    panel2_->setMinimumWidth(440);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel1_);
    layout->addWidget(panel2_);
    layout->addLayout(takeButtonRow());
}

bool TFormChangeRep::ask(const QString& line1, const QString& line2) {
    panel1_->setText(line1);
    panel2_->setText(line2);
    return askModal();
}

} // namespace kestrelon
