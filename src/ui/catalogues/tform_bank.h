#pragma once
// The bank accounts of one organization: four pages of five fields and the choice of the
// current account. There is no cancel: closing the window in any way stores the fields into
// the record in memory (except when the card only shows the organization).

#include "catalogues/bank_fields.h"
#include "ui/widgets/app_context.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QTabWidget;

namespace kestrelon {

class TFormBank : public QDialog {
public:
    TFormBank(AppContext& context, QWidget* parent);

    // Shows the window modally for the accounts of `firm`, the card's target slot (nullptr
    // when there is none); `cardName` is the card's current name field, which names a new
    // organization in the caption.
    void openBank(CardMode mode, FirmRecord* firm, const QString& cardName);

    // Handlers.
    void FormShow();
    void FormClose();
    void ButtonOKClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void fillFields(const BankFields& fields);
    BankFields readFields() const;
    void setEditable(bool editable);
    // An account whose key or BIK does not check out only warns: the bank would refuse a
    // payment to it, yet the user may still need it stored. True when there is nothing to
    // warn of or the user answers "Да"; on "Нет" the page of the first account named is shown.
    bool keepDespiteProblems();

    AppContext& context_;
    CardMode mode_ = CardMode::New;
    FirmRecord* firm_ = nullptr;
    QString cardName_;
    QTabWidget* pageControl1_ = nullptr;
    std::array<std::array<QLineEdit*, 5>, 4> edits_{};
    QGroupBox* radioGroup1_ = nullptr;
    QButtonGroup* choice_ = nullptr;
};

} // namespace kestrelon
