#include "inn_line_edit.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace kestrelon {

InnLineEdit::InnLineEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxDigits);
    // A validator filters typed keys and pasted text alike: anything but digits is refused.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

} // namespace kestrelon
