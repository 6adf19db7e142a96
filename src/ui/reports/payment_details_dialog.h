#pragma once
// What "Платежка" asks before it writes the payment order: its number, the next one proposed,
// and its date, today proposed.

#include "checked_dialog.h"

#include <QString>

class QLineEdit;

namespace kestrelon {

struct PaymentDetails {
    QString number, date;
};

class PaymentDetailsDialog : public CheckedDialog {
public:
    PaymentDetailsDialog(const PaymentDetails& proposed, QWidget* parent);

    PaymentDetails details() const;

private:
    // A number and a date a bank takes.
    QStringList problems() const override;
    QLineEdit* number_ = nullptr;
    QLineEdit* date_ = nullptr;
};

} // namespace kestrelon
