#include "store/cp1251.h"
#include "support/temp_folder.h"
#include "ui/catalogues/tform_add_agent.h"
#include "ui/catalogues/tform_agent.h"
#include "ui/support/modal_driver.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/qt_text.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

using test::clickButton;
using test::fieldText;
using test::onNextModal;
using test::typeInto;

constexpr std::size_t kAgentSize = 540;
const QString kActData = QStringLiteral("Введите все данные для акта взаимозачета");

class AgentWindowTest : public ::testing::Test {
protected:
    AgentWindowTest() { store->DataFolder = folder.path(); }

    void addFirm(const QString& name, const char* inn, const char* phone = "",
                 const char* email = "") {
        FirmRecord& firm = store->Firms[store->FirmCount++];
        firm.Name = toCp1251(name);
        firm.Inn = inn;
        firm.Phone = phone;
        firm.Email = email;
    }

    // The principal as data folders from before it could be named have it: recognised by the
    // fixed INN, so the card needs no choice of it.
    void addLegacyPrincipal() { addFirm(QStringLiteral("Тарвел"), PrincipalInn); }

    // A card that passes every check, for the first organization.
    static AgentCardFields completeCard() {
        AgentCardFields f;
        f.chosenFirm = 0;
        f.ContractNo = "AG-1";
        f.ContractDate = "5.03.2012";
        f.Phone = "111";
        f.Email = "agent@example.ru";
        f.AgentDirector = "Director";
        f.AgentChiefAccountant = "Chief";
        f.AgentAccountant = "Accountant";
        f.AgentChiefAccountantGenitive = "Chiefs";
        f.PrincipalChiefAccountant = "Principal";
        f.PrincipalChiefAccountantGenitive = "Principals";
        return f;
    }

    // The window as start-up creates it when there is no "Agent" file.
    TFormAgent& createWindow() {
        form = std::make_unique<TFormAgent>(context, nullptr);
        card = new TFormAddAgent(context, form.get());
        form->setAgentCard(card);
        form->applyAgentFileDefaults();
        form->show();
        return *form;
    }

    QString label(const char* name) const {
        return form->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    // "Edit" in the window, with `act` done in the card.
    void edit(std::function<void(QDialog&)> act) {
        onNextModal(*form, std::move(act));
        clickButton(*form, "ButtonEdit");
    }
    // "Edit", then the card confirmed with this number and the first organization.
    void editAndConfirm(const QString& number, int firm = 0) {
        edit([number, firm](QDialog& dialog) {
            dialog.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(firm);
            typeInto(dialog, "Edit4", number);
            typeInto(dialog, "Edit5", "Director");
            typeInto(dialog, "Edit6", "Chief");
            typeInto(dialog, "Edit8", "Chiefs");
            clickButton(dialog, "ButtonOK");
        });
    }
    // The card opened directly with `fields` and "OK" pressed; true when it was confirmed.
    bool confirmCard(const AgentCardFields& fields) {
        onNextModal(*form, [](QDialog& dialog) { clickButton(dialog, "ButtonOK"); });
        return card->openCard(fields);
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<TFormAgent> form;
    TFormAddAgent* card = nullptr;
};

TEST_F(AgentWindowTest, OpensWithItsCaptionsAndEmptyLabels) {
    createWindow();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Agent"));
    for (const char* name : {"ButtonOK", "ButtonEdit", "ButtonCancel"}) {
        EXPECT_TRUE(form->findChild<QAbstractButton*>(name)) << name;
    }
    EXPECT_EQ(label("Label1"), QString());
    EXPECT_EQ(label("Label2"), QString());
    EXPECT_EQ(label("Panel1"), QString());

    EXPECT_EQ(card->windowTitle(), QStringLiteral("FormAddAgent"));
    QStringList groups;
    for (const QGroupBox* group : card->findChildren<QGroupBox*>()) {
        groups.append(group->title());
    }
    groups.sort();
    QStringList expected{"Организация", "№ Договора ", "Дата ",
                         "Телефон ",    "E-Mail  ",    "Для акта взаимозачета "};
    expected.sort();
    EXPECT_EQ(groups, expected);
    auto* tabs = card->findChild<QTabWidget*>("PageControl1");
    ASSERT_TRUE(tabs);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Агент"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Тарвел"));
    const auto* tab1 = tabs->widget(0);
    const auto* tab2 = tabs->widget(1);
    for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit8", "RadioButton1", "RadioButton2"}) {
        EXPECT_TRUE(tab1->findChild<QWidget*>(name)) << name << " on the agent's tab";
    }
    for (const char* name : {"Edit9", "Edit10"}) {
        EXPECT_TRUE(tab2->findChild<QWidget*>(name)) << name << " on the principal's tab";
    }
    tabs->setCurrentIndex(1);
    EXPECT_EQ(card->findChild<QGroupBox*>("GroupBoxAct")->title(),
              QStringLiteral("Для акта взаимозачета"));
}

