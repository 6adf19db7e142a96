#pragma once
// The INN field: digits only, at most 12, whether typed or pasted.

#include <QLineEdit>

namespace kestrelon {

class InnLineEdit : public QLineEdit {
public:
    static constexpr int kMaxDigits = 12;
    explicit InnLineEdit(QWidget* parent);
};

} // namespace kestrelon
