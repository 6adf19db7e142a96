#pragma once
// The report windows as start-up wires them, over a private data folder that holds the
// principal, the agent with a bank account, the agent contract and three client contracts
// (the second not active). Today is 7 January 2013.

#include "firm_windows.h"
#include "ui/program_windows.h"
#include "ui/report_grid.h"
#include "ui/tform_report.h"

#include <QComboBox>
#include <QTableWidget>

namespace kestrelon::test {

inline void fillCatalogues(DataStore& store) {
    FirmRecord& principal = store.Firms[store.FirmCount++];
    principal.Name = "ООО \"Тарвел\""_cp;
    principal.Inn = PrincipalInn;
    principal.Kpp = "771201001";
    principal.PostalAddress = "101000, г. Москва, ул. Мясницкая, д. 1"_cp;
    principal.LegalAddress = principal.PostalAddress;
    FirmRecord& agent = store.Firms[store.FirmCount++];
    agent.Name = "ООО \"Сапсан-Телеком\""_cp;
    agent.Inn = "5001000002";
    agent.Kpp = "500101001";
    agent.Phone = "495-123-45-67";
    agent.PostalAddress = "123456, г. Москва, ул. Лесная, д. 5"_cp;
    agent.LegalAddress = agent.PostalAddress;
    agent.Banks[0].SettlementAccount = "40702810400000001234";
    agent.Banks[0].CorrAccount = "30101810400000000225";
    agent.Banks[0].Bik = "044525225";
    agent.Banks[0].BankShortName = "ОАО Сбербанк России"_cp;

    store.Agent.ContractNo = "12345678";
    store.Agent.AgentInn = "5001000002";
    store.Agent.AgentDirector = "Иванов И. И."_cp;
    store.Agent.AgentChiefAccountant = "Петрова П. П."_cp;
    store.Agent.AgentAccountant = "Сидорова С. С."_cp;

    const char* contracts[] = {"11111111", "22222222", "33333333"};
    for (int k = 0; k < 3; ++k) {
        ClientRecord& client = store.Clients[store.ClientCount++];
        client.ContractNo = contracts[k];
        client.FirmInn = "5001000002";
        client.Inactive = k == 1 ? 1 : 0;
    }
    store.refreshFirmIndexes();
    store.rebuildClientFirmNames();
    store.ArCol.sanitise(); // as start-up does: never-stored widths read as 8
}

class ReportWindowsTest : public ::testing::Test {
protected:
    ReportWindowsTest() {
        store->DataFolder = folder.path();
        fillCatalogues(*store);
        context.today = [] { return QDate(2013, 1, 7); };
    }

    void createWindows() {
        windows = createProgramWindows(context);
        report = windows->FormReport;
    }

    ReportGrid* grid() const { return child<ReportGrid>(*report, QStringLiteral("StringGrid1")); }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item ? item->text() : QString();
    }
    // Types into a grid cell as a user does: select it, type (the first key opens the
    // cell's editor), Enter.
    void typeCell(int row, int column, const QString& text) {
        ReportGrid* g = grid();
        g->setCurrentCell(row, column);
        for (const QChar c : text) {
            QWidget* target = cellEditor() ? static_cast<QWidget*>(cellEditor()) : g;
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        if (QLineEdit* editor = cellEditor()) {
            QTest::keyClick(editor, Qt::Key_Return);
        }
    }
    QLineEdit* cellEditor() const {
        for (QLineEdit* e : grid()->viewport()->findChildren<QLineEdit*>()) {
            if (e->isVisible()) {
                return e;
            }
        }
        return nullptr;
    }
    QString field(int number) const { return fieldText(number); }
    QString fieldText(int number) const {
        const QLineEdit* e = edit(*report, number);
        return e ? e->text() : QString();
    }
    QComboBox* combo(int number) const {
        return child<QComboBox>(*report, QStringLiteral("ComboBox%1").arg(number));
    }

    TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<ProgramWindows> windows;
    TFormReport* report = nullptr;
};

} // namespace kestrelon::test
