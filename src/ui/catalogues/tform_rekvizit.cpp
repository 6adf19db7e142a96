#include "tform_rekvizit.h"

#include "catalogues/requisites_check.h"
#include "catalogues/stored_text.h"
#include "tform_bank.h"
#include "tform_save.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/scrollable_body.h"
#include "ui/widgets/window_size.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

// Which record field each of the card's own fields edits (the bank group is not among them),
// and how many characters the record stores of it.
struct FieldBinding {
    int edit;
    std::string FirmCardFields::*field;
    int length;
};

const std::array<FieldBinding, 19> kBindings = {{
    {1, &FirmCardFields::Name, storedLength(&FirmRecord::Name)},
    {2, &FirmCardFields::CertSeries, storedLength(&FirmRecord::CertSeries)},
    {3, &FirmCardFields::CertNumber, storedLength(&FirmRecord::CertNumber)},
    {4, &FirmCardFields::CertDate, storedLength(&FirmRecord::CertDate)},
    {5, &FirmCardFields::CertIssuedBy, storedLength(&FirmRecord::CertIssuedBy)},
    {6, &FirmCardFields::Ogrn, storedLength(&FirmRecord::Ogrn)},
    {7, &FirmCardFields::LegalAddress, storedLength(&FirmRecord::LegalAddress)},
    {8, &FirmCardFields::PostalAddress, storedLength(&FirmRecord::PostalAddress)},
    {9, &FirmCardFields::Phone, storedLength(&FirmRecord::Phone)},
    {10, &FirmCardFields::Fax, storedLength(&FirmRecord::Fax)},
    {11, &FirmCardFields::Email, storedLength(&FirmRecord::Email)},
    {17, &FirmCardFields::Inn, storedLength(&FirmRecord::Inn)},
    {18, &FirmCardFields::Kpp, storedLength(&FirmRecord::Kpp)},
    {19, &FirmCardFields::Okato, storedLength(&FirmRecord::Okato)},
    {20, &FirmCardFields::Okpo, storedLength(&FirmRecord::Okpo)},
    {21, &FirmCardFields::Okogu, storedLength(&FirmRecord::Okogu)},
    {22, &FirmCardFields::Okopf, storedLength(&FirmRecord::Okopf)},
    {23, &FirmCardFields::Okfs, storedLength(&FirmRecord::Okfs)},
    {24, &FirmCardFields::Okved, storedLength(&FirmRecord::Okved)},
}};

constexpr int kFirstBankEdit = 12;
constexpr int kBankEditCount = 5;

bool isBankEdit(int number) {
    return number >= kFirstBankEdit && number < kFirstBankEdit + kBankEditCount;
}

// A long name or address shows its beginning.
void showText(QLineEdit* field, const std::string& cp1251) {
    field->setText(fromCp1251(cp1251));
    field->setCursorPosition(0);
}

} // namespace

