#include "edo_details_dialog.h"

#include "exchange/edo_book.h"
#include "exchange/person_name.h"
#include "render/cp1251_qstring.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

// A name part as the format takes it: present when required, one word of letters as typed,
// no initial, at most 60 characters, all of them in windows-1251.
QString namePartProblem(const QString& caption, const QString& part, bool required) {
    const QString text = part.trimmed();
    if (text.isEmpty()) {
        return required ? QStringLiteral("%1 подписанта не указано").arg(caption) : QString();
    }
    if (text.contains(QLatin1Char('.')) || text.contains(QLatin1Char(' '))) {
        return QStringLiteral("%1 подписанта «%2»: нужно одно слово полностью, без инициалов")
            .arg(caption, text);
    }
    if (text.size() > static_cast<int>(kMaxNamePartLength)) {
        return QStringLiteral("%1 подписанта длиннее %2 знаков")
            .arg(caption)
            .arg(kMaxNamePartLength);
    }
    if (fromCp1251(toCp1251(text)) != text) {
        return QStringLiteral("%1 подписанта «%2»: есть буквы, которых нет в кодировке "
                              "windows-1251")
            .arg(caption, text);
    }
    return {};
}

} // namespace

QStringList edoDetailsProblems(const EdoDetailsRequest& request, const EdoDetails& details) {
    QStringList problems;
    const auto id = [&](bool asked, const QString& who, const QString& value) {
        if (!asked) {
            return;
        }
        const QString typed = value.trimmed();
        if (typed.isEmpty()) {
            problems << QStringLiteral("Идентификатор участника ЭДО %1 не указан").arg(who);
        } else if (const std::string wrong = participantIdProblem(typed.toStdString());
                   !wrong.empty()) {
            problems << QStringLiteral("Идентификатор участника ЭДО %1 «%2» %3")
                            .arg(who, typed, QString::fromStdString(wrong));
        }
    };
    id(request.askAgentId, QStringLiteral("агента"), details.agentId);
    id(request.askPrincipalId, QStringLiteral("принципала"), details.principalId);
    if (request.askSigner) {
        for (const QString& problem :
             {namePartProblem(QStringLiteral("Фамилия"), details.surname, true),
              namePartProblem(QStringLiteral("Имя"), details.name, true),
              namePartProblem(QStringLiteral("Отчество"), details.patronymic, false)}) {
            if (!problem.isEmpty()) {
                problems << problem;
            }
        }
    }
    return problems;
}

EdoDetailsDialog::EdoDetailsDialog(const EdoDetailsRequest& request, QWidget* parent)
    : CheckedDialog(parent, QStringLiteral("FormEdoDetails"), QStringLiteral("Сведения для ЭДО")),
      request_(request) {
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        QStringLiteral("Эти сведения вводятся один раз и сохраняются в папке данных."), this);
    layout->addWidget(intro);

    // Captions over full-width fields, one below the other, each on one line: the
    // organization's name, as long as a card holds it, under the caption, shortened with «…»
    // to the dialog's width (whole in its hint and for a screen reader).
    auto* form = new QVBoxLayout;
    agentId_ = addField(form, QStringLiteral("Идентификатор участника ЭДО агента:"),
                        request.agentName, QStringLiteral("EditAgentId"), request.askAgentId);
    principalId_ =
        addField(form, QStringLiteral("Идентификатор участника ЭДО принципала:"),
                 request.principalName, QStringLiteral("EditPrincipalId"), request.askPrincipalId);
    if (request.askSigner) {
        auto* signer =
            new QLabel(QStringLiteral("Руководитель «%1» подписывает УПД: укажите его полностью.")
                           .arg(request.director),
                       this);
        form->addWidget(signer);
    }
    surname_ = addField(form, QStringLiteral("Фамилия:"), {}, QStringLiteral("EditSurname"),
                        request.askSigner);
    name_ =
        addField(form, QStringLiteral("Имя:"), {}, QStringLiteral("EditName"), request.askSigner);
    patronymic_ = addField(form, QStringLiteral("Отчество:"), {}, QStringLiteral("EditPatronymic"),
                           request.askSigner);
    if (request.askSigner) {
        surname_->setText(fromCp1251(surnameOf(toCp1251(request.director))));
    }
    layout->addLayout(form);

    finishLayout(layout);
    setMinimumWidth(kWidth);
}

QLineEdit* EdoDetailsDialog::addField(QVBoxLayout* form, const QString& caption,
                                      const QString& organization, const QString& name,
                                      bool shown) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    if (!shown) {
        edit->hide();
        return edit;
    }
    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    form->addWidget(label);
    if (!organization.isEmpty()) {
        auto* named = new QLabel(this);
        named->setText(named->fontMetrics().elidedText(organization, Qt::ElideRight, kWidth - 40));
        named->setToolTip(organization);
        named->setAccessibleName(organization);
        form->addWidget(named);
        edit->setAccessibleDescription(organization);
    }
    form->addWidget(edit);
    return edit;
}

EdoDetails EdoDetailsDialog::details() const {
    return EdoDetails{agentId_->text().trimmed(), principalId_->text().trimmed(),
                      surname_->text().trimmed(), name_->text().trimmed(),
                      patronymic_->text().trimmed()};
}

QStringList EdoDetailsDialog::problems() const {
    return edoDetailsProblems(request_, details());
}

} // namespace kestrelon
