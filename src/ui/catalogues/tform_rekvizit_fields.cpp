// The organization card's fields in their groups, made in screen order so that the tab order
// follows Edit1..Edit24.

#include "catalogues/bank_fields.h"
#include "catalogues/stored_text.h"
#include "inn_line_edit.h"
#include "report_cut_note.h"
#include "tform_rekvizit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

constexpr int kInnEdit = 17;
constexpr int kAccountDigits = kBankFieldLengths[0];
constexpr int kBikDigits = kBankFieldLengths[2];
constexpr int kCodeDigits = storedLength(&FirmRecord::Inn);

// Lays out the fields in screen order, so that the tab order follows Edit1..Edit24.
class CardBuilder {
public:
    CardBuilder(QWidget* owner, std::array<QLineEdit*, TFormRekvizit::kFieldCount>& edits,
                MessageSink& messages)
        : owner_(owner), edits_(edits), messages_(messages) {}

    QGroupBox* group(const QString& caption = {}) {
        auto* box = new QGroupBox(caption, owner_);
        box->setObjectName(QStringLiteral("GroupBox%1").arg(++groups_));
        grid_ = new QGridLayout(box);
        return box;
    }
    // A labelled field at (row, column pair) of the current group; `span` columns wide.
    // `fitChars` > 0: the field is never narrower than that many digits, so that an
    // account or code is seen whole.
    void field(const QString& label, int row, int column, int span = 1, int fitChars = 0) {
        auto* text = new QLabel(label, owner_);
        QLineEdit* edit = next();
        if (fitChars > 0) {
            const int digits = edit->fontMetrics().horizontalAdvance(QString(fitChars, u'0'));
            edit->setMinimumWidth(digits + 2 * edit->fontMetrics().averageCharWidth());
        }
        text->setBuddy(edit);
        grid_->addWidget(text, row, 2 * column);
        grid_->addWidget(edit, row, 2 * column + 1, 1, 2 * span - 1);
    }
    void bare(int row) { grid_->addWidget(next(), row, 0, 1, -1); }
    // Under `row`: the note that says when field `number` is longer than a report keeps.
    void cutNote(int number, ReportCopy copy, int row) {
        grid_->addWidget(makeReportCutNote(edits_[static_cast<std::size_t>(number - 1)], copy), row,
                         0, 1, -1);
    }
    void stretchColumns(std::initializer_list<int> columns) {
        for (int c : columns) {
            grid_->setColumnStretch(2 * c + 1, 1);
        }
    }

private:
    QLineEdit* next() {
        const int number = ++count_;
        QLineEdit* edit =
            number == kInnEdit ? new InnLineEdit(owner_, messages_) : new QLineEdit(owner_);
        edit->setObjectName(QStringLiteral("Edit%1").arg(number));
        edits_[static_cast<std::size_t>(number - 1)] = edit;
        return edit;
    }

    QWidget* owner_;
    std::array<QLineEdit*, TFormRekvizit::kFieldCount>& edits_;
    MessageSink& messages_;
    QGridLayout* grid_ = nullptr;
    int count_ = 0;
    int groups_ = 0;
};

} // namespace

void TFormRekvizit::buildFields(QVBoxLayout& layout) {
    CardBuilder card(this, edits_, context_.messages);
    layout.addWidget(card.group(QStringLiteral("Название организации")));
    card.bare(0);

    layout.addWidget(card.group(QStringLiteral("Свидетельство о регистрации")));
    card.field(QStringLiteral("Серия"), 0, 0);
    card.field(QStringLiteral("Номер"), 0, 1);
    card.field(QStringLiteral("Дата"), 0, 2);
    card.field(QStringLiteral("Выдано"), 1, 0, 3);
    card.field(QStringLiteral("ОГРН"), 2, 0, 2);
    card.stretchColumns({0, 1, 2});

    layout.addWidget(card.group(QStringLiteral("Юридический адрес ")));
    card.bare(0);
    card.cutNote(7, ReportCopy::FirmLegalAddress, 1);
    layout.addWidget(card.group(QStringLiteral("Почтовый адрес ")));
    card.bare(0);

    layout.addWidget(card.group());
    card.field(QStringLiteral("Телефон"), 0, 0);
    card.field(QStringLiteral("Факс"), 0, 1);
    card.field(QStringLiteral("E-Mail "), 0, 2);
    card.cutNote(9, ReportCopy::FirmPhone, 1);
    card.stretchColumns({0, 1, 2});

    layout.addWidget(card.group(QStringLiteral("Банк")));
    card.field(QStringLiteral("Р/Сч."), 0, 0, 1, kAccountDigits);
    card.field(QStringLiteral("К/Сч."), 0, 1, 1, kAccountDigits);
    card.field(QStringLiteral("БИК"), 0, 2, 1, kBikDigits);
    card.field(QStringLiteral("Сокр. название"), 1, 0, 3);
    card.field(QStringLiteral("Полн. название"), 2, 0, 3);
    card.stretchColumns({0, 1, 2});

    layout.addWidget(card.group());
    card.field(QStringLiteral("ИНН"), 0, 0, 1, kCodeDigits);
    card.field(QStringLiteral("КПП"), 0, 1, 1, kCodeDigits);
    card.field(QStringLiteral("ОКАТО"), 0, 2, 1, kCodeDigits);
    card.field(QStringLiteral("ОКПО"), 0, 3, 1, kCodeDigits);
    card.field(QStringLiteral("ОКОГУ"), 1, 0);
    card.field(QStringLiteral("ОКОПФ"), 1, 1);
    card.field(QStringLiteral("ОКФС"), 1, 2);
    card.field(QStringLiteral("ОКВЭД"), 2, 0, 4);
    card.stretchColumns({0, 1, 2, 3});
}

} // namespace kestrelon
