#include "payment_details_dialog.h"

#include "exchange/payment_order.h"
#include "exchange/upd_from_report.h"
#include "render/cp1251_qstring.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kestrelon {

PaymentDetailsDialog::PaymentDetailsDialog(const PaymentDetails& proposed, QWidget* parent)
    : CheckedDialog(parent, QStringLiteral("FormPaymentDetails"),
                    QStringLiteral("Платежное поручение")) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    number_ = new QLineEdit(proposed.number, this);
    number_->setObjectName(QStringLiteral("EditNumber"));
    number_->setMaxLength(6);
    number_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number_));
    date_ = new QLineEdit(proposed.date, this);
    date_->setObjectName(QStringLiteral("EditDate"));
    date_->setMaxLength(10);
    date_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), date_));
    form->addRow(QStringLiteral("&Номер:"), number_);
    form->addRow(QStringLiteral("&Дата:"), date_);
    layout->addLayout(form);

    finishLayout(layout);
    setMinimumWidth(360);
}

PaymentDetails PaymentDetailsDialog::details() const {
    return PaymentDetails{number_->text().trimmed(), date_->text().trimmed()};
}

QStringList PaymentDetailsDialog::problems() const {
    QStringList found;
    const PaymentDetails typed = details();
    if (const std::string wrong = paymentNumberProblem(typed.number.toStdString());
        !wrong.empty()) {
        found << QStringLiteral("Номер %1").arg(QString::fromStdString(wrong));
    }
    if (schemaDate(toCp1251(typed.date)).empty()) {
        found << QStringLiteral("Дата должна быть вида ДД.ММ.ГГГГ");
    }
    return found;
}

} // namespace kestrelon
