// A bookkeeper's first session through the real windows: the principal and the agent with
// their bank accounts, the agent contract and a client contract; then a second start finds
// everything as it was left.

#include "store/startup_load.h"
#include "ui/catalogues/tform_agent.h"
#include "ui/catalogues/tform_client.h"
#include "ui/main/program_windows.h"
#include "ui/support/firm_windows.h"

#include <QComboBox>
#include <QLabel>

namespace kestrelon {
namespace {

using test::click;
using test::type;
using test::whenModal;

QComboBox* combo(const QWidget& window) {
    return window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
}

// "New" in the organizations window: the card with a name, an INN and a first bank account.
void addOrganization(QDialog& firms, const QString& name, const QString& inn,
                     const QString& account) {
    whenModal(QStringLiteral("FormRekvizit"), [=](QDialog& card) {
        type(card, 1, name);
        type(card, 17, inn);
        whenModal(QStringLiteral("FormBank"), [=](QDialog& bank) {
            type(bank, 1, account);
            click(bank, QStringLiteral("ButtonOK"));
        });
        click(card, QStringLiteral("ButtonBank"));
        click(card, QStringLiteral("ButtonOK"));
    });
    click(firms, QStringLiteral("SpeedButton1"));
}

void enterEverything(ProgramWindows& w) {
    whenModal(QStringLiteral("FormFirm"), [](QDialog& firms) {
        addOrganization(firms, QStringLiteral("ООО \"Тарвел\""), QStringLiteral("7712345670"),
                        QStringLiteral("40702810000000000001"));
        addOrganization(firms, QStringLiteral("ООО \"Сапсан\""), QStringLiteral("5001000002"),
                        QStringLiteral("40702810000000000002"));
        addOrganization(firms, QStringLiteral("ИП Петров"), QStringLiteral("770100000123"),
                        QStringLiteral("40802810000000000003"));
        firms.reject();
    });
    click(*w.FormMain, QStringLiteral("SpeedButton1"));

    whenModal(QStringLiteral("FormAgent"), [](QDialog& agent) {
        whenModal(QStringLiteral("FormAddAgent"), [](QDialog& card) {
            combo(card)->setCurrentIndex(1);
            type(card, 4, QStringLiteral("А-17"));
            type(card, 5, QStringLiteral("Иванов И.И."));
            type(card, 6, QStringLiteral("Сидорова С.С."));
            type(card, 8, QStringLiteral("Сидоровой С.С."));
            click(card, QStringLiteral("ButtonOK"));
        });
        click(agent, QStringLiteral("ButtonEdit"));
        click(agent, QStringLiteral("ButtonOK"));
    });
    click(*w.FormMain, QStringLiteral("SpeedButton2"));

    whenModal(QStringLiteral("FormClient"), [](QDialog& clients) {
        whenModal(QStringLiteral("FormAddClient"), [](QDialog& card) {
            combo(card)->setCurrentIndex(2);
            type(card, 8, QStringLiteral("15/07"));
            click(card, QStringLiteral("ButtonOK"));
        });
        click(clients, QStringLiteral("SpeedButton1"));
        clients.reject();
    });
    click(*w.FormMain, QStringLiteral("SpeedButton3"));
    w.FormMain->close();
}

TEST(RoundTrip, WhatWasEnteredIsThereAfterARestart) {
    test::TempFolder folder;
    test::RecordingSink sink;
    const std::string executable = folder.path() + "kestrelon";
    // The principal's INN is the program's own made-up one, the entrepreneur's is made up too:
    // their cards warn, and the user keeps them with "Да".
    sink.answer = true;
    ASSERT_EQ(runProgram(executable, sink, enterEverything), 0);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('|').toStdString();
    EXPECT_EQ(sink.questions.size(), 2) << sink.questions.join('|').toStdString();
    for (const char* file : {"Firms", "Agent", "Clients", "FormW"}) {
        EXPECT_TRUE(folder.exists(file)) << file;
    }

    QStringList names;
    QString contract, agentOrganization, client, clientOrganization;
    ASSERT_EQ(runProgram(executable, sink,
                         [&](ProgramWindows& w) {
                             CatalogueGrid* firms = w.FormFirm->grid();
                             for (int r = 0; r < firms->rowCount(); ++r) {
                                 names << firms->item(r, 0)->text();
                             }
                             contract = w.FormAgent->findChild<QLabel*>("Label1")->text();
                             agentOrganization = w.FormAgent->findChild<QLabel*>("Panel1")->text();
                             auto* clients = w.FormClient->findChild<QTableWidget*>("StringGrid1");
                             client = clients->item(0, 0)->text();
                             clientOrganization = clients->item(0, 1)->text();
                             w.FormMain->close();
                         }),
              0);
    EXPECT_EQ(names, (QStringList{"ООО \"Тарвел\"", "ООО \"Сапсан\"", "ИП Петров"}));
    EXPECT_EQ(contract, "А-17");
    EXPECT_EQ(agentOrganization, "ООО \"Сапсан\"");
    EXPECT_EQ(client, "15/07");
    EXPECT_EQ(clientOrganization, "ИП Петров");

    // The bank accounts and the derived indexes come back from the files as well.
    auto store = std::make_unique<DataStore>();
    store->DataFolder = folder.path();
    loadTablesAtStartup(*store, sink);
    loadAgentContract(*store);
    EXPECT_EQ(store->PrincipalFirmIndex, 0);
    EXPECT_EQ(store->AgentFirmIndex, 1);
    EXPECT_EQ(store->Firms[1].Banks[0].SettlementAccount.str(), "40702810000000000002");
    EXPECT_EQ(store->Clients[0].FirmInn.str(), "770100000123");
}

} // namespace
} // namespace kestrelon
