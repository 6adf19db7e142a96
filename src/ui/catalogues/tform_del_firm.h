#pragma once
// "Удалить организацию": the delete confirmation for an organization, and in client contract
// mode for a contract, which its "Yes" then removes.

#include "clients_change.h"
#include "ui/widgets/app_context.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace kestrelon {

class TFormDelFirm : public QDialog {
public:
    enum class Mode { Organization, ClientContract };

    TFormDelFirm(AppContext& context, QWidget* parent);

    // "Удалить организацию ?" for the named organization; true on "Yes".
    bool askOrganization(const QString& name);
    // "Удалить клиента ?" for the selected contract, named by its organization and number;
    // "Yes" removes it and saves "Clients".
    ClientsChange askClientContract();

    void YesClick();
    void NoClick();

private:
    bool ask(Mode mode, const QString& question, const QString& name);

    AppContext& context_;
    Mode mode_ = Mode::Organization;
    bool confirmed_ = false;
    ClientsChange clientsChange_ = ClientsChange::None;
    QLabel* label1_ = nullptr;
    QLabel* panel1_ = nullptr;
};

} // namespace kestrelon
