#include "tform_err_nds.h"

#include "reports/computation/vat_question_view.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/qt_text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

QLineEdit* readOnlyField(QWidget* parent, int number, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("Edit%1").arg(number));
    field->setReadOnly(true);
    field->setAccessibleName(accessibleName);
    field->setFixedWidth(110);
    return field;
}

void setTextColour(QLineEdit* field, QColor colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, colour);
    field->setPalette(palette);
}

} // namespace

TFormErrNDS::TFormErrNDS(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormErrNDS"));
    setWindowTitle(QStringLiteral("FormErrNDS"));

    auto* error = new QLabel(QStringLiteral("Ошибка:"), this);
    error->setObjectName(QStringLiteral("Label1"));
    rowLabel_ = new QLabel(this);
    rowLabel_->setObjectName(QStringLiteral("Label2"));
    auto* heading = new QHBoxLayout;
    heading->addWidget(error);
    heading->addWidget(rowLabel_);
    heading->addStretch(1);

    auto* fields = new QGridLayout;
    const std::array<QString, 3> captions = {QStringLiteral("Сумма"), QStringLiteral("НДС"),
                                             QStringLiteral("С НДС")};
    auto* expected = new QLabel(QStringLiteral("Должно быть"), this);
    expected->setObjectName(QStringLiteral("Label6"));
    for (int c = 0; c < 3; ++c) {
        const auto k = static_cast<std::size_t>(c);
        auto* caption = new QLabel(captions[k], this);
        caption->setObjectName(QStringLiteral("Label%1").arg(c + 3));
        upper_[k] = readOnlyField(this, c + 1, QStringLiteral("Введено: %1").arg(captions[k]));
        lower_[k] = readOnlyField(this, c + 4, QStringLiteral("Должно быть: %1").arg(captions[k]));
        caption->setBuddy(upper_[k]);
        fields->addWidget(caption, 0, c + 1);
        fields->addWidget(upper_[k], 1, c + 1);
        fields->addWidget(lower_[k], 3, c + 1);
    }
    fields->addWidget(expected, 2, 1, 1, 3);

    no_ = makeButton(this, QStringLiteral("Нет"), "Button1", &TFormErrNDS::Button1Click);
    QPushButton* fix =
        makeButton(this, QStringLiteral("Исправить"), "Button2", &TFormErrNDS::Button2Click);
    // Enter keeps what the user typed: only a deliberate "Исправить" replaces it.
    no_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addLayout(fields);
    layout->addLayout(buttonRow({no_, fix}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TFormErrNDS::ask(const VatQuestion& question) {
    const VatQuestionView view = vatQuestionView(question);
    rowLabel_->setText(fromCp1251(view.caption));
    for (std::size_t c = 0; c < 3; ++c) {
        setTextColour(upper_[c], Qt::black);
        setTextColour(lower_[c], Qt::black);
        upper_[c]->setText(fromCp1251(view.upper[c]));
        lower_[c]->setText(fromCp1251(view.lower[c]));
        if (view.red[c]) {
            setTextColour(upper_[c], Qt::red);
        }
    }
    confirmed_ = false;
    // The fields only show values; the answer is what the keyboard is for.
    no_->setFocus(Qt::OtherFocusReason);
    exec();
    return confirmed_;
}

void TFormErrNDS::Button1Click() {
    reject();
}

void TFormErrNDS::Button2Click() {
    confirmed_ = true;
    accept();
}

} // namespace kestrelon
