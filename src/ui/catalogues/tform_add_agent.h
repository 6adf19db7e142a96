#pragma once
// "FormAddAgent": the agent contract card, with the people named in the act of mutual offset
// on the tabs "Агент" and "Тарвел".

#include "ui/widgets/app_context.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace kestrelon {

class TFormAddAgent : public QDialog {
public:
    TFormAddAgent(AppContext& context, QWidget* parent);

    // Fills the controls from `fields` and shows the card modally; true when "OK" passed.
    bool openCard(const AgentCardFields& fields);
    // What the controls hold now; chosenFirm and chosenPrincipal are organization list
    // positions.
    AgentCardFields fields() const;

    // Handlers.
    void ComboBox1Change(int index);
    void PageControl1Change();
    void ButtonOKClick();
    void ButtonCancelClick();

private:
    QWidget* createAgentTab();
    QWidget* createPrincipalTab();

    AppContext& context_;
    bool confirmed_ = false;
    QComboBox* comboBox1_ = nullptr;
    QComboBox* comboBox2_ = nullptr; // the principal's organization, on the tab "Тарвел"
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QLineEdit* edit4_ = nullptr;
    QLineEdit* edit5_ = nullptr;
    QLineEdit* edit6_ = nullptr;
    QLineEdit* edit7_ = nullptr;
    QLineEdit* edit8_ = nullptr;
    QLineEdit* edit9_ = nullptr;
    QLineEdit* edit10_ = nullptr;
    QRadioButton* radioButton1_ = nullptr;
    QRadioButton* radioButton2_ = nullptr;
    QGroupBox* actGroup_ = nullptr;
    QTabWidget* pageControl1_ = nullptr;
};

} // namespace kestrelon
