#pragma once
// The client contract card: the organization, number, date, phone and e-mail of one
// contract, in new or edit mode.

#include "catalogues/card_mode.h"
#include "clients_change.h"
#include "ui/widgets/app_context.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;

namespace kestrelon {

// A field under its group caption, as both contract cards lay them out.
QGroupBox* captionedGroup(const QString& caption, QWidget* field, QWidget* parent);
// The names of the active organizations in table order: list position i is slot i.
void fillOrganizationList(QComboBox& list, const DataStore& store);

class TFormAddClient : public QDialog {
public:
    TFormAddClient(AppContext& context, QWidget* parent);

    // Sets the mode and caption, fills the fields and shows the card modally; says whether
    // "OK" stored the contract and whether "Clients" was written.
    ClientsChange openCard(CardMode mode);

    void FormShow();
    void ButtonOKClick();
    void ButtonCancelClick();

private:
    ClientCardFields enteredFields() const;

    AppContext& context_;
    CardMode mode_ = CardMode::New;
    ClientsChange outcome_ = ClientsChange::None;
    QComboBox* comboBox1_ = nullptr;
    QLineEdit* edit8_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
};

} // namespace kestrelon
