#pragma once
// The second confirmation when an organization still has client contracts.

#include "ui/widgets/app_context.h"

#include "ui/widgets/yes_no_dialog.h"

class QLabel;

namespace kestrelon {

class TFormDelFirm1 : public YesNoDialog {
public:
    TFormDelFirm1(AppContext& context, QWidget* parent);

    // Names the first contract that refers to the organization; true on "Yes".
    bool askDespiteContract(const QString& organization, const QString& contractNo);

private:
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
