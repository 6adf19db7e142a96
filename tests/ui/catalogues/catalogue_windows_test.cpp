// The catalogue windows as a keyboard or screen-reader user meets them: what each field takes,
// the notes under fields whose value a report keeps shorter, Enter in the cards, and a name
// for every control.

#include "support/sample_catalogues.h"
#include "support/temp_folder.h"
#include "ui/catalogues/tform_add_agent.h"
#include "ui/catalogues/tform_add_client.h"
#include "ui/catalogues/tform_agent.h"
#include "ui/catalogues/tform_bank.h"
#include "ui/catalogues/tform_client.h"
#include "ui/catalogues/tform_del_firm.h"
#include "ui/catalogues/tform_del_firm1.h"
#include "ui/catalogues/tform_firm.h"
#include "ui/catalogues/tform_rekvizit.h"
#include "ui/catalogues/tform_save.h"
#include "ui/main/tform_main.h"
#include "ui/support/firm_windows.h"
#include "ui/support/modal_driver.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/find_named.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

using test::clickButton;
using test::fieldText;
using test::focusName;
using test::onNextModal;
using test::pressKey;
using test::typeKeys;

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QLineEdit* field(const QWidget& window, const QString& name) {
    auto* edit = window.findChild<QLineEdit*>(name);
    EXPECT_TRUE(edit) << name.toStdString();
    return edit;
}

// Every catalogue window, made and joined as start-up does, over the sample catalogues.
class CatalogueWindowsTest : public ::testing::Test {
protected:
    CatalogueWindowsTest() {
        store->DataFolder = folder.path();
        test::fillCatalogues(*store);
        main = std::make_unique<TFormMain>(context);
        firm = new TFormFirm(context, main.get());
        card = new TFormRekvizit(context, main.get());
        bank = new TFormBank(context, main.get());
        deleteDialog = new TFormDelFirm(context, main.get());
        textCard = new TFormSave(context, main.get());
        agent = new TFormAgent(context, main.get());
        client = new TFormClient(context, main.get());
        clientCard = new TFormAddClient(context, main.get());
        contractDialog = new TFormDelFirm1(context, main.get());
        agentCard = new TFormAddAgent(context, main.get());
        firm->setDialogs(card, deleteDialog, contractDialog);
        card->setDialogs(bank, textCard);
        client->setDialogs(clientCard, deleteDialog);
        agent->setAgentCard(agentCard);
    }

