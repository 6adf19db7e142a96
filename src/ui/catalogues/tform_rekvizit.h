#pragma once
// The organization card: creates, edits or shows one organization's requisites. Bank
// accounts change only through the bank window; "Text" renders the card as a text card.

#include "catalogues/firm_text_card.h"
#include "ui/widgets/app_context.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QVBoxLayout;

namespace kestrelon {

class TFormBank;
class TFormSave;

class TFormRekvizit : public QDialog {
public:
    static constexpr int kFieldCount = 24;

    TFormRekvizit(AppContext& context, QWidget* parent);

    void setDialogs(TFormBank* bank, TFormSave* textCard);

    // Shows the card modally in `mode` (the caller has set the caption); true when "OK"
    // stored the organization: the added flag for a new one, the confirmed flag for an edit.
    bool openCard(CardMode mode);
    CardMode cardMode() const { return mode_; }

    // Handlers.
    void FormShow();
    void FormClose();
    void ButtonOKClick();
    void ButtonNoClick();
    void ButtonBankClick();
    void ButtonTextClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // The fields in their groups, each group added to `layout`.
    void buildFields(QVBoxLayout& layout);
    // Slot FirmCount for a new organization, SelectedFirm otherwise; nullptr when there is
    // no such slot.
    FirmRecord* targetFirm() const;
    QLineEdit* edit(int number) const { return edits_[static_cast<std::size_t>(number - 1)]; }

    void FillEdit(const FirmRecord& firm);
    void FillEditBank(const FirmRecord& firm);
    FirmCardFields readCard() const;
    ShownBank shownBank() const;
    void setEditable(bool editable);
    // A requisite whose control digits do not check out only warns: the bank or the operator
    // would refuse it, yet the user may still need the record stored (a number being clarified).
    // True when there is nothing to warn of or the user answers "Да".
    bool keepDespiteProblems(const FirmRecord* firm, const FirmCardFields& fields) const;

    AppContext& context_;
    TFormBank* bank_ = nullptr;
    TFormSave* textCard_ = nullptr;
    CardMode mode_ = CardMode::New;
    bool stored_ = false;
    std::array<QLineEdit*, kFieldCount> edits_{};
};

} // namespace kestrelon
