#pragma once
// "FormErrNDS": the question the manual computation asks when a typed VAT or amount with VAT
// disagrees with the other amounts of its row: the typed values above, the expected ones
// below, the wrong ones in red.

#include "reports/computation/manual_computation.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrelon {

class TFormErrNDS : public QDialog {
public:
    explicit TFormErrNDS(QWidget* parent);

    // Shows the question modally; true when the user chose "Исправить".
    bool ask(const VatQuestion& question);

    void Button1Click(); // "Нет"
    void Button2Click(); // "Исправить"

private:
    bool confirmed_ = false;
    QPushButton* no_ = nullptr;
    QLabel* rowLabel_ = nullptr;
    std::array<QLineEdit*, 3> upper_{};
    std::array<QLineEdit*, 3> lower_{};
};

} // namespace kestrelon