    std::vector<QWidget*> windows() const {
        return {main.get(), firm,   card,       bank,           deleteDialog, textCard,
                agent,      client, clientCard, contractDialog, agentCard};
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<TFormMain> main;
    TFormFirm* firm = nullptr;
    TFormRekvizit* card = nullptr;
    TFormBank* bank = nullptr;
    TFormDelFirm* deleteDialog = nullptr;
    TFormSave* textCard = nullptr;
    TFormAgent* agent = nullptr;
    TFormClient* client = nullptr;
    TFormAddClient* clientCard = nullptr;
    TFormDelFirm1* contractDialog = nullptr;
    TFormAddAgent* agentCard = nullptr;
};

TEST_F(CatalogueWindowsTest, EveryFieldTakesOnlyTheCharactersItsRecordStores) {
    struct Window {
        QWidget* window;
        std::vector<int> lengths; // of Edit1, Edit2, ...
    };
    const Window windows[] = {
        {card, {128, 4,  12,  12,  255, 16, 128, 128, 64, 64, 64, 20,
                20,  10, 128, 255, 12,  12, 12,  12,  8,  4,  4,  255}},
        {bank,
         {20, 20, 10, 128, 255, 20, 20, 10, 128, 255, 20, 20, 10, 128, 255, 20, 20, 10, 128, 255}},
        // Edit1 date, Edit2 phone, Edit3 e-mail, Edit8 number.
        {clientCard, {12, 64, 64, 0, 0, 0, 0, 12}},
        // Edit1 date, Edit2, Edit3, Edit4 number, Edit5..Edit10 the six persons.
        {agentCard, {12, 64, 64, 12, 36, 36, 36, 36, 36, 36}},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(w.window->objectName().toStdString());
        for (std::size_t i = 0; i < w.lengths.size(); ++i) {
            if (w.lengths[i] == 0) {
                continue; // the client card has no such field
            }
            SCOPED_TRACE(i + 1);
            QLineEdit* edit = field(*w.window, QStringLiteral("Edit%1").arg(i + 1));
            ASSERT_TRUE(edit);
            EXPECT_EQ(edit->maxLength(), w.lengths[i]);
        }
    }
    // A 25-digit account typed into the bank window stops at the 20 the record keeps.
    QLineEdit* account = field(*bank, "Edit1");
    QTest::keyClicks(account, QString(25, u'4'));
    EXPECT_EQ(account->text(), QString(20, u'4'));
}

TEST_F(CatalogueWindowsTest, AValueLongerThanAReportKeepsIsNotedUnderItsField) {
    struct Case {
        QWidget* window;
        const char* field;
        int fits;          // the characters a report keeps
        QString documents; // as the note names them
    };
    const Case cases[] = {
        {card, "Edit9", 16, "документ «Счет»"},   // phone
        {card, "Edit7", 80, "документ «Счет»"},   // legal address
        {bank, "Edit4", 64, "документ «Счет»"},   // short bank name, first account
        {bank, "Edit20", 128, "документ «Счет»"}, // full bank name, fourth account
        {agentCard, "Edit4", 8, "документы «Счет», «Акт» и «Акт Зачета»"},
        {clientCard, "Edit8", 8, "документ «Акт Зачета»"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        c.window->show();
        QLineEdit* edit = field(*c.window, c.field);
        auto* note = c.window->findChild<QLabel*>(QString::fromLatin1(c.field) + "Note");
        ASSERT_TRUE(edit && note);
        edit->setText(QString(c.fits, u'7'));
        EXPECT_TRUE(note->isHidden()) << "a value that fits needs no note";
        QTest::keyClick(edit, Qt::Key_8);
        EXPECT_FALSE(note->isHidden());
        EXPECT_TRUE(note->text().startsWith(QStringLiteral("Отчет хранит только %1 ").arg(c.fits)))
            << note->text().toStdString();
        EXPECT_TRUE(note->text().contains(c.documents)) << note->text().toStdString();
        EXPECT_EQ(edit->accessibleDescription(), note->text()) << "a screen reader hears it too";
        EXPECT_EQ(edit->text().size(), c.fits + 1) << "the value itself is kept whole";
        c.window->hide();
    }
    EXPECT_TRUE(sink.messages.isEmpty()) << "a note, not a message";
}

// Enter in a field moves to the next one and leaves the card open with nothing checked or
// stored; Enter on a focused button presses it.
TEST_F(CatalogueWindowsTest, EnterInACardFieldMovesOnAndEnterOnAButtonPressesIt) {
    struct Case {
        std::function<void()> open;
        const char* first;
        const char* next;
    };
    const Case cases[] = {
        {[this] { card->openCard(CardMode::New); }, "Edit1", "Edit2"},
        {[this] { clientCard->openCard(CardMode::New); }, "Edit8", "Edit1"},
        {[this] { agentCard->openCard(AgentCardFields{}); }, "Edit4", "Edit1"},
        {[this] { bank->openBank(CardMode::New, nullptr, QString()); }, "Edit1", "Edit2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        QString focusAfter;
        bool openAfterField = false;
        qsizetype messagesAfterField = -1;
        bool closedByButton = false;
        onNextModal(*main, [&](QDialog& dialog) {
            QLineEdit* edit = field(dialog, c.first);
            edit->setFocus();
            QTest::keyClicks(edit, "A");
            QTest::keyClick(edit, Qt::Key_Return);
            focusAfter = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
            openAfterField = dialog.isVisible();
            messagesAfterField = sink.messages.size();
            auto* ok = dialog.findChild<QPushButton*>("ButtonOK");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Enter, Qt::KeypadModifier);
            closedByButton = !dialog.isVisible() || !sink.messages.isEmpty() ||
                             !sink.questions.isEmpty(); // "A" is no account: it warns
        });
        c.open();
        EXPECT_EQ(focusAfter, QString::fromLatin1(c.next));
        EXPECT_TRUE(openAfterField);
        EXPECT_EQ(messagesAfterField, 0) << "nothing was checked";
        EXPECT_TRUE(closedByButton) << "OK pressed: it either closes or says what is missing";
        sink.messages.clear();
        sink.questions.clear();
    }
    EXPECT_EQ(store->FirmCount, 2) << "no half-filled organization was stored";
}

// A card opened again starts in its first field, a question on "No", and not on the button
// that closed it the last time: what the user types at once goes there and presses nothing.
TEST_F(CatalogueWindowsTest, ACardOpenedAgainStartsInItsFirstField) {
    firm->show();
    client->show();
    main->attachWindow(TFormMain::Target::Agent, agent);
    int printed = 0;
    textCard->setLinePrinter([&](const QStringList&, const QFont&) {
        ++printed;
        return QString();
    });
    using Step = std::function<void(QDialog&)>;
    // Opens a dialog from the window beneath with `button` and runs `step` in it.
    const auto from = [this](QWidget& window, const char* button) {
        return [&window, button, this](const Step& step) {
            onNextModal(*main, step);
            clickButton(window, button);
        };
    };
    // The same from inside a new organization's card.
    const auto fromCard = [this](const char* button) {
        return [button, this](const Step& step) {
            onNextModal(*main, [button, step, this](QDialog& card) {
                onNextModal(*main, step);
                clickButton(card, button);
                clickButton(card, "ButtonNo");
            });
            clickButton(*firm, "SpeedButton1");
        };
    };
    struct Case {
        const char* what;
        std::function<void(const Step&)> open;
        const char* closeWith; // the button pressed the first time
        const char* first;     // where the second opening starts
        QString keys;          // typed at once; a lone "\r" is Enter
        const char* field;     // where they went, if a line
        QString fieldAfter;
        const char* opens; // the dialog the keys open, if any
    };
    const std::vector<Case> cases{
        {"organization card", from(*firm, "SpeedButton1"), "ButtonNo", "Edit1", " Рога", "Edit1",
         " Рога", nullptr},
        {"bank window", fromCard("ButtonBank"), "ButtonOK", "Edit1", " 40", "Edit1", " 40",
         nullptr},
        {"contract card, edit", from(*client, "SpeedButton2"), "ButtonOK", "Edit8", " 9", "Edit8",
         "11111111 9", nullptr},
        {"contract card, new",
         from(*client, "SpeedButton1"),
         "ButtonCancel",
         "ComboBox1",
         "",
         nullptr,
         {},
         nullptr},
        {"agent card",
         from(*agent, "ButtonEdit"),
         "ButtonCancel",
         "ComboBox1",
         "",
         nullptr,
         {},
         nullptr},
        {"agent window",
         from(*main, "SpeedButton2"),
         "ButtonCancel",
         "ButtonEdit",
         " ",
         nullptr,
         {},
         "FormAddAgent"},
        {"text card", fromCard("ButtonText"), "ButtonPrint", "Memo1", " ", nullptr, {}, nullptr},
        {"contract delete question",
         from(*client, "SpeedButton3"),
         "ButtonYes",
         "ButtonNo",
         "\r",
         nullptr,
         {},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.open([&c](QDialog& d) { clickButton(d, c.closeWith); });
        QString focus, text, opened;
        bool stayedOpen = false;
        c.open([&](QDialog& d) {
            focus = focusName(d);
            if (c.opens != nullptr) {
                test::whenModal(QString::fromLatin1(c.opens), [&opened](QDialog& next) {
                    opened = next.objectName();
                    next.reject();
                });
            }
            if (c.keys == "\r") {
                pressKey(d, Qt::Key_Return);
            } else {
                typeKeys(d, c.keys);
            }
            stayedOpen = d.isVisible();
            text = c.field != nullptr ? fieldText(d, c.field) : QString();
        });
        EXPECT_EQ(focus, c.first);
        // Enter answers the question with its focused "No".
        EXPECT_EQ(stayedOpen, c.keys != "\r") << "a key pressed a button that closes";
        EXPECT_EQ(text, c.fieldAfter);
        EXPECT_EQ(opened, c.opens != nullptr ? QString::fromLatin1(c.opens) : QString());
    }
    EXPECT_EQ(printed, 1) << "Space printed the text card again";
    EXPECT_EQ(store->ClientCount, 2) << "Enter answered \"Yes\" once more";
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join("; ").toStdString();
}

// What the user sees typed is what "OK" takes, also while the caret is still in the field
// typed last: nothing waits for the field to be left.
TEST_F(CatalogueWindowsTest, OkTakesTheFieldStillBeingTyped) {
    sink.answer = true; // the made-up account and INN warn; the user keeps them
    firm->show();
    client->show();
    // Clicks into a field and types there, then clicks "OK" at once.
    const auto typeThenOk = [](QDialog& d, const char* name, const QString& keys) {
        QTest::mouseClick(field(d, name), Qt::LeftButton);
        typeKeys(d, keys);
        clickButton(d, "ButtonOK");
    };
    onNextModal(*main, [&](QDialog& card) {
        field(card, "Edit1")->setText(QStringLiteral("ООО \"Рога\""));
        onNextModal(*main, [&](QDialog& bank) { typeThenOk(bank, "Edit1", "40702"); });
        clickButton(card, "ButtonBank");
        typeThenOk(card, "Edit17", "7701234567");
    });
    clickButton(*firm, "SpeedButton1");
    ASSERT_EQ(store->FirmCount, 3);
    EXPECT_EQ(store->Firms[2].Inn.str(), "7701234567");
    EXPECT_EQ(store->Firms[2].Banks[0].SettlementAccount.str(), "40702");

    onNextModal(*main, [&](QDialog& card) { typeThenOk(card, "Edit3", "@r.ru"); });
    clickButton(*client, "SpeedButton2");
    EXPECT_EQ(store->Clients[0].Email.str(), "@r.ru");

    onNextModal(*main, [&](QDialog& card) {
        field(card, "Edit8")->setText(QStringLiteral("Петровой П. П."));
        field(card, "Edit9")->setText(QStringLiteral("Сидорова С. С."));
        card.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
        typeThenOk(card, "Edit10", QStringLiteral("Сидоровой"));
    });
    agent->ButtonEditClick();
    EXPECT_EQ(cp1251ToUtf8(store->Agent.PrincipalChiefAccountantGenitive.str()), "Сидоровой");
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join("; ").toStdString();
}

TEST_F(CatalogueWindowsTest, EnterOnTheAgentWindowsFocusedButtonPressesIt) {
    agent->show();
    bool cardOpened = false;
    onNextModal(*main,
                [&](QDialog& dialog) { cardOpened = dialog.objectName() == "FormAddAgent"; });
    auto* edit = agent->findChild<QPushButton*>("ButtonEdit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(cardOpened);
}

TEST_F(CatalogueWindowsTest, EveryControlAUserCanReachHasANameAScreenReaderReads) {
    for (QWidget* window : windows()) {
        SCOPED_TRACE(window->objectName().toStdString());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || control->window() != window) {
                continue;
            }
            EXPECT_FALSE(accessibleName(control).isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
        }
    }
}

TEST_F(CatalogueWindowsTest, TheAgentCardsFieldsRadioButtonsAndTheWindowsValuesAreNamed) {
    const std::vector<std::pair<const char*, QString>> names = {
        {"Edit5", "Руководитель предприятия"},
        {"Edit6", "Главный бухгалтер"},
        {"Edit7", "Бухгалтер"},
        {"Edit8", "В лице главного бухгалтера"},
        {"Edit9", "Главный бухгалтер"},
        {"Edit10", "В лице главного бухгалтера"},
        {"Edit4", "№ Договора "},
        {"RadioButton1", "Подписывает главный бухгалтер"},
        {"RadioButton2", "Подписывает бухгалтер"},
        {"ComboBox1", "Организация"},
    };
    for (const auto& [name, expected] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(accessibleName(agentCard->findChild<QWidget*>(name)), expected);
    }

    agent->refreshLabels();
    EXPECT_EQ(accessibleName(agent->findChild<QLabel*>("Label1")),
              QStringLiteral("№ Договора: 12345678"));
    EXPECT_EQ(accessibleName(agent->findChild<QLabel*>("Label2")), QStringLiteral("Дата: "));
    EXPECT_EQ(accessibleName(agent->findChild<QLabel*>("Panel1")),
              QStringLiteral("Организация: ООО \"Сапсан-Телеком\""));

    EXPECT_EQ(accessibleName(firm->grid()), QStringLiteral("Организации"));
    EXPECT_EQ(accessibleName(findNamed<CatalogueGrid>(*client, QStringLiteral("StringGrid1"))),
              QStringLiteral("Договоры клиентов"));
}

} // namespace
} // namespace kestrelon