TFormRekvizit::TFormRekvizit(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormRekvizit"));
    setWindowTitle(QStringLiteral("Реквизиты"));

    // On a small or scaled screen the fields keep their size and scroll; the buttons stay.
    const ScrollingDialog parts = makeScrollingDialog(*this);
    QVBoxLayout* layout = parts.fields;
    buildFields(*layout);

    for (const FieldBinding& binding : kBindings) {
        edit(binding.edit)->setMaxLength(binding.length);
    }
    for (int i = 0; i < kBankEditCount; ++i) {
        // The bank group shows the current account.
        edit(kFirstBankEdit + i)->setMaxLength(kBankFieldLengths[static_cast<std::size_t>(i)]);
        edit(kFirstBankEdit + i)->setReadOnly(true);
    }

    // No default button: Enter in a field moves on instead of storing a half-filled card.
    QPushButton* text =
        makeButton(this, QStringLiteral("Text"), "ButtonText", &TFormRekvizit::ButtonTextClick);
    QPushButton* bank =
        makeButton(this, QStringLiteral("Банк"), "ButtonBank", &TFormRekvizit::ButtonBankClick);
    QPushButton* no =
        makeButton(this, QStringLiteral("No"), "ButtonNo", &TFormRekvizit::ButtonNoClick);
    QPushButton* ok =
        makeButton(this, QStringLiteral("OK"), "ButtonOK", &TFormRekvizit::ButtonOKClick);
    moveOnWithEnter(*this);
    startEachShowingOn(*this, [this] { return static_cast<QWidget*>(edit(1)); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(text);
    buttons->addWidget(bank);
    buttons->addStretch(1);
    buttons->addWidget(no);
    buttons->addWidget(ok);
    layout->addStretch(1);
    parts.buttons->addLayout(buttons);

    resize(sizeHint().expandedTo(QSize(720, 0)));
    applyStoredSize(*this, context_.store.FormW.size(SizedWindow::OrganizationCard));
}

void TFormRekvizit::setDialogs(TFormBank* bank, TFormSave* textCard) {
    bank_ = bank;
    textCard_ = textCard;
}

bool TFormRekvizit::openCard(CardMode mode) {
    mode_ = mode;
    stored_ = false;
    if (mode == CardMode::New && context_.store.FirmCount >= context_.store.Firms.size()) {
        return false; // no free slot: "New" is off at 64 organizations
    }
    exec();
    return stored_;
}

FirmRecord* TFormRekvizit::targetFirm() const {
    DataStore& store = context_.store;
    const int slot =
        mode_ == CardMode::New ? store.FirmCount : context_.catalogues.firms.SelectedFirm;
    if (slot < 0 || slot >= static_cast<int>(store.Firms.size())) {
        return nullptr;
    }
    return &store.Firms[static_cast<std::size_t>(slot)];
}

void TFormRekvizit::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
}

void TFormRekvizit::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFormRekvizit::FormShow() {
    if (mode_ == CardMode::New) {
        clearNewFirmSlot(context_.store);
        for (QLineEdit* field : edits_) {
            field->clear();
        }
        return;
    }
    if (const FirmRecord* firm = targetFirm()) {
        FillEdit(*firm);
    }
    if (mode_ == CardMode::View) {
        setEditable(false);
    }
}

void TFormRekvizit::FormClose() {
    setEditable(true);
}

void TFormRekvizit::FillEdit(const FirmRecord& firm) {
    const FirmCardFields fields = readFirmCard(firm);
    for (const FieldBinding& binding : kBindings) {
        showText(edit(binding.edit), fields.*binding.field);
    }
    FillEditBank(firm);
}

void TFormRekvizit::FillEditBank(const FirmRecord& firm) {
    const BankFields banks = readBankFields(firm);
    const BankAccountFields& current = banks.accounts[static_cast<std::size_t>(banks.selected)];
    for (int i = 0; i < kBankEditCount; ++i) {
        showText(edit(kFirstBankEdit + i), current[static_cast<std::size_t>(i)]);
    }
}

FirmCardFields TFormRekvizit::readCard() const {
    FirmCardFields fields;
    for (const FieldBinding& binding : kBindings) {
        fields.*binding.field = toCp1251(edit(binding.edit)->text());
    }
    return fields;
}

ShownBank TFormRekvizit::shownBank() const {
    const auto text = [this](int number) { return toCp1251(edit(number)->text()); };
    return {text(12), text(13), text(14), text(15), text(16)};
}

void TFormRekvizit::setEditable(bool editable) {
    for (int number = 1; number <= kFieldCount; ++number) {
        edit(number)->setReadOnly(!editable || isBankEdit(number));
    }
}

void TFormRekvizit::ButtonOKClick() {
    if (mode_ != CardMode::View) {
        const FirmCardFields fields = readCard();
        const std::string refusal = checkFirmCard(mode_, context_.store, fields);
        if (!refusal.empty()) {
            context_.messages.showMessage(fromCp1251(refusal));
            return;
        }
        FirmRecord* firm = targetFirm();
        if (!keepDespiteProblems(firm, fields)) {
            return; // "Нет": back to the card with what was typed
        }
        if (firm) {
            writeFirmCard(*firm, fields);
            stored_ = true;
        }
    }
    accept();
}

bool TFormRekvizit::keepDespiteProblems(const FirmRecord* firm,
                                        const FirmCardFields& fields) const {
    // The card as it would be stored, with the accounts the bank window has already written.
    FirmRecord typed = firm ? *firm : FirmRecord{};
    writeFirmCard(typed, fields);
    const std::vector<std::string> problems = requisitesProblems(typed);
    return problems.empty() ||
           context_.messages.askQuestion(fromCp1251(keepAsIsQuestion(problems)));
}

void TFormRekvizit::ButtonNoClick() {
    reject();
}

void TFormRekvizit::ButtonBankClick() {
    if (!bank_) {
        return;
    }
    bank_->openBank(mode_, targetFirm(), edit(1)->text());
    if (mode_ != CardMode::View) {
        if (const FirmRecord* firm = targetFirm()) {
            FillEditBank(*firm);
        }
    }
}

void TFormRekvizit::ButtonTextClick() {
    if (textCard_) {
        textCard_->showLines(firmTextCardLines(readCard(), shownBank()));
    }
}

} // namespace kestrelon
