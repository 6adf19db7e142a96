#pragma once
// "Agent": the agent's contract with the principal. "Edit" changes it through the card,
// "OK" saves a confirmed change, "Cancel" undoes it; the close box leaves it pending.

#include "ui/widgets/app_context.h"

#include <QDialog>

class QLabel;

namespace kestrelon {

class TFormAddAgent;

class TFormAgent : public QDialog {
public:
    // The record was loaded from "Agent" before the window is created.
    TFormAgent(AppContext& context, QWidget* parent);

    void setAgentCard(TFormAddAgent* card) { card_ = card; }

    // Without an "Agent" file: the principal's preset chief accountant, then the labels.
    void applyAgentFileDefaults();
    // Label1, Label2 and Panel1 from the record.
    void refreshLabels();

    // Handlers.
    void ButtonOKClick();
    void ButtonEditClick();
    void ButtonCancelClick();

private:
    AppContext& context_;
    TFormAddAgent* card_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
