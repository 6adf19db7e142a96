#include "tform_add_agent.h"

#include "catalogues/stored_text.h"
#include "report_cut_note.h"
#include "tform_add_client.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/enter_moves_on.h"
#include "ui/widgets/first_focus.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/scrollable_body.h"
#include "ui/widgets/shown_entry.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

// The caption is the field's buddy, so that a screen reader names the field by it.
void addRow(QGridLayout& grid, int row, const QString& caption, QWidget* edit,
            QRadioButton* signer = nullptr) {
    auto* label = new QLabel(caption, grid.parentWidget());
    label->setBuddy(edit);
    grid.addWidget(label, row, 0);
    grid.addWidget(edit, row, 1);
    if (signer != nullptr) {
        grid.addWidget(signer, row, 2);
    }
}

// A signer button has no text of its own beside its row's caption; its name and hint say whom
// it chooses.
QRadioButton* signerButton(QWidget* page, const char* objectName, const QString& who) {
    auto* button = new QRadioButton(page);
    button->setObjectName(QString::fromLatin1(objectName));
    const QString name = QStringLiteral("Подписывает ") + who;
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

} // namespace

TFormAddAgent::TFormAddAgent(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FormAddAgent"));
    setWindowTitle(QStringLiteral("FormAddAgent"));

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    keepShownEntrySelected(*comboBox1_);
    // Only a choice by the user fills the contact fields, not the list being filled.
    connect(comboBox1_, &QComboBox::activated, this, &TFormAddAgent::ComboBox1Change);
    edit4_ = makeLineEdit(this, "Edit4", storedLength(&AgentRecord::ContractNo));
    edit1_ = makeLineEdit(this, "Edit1", storedLength(&AgentRecord::ContractDate));
    edit2_ = makeLineEdit(this, "Edit2", storedLength(&AgentRecord::Phone));
    edit3_ = makeLineEdit(this, "Edit3", storedLength(&AgentRecord::Email));

    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->addTab(createAgentTab(), QStringLiteral("Агент"));
    pageControl1_->addTab(createPrincipalTab(), QStringLiteral("Тарвел"));
    connect(pageControl1_, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    actGroup_ = captionedGroup(QStringLiteral("Для акта взаимозачета "), pageControl1_, this);
    actGroup_->setObjectName(QStringLiteral("GroupBoxAct"));

    auto* numberAndDate = new QHBoxLayout;
    numberAndDate->addWidget(captionedGroup(QStringLiteral("№ Договора "), edit4_, this));
    numberAndDate->addWidget(captionedGroup(QStringLiteral("Дата "), edit1_, this));
    auto* contacts = new QHBoxLayout;
    contacts->addWidget(captionedGroup(QStringLiteral("Телефон "), edit2_, this));
    contacts->addWidget(captionedGroup(QStringLiteral("E-Mail  "), edit3_, this));

    // No default button: Enter in a field moves on instead of checking a half-filled card.
    QPushButton* ok =
        makeButton(this, QStringLiteral("OK"), "ButtonOK", &TFormAddAgent::ButtonOKClick);
    QPushButton* cancel = makeButton(this, QStringLiteral("Cancel"), "ButtonCancel",
                                     &TFormAddAgent::ButtonCancelClick);

    // On a small or scaled screen the fields keep their size and scroll; the buttons stay.
    const ScrollingDialog parts = makeScrollingDialog(*this);
    QVBoxLayout* layout = parts.fields;
    layout->addWidget(captionedGroup(QStringLiteral("Организация"), comboBox1_, this));
    layout->addLayout(numberAndDate);
    layout->addWidget(makeReportCutNote(edit4_, ReportCopy::AgentContractNo));
    layout->addLayout(contacts);
    layout->addWidget(actGroup_);
    layout->addStretch(1);
    parts.buttons->addLayout(buttonRow({ok, cancel}));
    moveOnWithEnter(*this);
    startEachShowingOn(*this, [this] { return comboBox1_; });
    // As tall as the fields want; a small screen's fitting makes it smaller and it scrolls.
    resize(std::max(520, sizeHint().width()), sizeHint().height());
}

QWidget* TFormAddAgent::createAgentTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet1"));
    edit5_ = makeLineEdit(this, "Edit5", storedLength(&AgentRecord::AgentDirector));
    edit6_ = makeLineEdit(this, "Edit6", storedLength(&AgentRecord::AgentChiefAccountant));
    edit7_ = makeLineEdit(this, "Edit7", storedLength(&AgentRecord::AgentAccountant));
    edit8_ = makeLineEdit(this, "Edit8", storedLength(&AgentRecord::AgentChiefAccountantGenitive));
    radioButton1_ = signerButton(page, "RadioButton1", QStringLiteral("главный бухгалтер"));
    radioButton2_ = signerButton(page, "RadioButton2", QStringLiteral("бухгалтер"));
    auto* signer = new QButtonGroup(page);
    signer->addButton(radioButton1_);
    signer->addButton(radioButton2_);

    auto* grid = new QGridLayout(page);
    // The column of the two signer buttons says what they choose.
    grid->addWidget(new QLabel(QStringLiteral("Подписывает"), page), 0, 2);
    addRow(*grid, 0, QStringLiteral("Руководитель предприятия"), edit5_);
    addRow(*grid, 1, QStringLiteral("Главный бухгалтер"), edit6_, radioButton1_);
    addRow(*grid, 2, QStringLiteral("Бухгалтер"), edit7_, radioButton2_);
    addRow(*grid, 3, QStringLiteral("В лице главного бухгалтера"), edit8_);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* TFormAddAgent::createPrincipalTab() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheet2"));
    edit9_ = makeLineEdit(this, "Edit9", storedLength(&AgentRecord::PrincipalChiefAccountant));
    edit10_ =
        makeLineEdit(this, "Edit10", storedLength(&AgentRecord::PrincipalChiefAccountantGenitive));
    // Which organization of the catalogue is the principal: the documents name it.
    comboBox2_ = new QComboBox(page);
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    keepShownEntrySelected(*comboBox2_);
    auto* grid = new QGridLayout(page);
    addRow(*grid, 0, QStringLiteral("Организация принципала"), comboBox2_);
    addRow(*grid, 1, QStringLiteral("Главный бухгалтер"), edit9_);
    addRow(*grid, 2, QStringLiteral("В лице главного бухгалтера"), edit10_);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return page;
}

