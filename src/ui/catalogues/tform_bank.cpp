#include "tform_bank.h"

#include "catalogues/requisites_check.h"
#include "report_cut_note.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/qt_text.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

namespace kestrelon {
namespace {

const std::array<QString, 5> kFieldLabels = {
    QStringLiteral("Р/Сч."), QStringLiteral("К/Сч."), QStringLiteral("БИК"),
    QStringLiteral("Сокр. название"), QStringLiteral("Полн. название")};

// The two names a stored report keeps shorter, each with its note under the field.
std::optional<ReportCopy> reportCopyOf(std::size_t field) {
    switch (field) {
    case 3:
        return ReportCopy::BankShortName;
    case 4:
        return ReportCopy::BankFullName;
    default:
        return std::nullopt;
    }
}

QString bankCaption(std::size_t i) {
    return QStringLiteral("Банк %1").arg(i + 1);
}

} // namespace

TFormBank::TFormBank(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormBank"));
    setWindowTitle(QStringLiteral("Реквизиты"));

    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->setAccessibleName(QStringLiteral("Банковские счета"));
    for (std::size_t page = 0; page < edits_.size(); ++page) {
        auto* sheet = new QWidget(pageControl1_);
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(page + 1));
        auto* form = new QFormLayout(sheet);
        for (std::size_t field = 0; field < kFieldLabels.size(); ++field) {
            auto* edit = new QLineEdit(sheet);
            edit->setObjectName(QStringLiteral("Edit%1").arg(page * 5 + field + 1));
            edit->setMaxLength(kBankFieldLengths[field]);
            form->addRow(kFieldLabels[field], edit);
            if (const auto copy = reportCopyOf(field)) {
                form->addRow(makeReportCutNote(edit, *copy));
            }
            edits_[page][field] = edit;
        }
        pageControl1_->addTab(sheet, bankCaption(page));
    }

    radioGroup1_ = new QGroupBox(QStringLiteral("Выбор банка"), this);
    radioGroup1_->setObjectName(QStringLiteral("RadioGroup1"));
    choice_ = new QButtonGroup(this);
    auto* columns = new QHBoxLayout(radioGroup1_);
    for (std::size_t i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(bankCaption(i), radioGroup1_);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        choice_->addButton(radio, static_cast<int>(i));
        columns->addWidget(radio, 1);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    connect(ok, &QPushButton::clicked, this, &TFormBank::ButtonOKClick);
    moveOnWithEnter(*this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(radioGroup1_, 1);
    bottom->addWidget(ok, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pageControl1_);
    layout->addLayout(bottom);
    resize(660, 300);
}

void TFormBank::openBank(CardMode mode, FirmRecord* firm, const QString& cardName) {
    mode_ = mode;
    firm_ = firm;
    cardName_ = cardName;
    exec();
}

void TFormBank::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
}

void TFormBank::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFormBank::FormShow() {
    const BankFields fields = firm_ ? readBankFields(*firm_) : BankFields{};
    fillFields(fields);
    const QString storedName = firm_ ? fromCp1251(firm_->Name.view()) : QString();
    switch (mode_) {
    case CardMode::New:
        setWindowTitle(cardName_ + QStringLiteral(" - Новая организация"));
        break;
    case CardMode::Edit:
        setWindowTitle(storedName + QStringLiteral(" - Редактирование"));
        break;
    case CardMode::View:
        setWindowTitle(storedName);
        setEditable(false);
        break;
    }
    // Each showing starts in the account of the page shown, not on "OK" pressed the last time
    // (set here, once the page is chosen).
    edits_[static_cast<std::size_t>(pageControl1_->currentIndex())][0]->setFocus();
}

void TFormBank::FormClose() {
    if (mode_ == CardMode::View) {
        setEditable(true);
        return;
    }
    if (firm_) {
        writeBankFields(*firm_, readFields());
    }
}

void TFormBank::ButtonOKClick() {
    if (mode_ != CardMode::View && !keepDespiteProblems()) {
        return; // "Нет": back to the accounts with what was typed
    }
    accept();
}

bool TFormBank::keepDespiteProblems() {
    FirmRecord typed = firm_ ? *firm_ : FirmRecord{};
    writeBankFields(typed, readFields());
    std::vector<std::string> problems;
    int firstPage = -1;
    for (std::size_t i = 0; i < typed.Banks.size(); ++i) {
        for (std::string& problem : bankAccountProblems(i, typed.Banks[i])) {
            firstPage = firstPage < 0 ? static_cast<int>(i) : firstPage;
            problems.push_back(std::move(problem));
        }
    }
    if (problems.empty() || context_.messages.askQuestion(fromCp1251(keepAsIsQuestion(problems)))) {
        return true;
    }
    // The user goes back to correct: the first account named is the one shown.
    pageControl1_->setCurrentIndex(firstPage);
    return false;
}

void TFormBank::fillFields(const BankFields& fields) {
    for (std::size_t page = 0; page < edits_.size(); ++page) {
        for (std::size_t field = 0; field < edits_[page].size(); ++field) {
            QLineEdit* edit = edits_[page][field];
            edit->setText(fromCp1251(fields.accounts[page][field]));
            edit->setCursorPosition(0); // a long bank name shows its beginning
        }
    }
    pageControl1_->setCurrentIndex(fields.selected);
    choice_->button(fields.selected)->setChecked(true);
}

BankFields TFormBank::readFields() const {
    BankFields fields;
    for (std::size_t page = 0; page < edits_.size(); ++page) {
        for (std::size_t field = 0; field < edits_[page].size(); ++field) {
            fields.accounts[page][field] = toCp1251(edits_[page][field]->text());
        }
    }
    fields.selected = std::max(choice_->checkedId(), 0);
    return fields;
}

void TFormBank::setEditable(bool editable) {
    for (const auto& page : edits_) {
        for (QLineEdit* edit : page) {
            edit->setReadOnly(!editable);
        }
    }
    radioGroup1_->setEnabled(editable);
}

} // namespace kestrelon
