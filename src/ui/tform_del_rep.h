#pragma once
// "Удалить платежку": asks before a stored report is deleted.

#include <QDialog>

class QLabel;

namespace kestrelon {

class TFormDelRep : public QDialog {
public:
    explicit TFormDelRep(QWidget* parent);

    // Shows the report's description under "Удалить отчет ?"; true on "Yes".
    bool ask(const QString& description);

    void YesClick();
    void NoClick();

private:
    bool confirmed_ = false;
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