bool TFormAddAgent::openCard(const AgentCardFields& f) {
    confirmed_ = false;
    fillOrganizationList(*comboBox1_, context_.store);
    comboBox1_->setCurrentIndex(f.chosenFirm);
    fillOrganizationList(*comboBox2_, context_.store);
    comboBox2_->setCurrentIndex(f.chosenPrincipal);
    edit4_->setText(fromCp1251(f.ContractNo));
    edit1_->setText(fromCp1251(f.ContractDate));
    edit2_->setText(fromCp1251(f.Phone));
    edit3_->setText(fromCp1251(f.Email));
    edit5_->setText(fromCp1251(f.AgentDirector));
    edit6_->setText(fromCp1251(f.AgentChiefAccountant));
    edit7_->setText(fromCp1251(f.AgentAccountant));
    edit8_->setText(fromCp1251(f.AgentChiefAccountantGenitive));
    edit9_->setText(fromCp1251(f.PrincipalChiefAccountant));
    edit10_->setText(fromCp1251(f.PrincipalChiefAccountantGenitive));
    (f.accountantSigns ? radioButton2_ : radioButton1_)->setChecked(true);
    exec();
    return confirmed_;
}

AgentCardFields TFormAddAgent::fields() const {
    AgentCardFields f;
    f.chosenFirm = comboBox1_->currentIndex();
    f.chosenPrincipal = comboBox2_->currentIndex();
    f.ContractNo = toCp1251(edit4_->text());
    f.ContractDate = toCp1251(edit1_->text());
    f.Phone = toCp1251(edit2_->text());
    f.Email = toCp1251(edit3_->text());
    f.AgentDirector = toCp1251(edit5_->text());
    f.AgentChiefAccountant = toCp1251(edit6_->text());
    f.AgentAccountant = toCp1251(edit7_->text());
    f.AgentChiefAccountantGenitive = toCp1251(edit8_->text());
    f.PrincipalChiefAccountant = toCp1251(edit9_->text());
    f.PrincipalChiefAccountantGenitive = toCp1251(edit10_->text());
    f.accountantSigns = !radioButton1_->isChecked();
    return f;
}

void TFormAddAgent::ComboBox1Change(int index) {
    const DataStore& store = context_.store;
    if (index < 0 || index >= store.FirmCount) {
        return;
    }
    const FirmRecord& firm = store.Firms[static_cast<std::size_t>(index)];
    edit2_->setText(fromCp1251(firm.Phone.view()));
    edit3_->setText(fromCp1251(firm.Email.view()));
}

void TFormAddAgent::PageControl1Change() {
    actGroup_->setTitle(QStringLiteral("Для акта взаимозачета"));
    actGroup_->setStyleSheet(QStringLiteral("QGroupBox#GroupBoxAct::title { color: navy; }"));
}

void TFormAddAgent::ButtonOKClick() {
    const std::string refusal = checkAgentCard(fields(), context_.store);
    if (!refusal.empty()) {
        context_.messages.showMessage(fromCp1251(refusal));
        return;
    }
    confirmed_ = true;
    accept();
}

void TFormAddAgent::ButtonCancelClick() {
    reject();
}

} // namespace kestrelon
