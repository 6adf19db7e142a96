#include "tform_agent.h"

#include "store/date_text.h"
#include "tform_add_agent.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/qt_text.h"

#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

std::string todayText() {
    const QDate today = QDate::currentDate();
    return shortDateText(today.day(), today.month(), today.year());
}

// The captions of the three values, as the contract card names them.
const QString kNumberCaption = QStringLiteral("№ Договора");
const QString kDateCaption = QStringLiteral("Дата");
const QString kFirmCaption = QStringLiteral("Организация");

// A value with its caption before it, for sighted users and screen readers alike.
QLabel* caption(const QString& text, QWidget* parent) {
    return new QLabel(text + QLatin1Char(':'), parent);
}

void showValue(QLabel& value, const QString& captionText, const QString& text) {
    value.setText(text);
    value.setAccessibleName(captionText + QStringLiteral(": ") + text);
}

} // namespace

TFormAgent::TFormAgent(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormAgent"));
    setWindowTitle(QStringLiteral("Agent"));
    resize(420, 150);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    panel1_ = makeSunkenPanel(this);

    const auto addButton = [this](const QString& caption, const char* name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* ok = addButton(QStringLiteral("OK"), "ButtonOK");
    QPushButton* edit = addButton(QStringLiteral("Edit"), "ButtonEdit");
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), "ButtonCancel");
    connect(ok, &QPushButton::clicked, this, &TFormAgent::ButtonOKClick);
    connect(edit, &QPushButton::clicked, this, &TFormAgent::ButtonEditClick);
    connect(cancel, &QPushButton::clicked, this, &TFormAgent::ButtonCancelClick);

    auto* contract = new QHBoxLayout;
    contract->addWidget(caption(kNumberCaption, this));
    contract->addWidget(label1_);
    contract->addStretch(1);
    contract->addWidget(caption(kDateCaption, this));
    contract->addWidget(label2_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(edit);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(contract);
    layout->addWidget(caption(kFirmCaption, this));
    layout->addWidget(panel1_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    moveOnWithEnter(*this);
    // No field to start in: "Edit", what the window is opened for, and not "OK" or "Cancel".
    startEachShowingOn(*this, [edit] { return edit; });

    refreshLabels();
}

void TFormAgent::applyAgentFileDefaults() {
    applyAgentDefaults(context_.store.Agent);
    refreshLabels();
}

void TFormAgent::refreshLabels() {
    const DataStore& store = context_.store;
    showValue(*label1_, kNumberCaption, fromCp1251(store.Agent.ContractNo.view()));
    showValue(*label2_, kDateCaption, fromCp1251(store.Agent.ContractDate.view()));
    showValue(*panel1_, kFirmCaption, fromCp1251(agentPanelText(store)));
}

void TFormAgent::ButtonEditClick() {
    if (card_ == nullptr) {
        return;
    }
    AgentContractEditor& editor = context_.catalogues.agent;
    editor.beginEdit(context_.store);
    if (card_->openCard(prepareAgentCard(context_.store, todayText()))) {
        editor.confirm(context_.store, card_->fields());
        refreshLabels();
    }
}

void TFormAgent::ButtonOKClick() {
    // A failed save keeps the change pending and the window open, so that "OK" can try again.
    try {
        context_.catalogues.agent.ok(context_.store);
    } catch (const IoError& error) {
        showFileError(context_, error);
        return;
    }
    accept();
}

void TFormAgent::ButtonCancelClick() {
    context_.catalogues.agent.cancel(context_.store);
    refreshLabels();
    reject();
}

} // namespace kestrelon
