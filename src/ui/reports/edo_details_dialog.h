#pragma once
// What the "ЭДО" button asks once and the data folder then keeps: the EDO participant ids of
// the agent's and the principal's organizations, given to each by its operator, and the full
// name of the director who signs, where the agent contract holds only initials. Only what is
// missing is asked.

#include "checked_dialog.h"

#include <QString>
#include <QStringList>

class QVBoxLayout;
class QLineEdit;

namespace kestrelon {

struct EdoDetailsRequest {
    QString agentName, principalName; // as the catalogue names them
    bool askAgentId = false;
    bool askPrincipalId = false;
    bool askSigner = false;
    QString director; // as the agent contract holds it
};

struct EdoDetails {
    QString agentId, principalId;
    QString surname, name, patronymic;
};

// What is wrong with what was typed for the request: an id operators would not give, a name
// part missing, an initial, too long or with a letter windows-1251 cannot hold.
QStringList edoDetailsProblems(const EdoDetailsRequest& request, const EdoDetails& details);

class EdoDetailsDialog : public CheckedDialog {
public:
    EdoDetailsDialog(const EdoDetailsRequest& request, QWidget* parent);

    EdoDetails details() const;

private:
    QStringList problems() const override;
    static constexpr int kWidth = 560;
    // The caption over the field, and the organization it is for when there is one.
    QLineEdit* addField(QVBoxLayout* fields, const QString& caption, const QString& organization,
                        const QString& name, bool shown);

    EdoDetailsRequest request_;
    QLineEdit* agentId_ = nullptr;
    QLineEdit* principalId_ = nullptr;
    QLineEdit* surname_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* patronymic_ = nullptr;
};

} // namespace kestrelon
