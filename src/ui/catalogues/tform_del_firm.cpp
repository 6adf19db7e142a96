#include "tform_del_firm.h"

#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_error.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/qt_text.h"

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
    panel1_ = makeSunkenPanel(this);
    QPushButton* yes =
        makeButton(this, QStringLiteral("Yes"), "ButtonYes", &TFormDelFirm::YesClick);
    QPushButton* no = makeButton(this, QStringLiteral("No"), "ButtonNo", &TFormDelFirm::NoClick);
    no->setDefault(true);
    startEachShowingOn(*this, [no] { return no; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(panel1_);
    layout->addLayout(buttonRow({yes, no}));
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

ClientsChange TFormDelFirm::askClientContract() {
    const auto slot = static_cast<std::size_t>(context_.catalogues.clients.SelectedClient);
    clientsChange_ = ClientsChange::None;
    ask(Mode::ClientContract, QStringLiteral("Удалить клиента ?"),
        fromCp1251(contractToDelete(context_.store, slot)));
    return clientsChange_;
}

void TFormDelFirm::YesClick() {
    confirmed_ = true;
    if (mode_ == Mode::ClientContract) {
        try {
            deleteClient(context_.store, context_.catalogues.clients);
            clientsChange_ = ClientsChange::Saved;
        } catch (const IoError& error) {
            clientsChange_ = ClientsChange::SaveFailed;
            showFileError(context_, error);
        }
    }
    accept();
}

void TFormDelFirm::NoClick() {
    reject();
}

} // namespace kestrelon
