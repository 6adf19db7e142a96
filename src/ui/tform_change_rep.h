#pragma once
// "Заменить платежку": asks before a stored report is written over by a save.

#include <QDialog>

class QLabel;

namespace kestrelon {

class TFormChangeRep : public QDialog {
public:
    explicit TFormChangeRep(QWidget* parent);

    // Shows the two lines in their panels; true on "Yes".
    bool ask(const QString& line1, const QString& line2);

    void YesClick();
    void NoClick();

private:
    bool confirmed_ = false;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
};

} // namespace kestrelon
