#pragma once
// "Удалить платежку": asks before a stored report is deleted.

#include "ui/widgets/yes_no_dialog.h"

class QLabel;

namespace kestrelon {

class TFormDelRep : public YesNoDialog {
public:
    explicit TFormDelRep(QWidget* parent);

    // Shows the report's description under "Удалить отчет ?"; true on "Yes".
    bool ask(const QString& description);

private:
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