TEST_F(AgentWindowTest, WithoutOrganizationsTheCardProposesTodayAndWantsAnOrganization) {
    createWindow();
    QString date, principal;
    int listed = -1;
    bool stayedOpen = false;
    edit([&](QDialog& dialog) {
        date = fieldText(dialog, "Edit1");
        principal = fieldText(dialog, "Edit9");
        listed = dialog.findChild<QComboBox*>("ComboBox1")->count();
        clickButton(dialog, "ButtonOK");
        stayedOpen = dialog.isVisible();
    });
    EXPECT_EQ(date, QDate::currentDate().toString(QStringLiteral("d.MM.yyyy")));
    EXPECT_FALSE(principal.isEmpty()) << "the preset principal's chief accountant";
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Выберите организацию")});
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(context.catalogues.agent.changed());
}

TEST_F(AgentWindowTest, CardChecksInOrder) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addLegacyPrincipal();
    createWindow();
    struct Case {
        const char* what;
        std::function<void(AgentCardFields&)> change;
        QString message; // empty: accepted
    };
    const Case cases[] = {
        {"complete", [](AgentCardFields&) {}, {}},
        {"no organization before no number",
         [](AgentCardFields& f) {
             f.chosenFirm = -1;
             f.ContractNo.clear();
         },
         QStringLiteral("Выберите организацию")},
        {"no number before the act's names",
         [](AgentCardFields& f) {
             f.ContractNo.clear();
             f.AgentDirector.clear();
         },
         QStringLiteral("Введите номер договора")},
        {"no director", [](AgentCardFields& f) { f.AgentDirector.clear(); }, kActData},
        {"neither accountant",
         [](AgentCardFields& f) {
             f.AgentChiefAccountant.clear();
             f.AgentAccountant.clear();
         },
         kActData},
        {"only the accountant", [](AgentCardFields& f) { f.AgentChiefAccountant.clear(); }, {}},
        {"only the chief accountant, who is not the signer",
         [](AgentCardFields& f) {
             f.AgentAccountant.clear();
             f.accountantSigns = true;
         },
         {}},
        {"no agent's genitive", [](AgentCardFields& f) { f.AgentChiefAccountantGenitive.clear(); },
         kActData},
        {"no principal's chief", [](AgentCardFields& f) { f.PrincipalChiefAccountant.clear(); },
         kActData},
        {"no principal's genitive",
         [](AgentCardFields& f) { f.PrincipalChiefAccountantGenitive.clear(); }, kActData},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sink.messages.clear();
        AgentCardFields fields = completeCard();
        c.change(fields);
        const bool confirmed = confirmCard(fields);
        EXPECT_EQ(confirmed, c.message.isEmpty());
        EXPECT_EQ(sink.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
}

TEST_F(AgentWindowTest, CardGivesBackWhatItShows) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addFirm(QStringLiteral("Другой"), "7701000002");
    addLegacyPrincipal();
    createWindow();
    for (const bool accountantSigns : {false, true}) {
        SCOPED_TRACE(accountantSigns);
        AgentCardFields sent = completeCard();
        sent.chosenFirm = 1;
        sent.accountantSigns = accountantSigns;
        ASSERT_TRUE(confirmCard(sent));
        const AgentCardFields got = card->fields();
        EXPECT_EQ(got.chosenFirm, 1);
        EXPECT_EQ(got.accountantSigns, accountantSigns);
        const auto texts = [](const AgentCardFields& f) {
            return std::vector<std::string>{f.ContractNo,
                                            f.ContractDate,
                                            f.Phone,
                                            f.Email,
                                            f.AgentDirector,
                                            f.AgentChiefAccountant,
                                            f.AgentAccountant,
                                            f.AgentChiefAccountantGenitive,
                                            f.PrincipalChiefAccountant,
                                            f.PrincipalChiefAccountantGenitive};
        };
        EXPECT_EQ(texts(got), texts(sent));
    }
}

TEST_F(AgentWindowTest, ChoosingAnOrganizationFillsItsPhoneAndEmail) {
    addFirm(QStringLiteral("Агент"), "7701000001", "495-1", "one@example.ru");
    addFirm(QStringLiteral("Другой"), "7701000002", "495-2", "two@example.ru");
    createWindow();
    QString phoneShown, phone, email;
    edit([&](QDialog& dialog) {
        phoneShown = fieldText(dialog, "Edit2");
        auto* list = dialog.findChild<QComboBox*>("ComboBox1");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        phone = fieldText(dialog, "Edit2");
        email = fieldText(dialog, "Edit3");
    });
    EXPECT_EQ(phoneShown, QString()) << "opening the card chooses nothing by itself";
    EXPECT_EQ(phone, QStringLiteral("495-2"));
    EXPECT_EQ(email, QStringLiteral("two@example.ru"));
}

