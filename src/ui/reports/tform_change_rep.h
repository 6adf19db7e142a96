#pragma once
// "Заменить платежку": asks before a stored report is written over by a save.

#include "ui/widgets/yes_no_dialog.h"

class QLabel;

namespace kestrelon {

class TFormChangeRep : public YesNoDialog {
public:
    explicit TFormChangeRep(QWidget* parent);

    // Shows the two lines in their panels; true on "Yes".
    bool ask(const QString& line1, const QString& line2);

private:
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
};

} // namespace kestrelon
