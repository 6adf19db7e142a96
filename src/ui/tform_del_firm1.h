#pragma once
// The second confirmation when an organization still has client contracts.

#include "app_context.h"

#include <QDialog>

class QLabel;

namespace kestrelon {

class TFormDelFirm1 : public QDialog {
public:
    TFormDelFirm1(AppContext& context, QWidget* parent);

    // Names the first contract that refers to the organization; true on "Yes".
    bool askDespiteContract(const QString& organization, const QString& contractNo);

    void YesClick();
    void NoClick();

private:
    bool confirmed_ = false;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