TEST_F(AgentWindowTest, ConfirmedCardShowsInTheLabels) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addFirm(QStringLiteral("Другой"), "7701000002");
    addLegacyPrincipal();
    createWindow();
    editAndConfirm(QStringLiteral("АГ-7"), 1);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_EQ(label("Label1"), QStringLiteral("АГ-7"));
    EXPECT_EQ(label("Label2"), QDate::currentDate().toString(QStringLiteral("d.MM.yyyy")));
    EXPECT_EQ(label("Panel1"), QStringLiteral("Другой"));
    EXPECT_EQ(store->AgentFirmIndex, 1);
    EXPECT_FALSE(folder.exists("Agent")) << "nothing is written before the window's OK";
}

TEST_F(AgentWindowTest, CancelBringsBackTheRecordFromBeforeTheFirstEdit) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addFirm(QStringLiteral("Другой"), "7701000002");
    addLegacyPrincipal();
    createWindow();
    editAndConfirm(QStringLiteral("N-1"), 0);
    clickButton(*form, "ButtonOK");
    const AgentRecord saved = store->Agent;
    const std::string savedFile = folder.readFile("Agent");

    form->show();
    editAndConfirm(QStringLiteral("N-2"), 1);
    editAndConfirm(QStringLiteral("N-3"), 1);
    EXPECT_EQ(label("Label1"), QStringLiteral("N-3"));
    clickButton(*form, "ButtonCancel");

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(std::memcmp(&store->Agent, &saved, sizeof saved), 0);
    EXPECT_EQ(label("Label1"), QStringLiteral("N-1"));
    EXPECT_EQ(label("Panel1"), QStringLiteral("Агент"));
    EXPECT_EQ(store->AgentFirmIndex, 0);
    EXPECT_EQ(folder.readFile("Agent"), savedFile) << "Cancel writes nothing";
}

TEST_F(AgentWindowTest, OkWritesTheFirstConfirmedChangeDespiteALaterCancelledCard) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addLegacyPrincipal();
    createWindow();
    editAndConfirm(QStringLiteral("N-1"));
    edit([](QDialog& dialog) {
        typeInto(dialog, "Edit4", QStringLiteral("N-2"));
        clickButton(dialog, "ButtonCancel");
    });
    clickButton(*form, "ButtonOK");

    EXPECT_FALSE(form->isVisible());
    const std::string file = folder.readFile("Agent");
    ASSERT_EQ(file.size(), kAgentSize);
    EXPECT_EQ(file.substr(0, 4), "\x03"
                                 "N-1");
    EXPECT_EQ(file.substr(26, 11), "\x0A"
                                   "7701000001");
    EXPECT_EQ(file.substr(169, 9), "\x08"
                                   "Director");
    EXPECT_EQ(file[539], '\0') << "the chief accountant signs";
    EXPECT_FALSE(context.catalogues.agent.changed());
}

TEST_F(AgentWindowTest, TheCloseBoxKeepsAConfirmedChangePending) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addLegacyPrincipal();
    createWindow();
    editAndConfirm(QStringLiteral("N-1"));
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(folder.exists("Agent"));
    EXPECT_EQ(store->Agent.ContractNo.str(), "N-1");

    form->show();
    clickButton(*form, "ButtonOK");
    EXPECT_EQ(folder.readFile("Agent").substr(0, 4), "\x03"
                                                     "N-1");
}

TEST_F(AgentWindowTest, AFailedSaveKeepsTheWindowOpenAndTheChangeForTheNextOk) {
    addFirm(QStringLiteral("Агент"), "7701000001");
    addLegacyPrincipal();
    createWindow();
    editAndConfirm(QStringLiteral("N-1"));
    store->DataFolder = folder.path() + "missing/";
    clickButton(*form, "ButtonOK");
    EXPECT_EQ(sink.messages, QStringList{QString::fromStdString("File not found\n" + folder.path() +
                                                                "missing/Agent")});
    EXPECT_TRUE(form->isVisible()) << "the failed save stops the OK before the window closes";
    EXPECT_TRUE(context.catalogues.agent.changed());

    store->DataFolder = folder.path();
    clickButton(*form, "ButtonOK");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(folder.readFile("Agent").size(), kAgentSize);
    EXPECT_FALSE(context.catalogues.agent.changed());
}

} // namespace
} // namespace kestrelon
