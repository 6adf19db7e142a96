#include "tform_add_client.h"

#include "catalogues/stored_text.h"
#include "report_cut_note.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/shown_entry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

QGroupBox* captionedGroup(const QString& caption, QWidget* field, QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addWidget(field);
    return group;
}

void fillOrganizationList(QComboBox& list, const DataStore& store) {
    list.clear();
    for (std::size_t k = 0; k < store.FirmCount; ++k) {
        list.addItem(fromCp1251(store.Firms[k].Name.view()));
    }
    list.setCurrentIndex(-1);
}

TFormAddClient::TFormAddClient(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormAddClient"));
    setWindowTitle(QStringLiteral("Новый клиент"));
    resize(440, 0);

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    keepShownEntrySelected(*comboBox1_);
    edit8_ = makeLineEdit(this, "Edit8", storedLength(&ClientRecord::ContractNo));
    edit1_ = makeLineEdit(this, "Edit1", storedLength(&ClientRecord::ContractDate));
    edit2_ = makeLineEdit(this, "Edit2", storedLength(&ClientRecord::Phone));
    edit3_ = makeLineEdit(this, "Edit3", storedLength(&ClientRecord::Email));

    auto* numberAndDate = new QHBoxLayout;
    numberAndDate->addWidget(captionedGroup(QStringLiteral("№ Договора "), edit8_, this));
    numberAndDate->addWidget(captionedGroup(QStringLiteral("Дата "), edit1_, this));

    // No default button: Enter in a field moves on instead of storing a half-filled card.
    QPushButton* ok =
        makeButton(this, QStringLiteral("OK"), "ButtonOK", &TFormAddClient::ButtonOKClick);
    QPushButton* cancel = makeButton(this, QStringLiteral("Cancel"), "ButtonCancel",
                                     &TFormAddClient::ButtonCancelClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionedGroup(QStringLiteral("Организация"), comboBox1_, this));
    layout->addLayout(numberAndDate);
    layout->addWidget(makeReportCutNote(edit8_, ReportCopy::ClientContractNo));
    layout->addWidget(captionedGroup(QStringLiteral("Телефон "), edit2_, this));
    layout->addWidget(captionedGroup(QStringLiteral("E-Mail  "), edit3_, this));
    layout->addStretch(1);
    layout->addLayout(buttonRow({ok, cancel}));
    moveOnWithEnter(*this);
    // The organization list first, or the number when the contract keeps its organization.
    startEachShowingOn(*this, [this] {
        return comboBox1_->isEnabled() ? static_cast<QWidget*>(comboBox1_) : edit8_;
    });
}

ClientsChange TFormAddClient::openCard(CardMode mode) {
    mode_ = mode;
    outcome_ = ClientsChange::None;
    setWindowTitle(mode == CardMode::New ? QStringLiteral("Новый клиент")
                                         : QStringLiteral("Редактирование"));
    FormShow();
    exec();
    return outcome_;
}

void TFormAddClient::FormShow() {
    const DataStore& store = context_.store;
    // Organizations added since the last showing are offered as well.
    fillOrganizationList(*comboBox1_, store);
    const auto slot = static_cast<std::size_t>(context_.catalogues.clients.SelectedClient);
    const bool editing = mode_ == CardMode::Edit && slot < store.ClientCount;
    const ClientCardFields fields =
        editing ? readClientCard(store.Clients[slot]) : ClientCardFields{};
    if (editing) {
        // A contract stays with its organization; the list only shows which one it is.
        comboBox1_->setCurrentIndex(store.findFirmByInn(store.Clients[slot].FirmInn.view()));
    }
    comboBox1_->setEnabled(!editing);
    edit8_->setText(fromCp1251(fields.ContractNo));
    edit1_->setText(fromCp1251(fields.ContractDate));
    edit2_->setText(fromCp1251(fields.Phone));
    edit3_->setText(fromCp1251(fields.Email));
}

ClientCardFields TFormAddClient::enteredFields() const {
    return {toCp1251(edit8_->text()), toCp1251(edit1_->text()), toCp1251(edit2_->text()),
            toCp1251(edit3_->text())};
}

void TFormAddClient::ButtonOKClick() {
    DataStore& store = context_.store;
    ClientSelection& selection = context_.catalogues.clients;
    const ClientCardFields fields = enteredFields();
    const int chosen = comboBox1_->currentIndex();
    const auto slot = static_cast<std::size_t>(selection.SelectedClient);
    const std::string refusal = mode_ == CardMode::New ? checkNewClient(store, chosen, fields)
                                                       : checkEditedClient(store, slot, fields);
    if (!refusal.empty()) {
        context_.messages.showMessage(fromCp1251(refusal));
        return;
    }
    // A failed save leaves the change in memory for the next save of the table, so the card
    // still counts as confirmed.
    try {
        if (mode_ == CardMode::New) {
            addClient(store, selection, chosen, fields);
        } else {
            editClient(store, slot, fields);
        }
        outcome_ = ClientsChange::Saved;
    } catch (const IoError& error) {
        outcome_ = ClientsChange::SaveFailed;
        showFileError(context_, error);
    }
    accept();
}

void TFormAddClient::ButtonCancelClick() {
    reject();
}

} // namespace kestrelon
