#include "tform_del_firm.h"

#include "file_error.h"
#include "qt_text.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrelon {

TFormDelFirm::TFormDelFirm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormDelFirm"));
    setWindowTitle(QStringLiteral("Удалить организацию"));

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    panel1_ = new QLabel(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setWordWrap(true);
    panel1_->setMinimumSize(320, 40);

    auto* yes = new QPushButton(QStringLiteral("Yes"), this);
    yes->setObjectName(QStringLiteral("ButtonYes"));
    auto* no = new QPushButton(QStringLiteral("No"), this);
    no->setObjectName(QStringLiteral("ButtonNo"));
    no->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &TFormDelFirm::YesClick);
    connect(no, &QPushButton::clicked, this, &TFormDelFirm::NoClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(panel1_);
    layout->addLayout(buttons);
}

bool TFormDelFirm::ask(Mode mode, const QString& question, const QString& name) {
    mode_ = mode;
    confirmed_ = false;
    label1_->setText(question);
    panel1_->setText(name);
    exec();
    return confirmed_;
}

bool TFormDelFirm::askOrganization(const QString& name) {
    return ask(Mode::Organization, QStringLiteral("Удалить организацию ?"), name);
}

bool TFormDelFirm::askClientContract() {
    const auto slot = static_cast<std::size_t>(context_.catalogues.clients.SelectedClient);
    const QString name = slot < context_.store.ClientFirmNames.size()
                             ? fromCp1251(context_.store.ClientFirmNames[slot].view())
                             : QString();
    return ask(Mode::ClientContract, QStringLiteral("Удалить клиента ?"), name);
}

void TFormDelFirm::YesClick() {
    confirmed_ = true;
    if (mode_ == Mode::ClientContract) {
        try {
            deleteClient(context_.store, context_.catalogues.clients);
        } catch (const IoError& error) {
            showFileError(context_, error);
        }
    }
    accept();
}

void TFormDelFirm::NoClick() {
    reject();
}

} // namespace kestrelon
