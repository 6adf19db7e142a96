// The principal named in the agent contract card is who the documents name, after a restart.

#include "report_windows.h"
#include "store/startup_load.h"
#include "ui/catalogues/tform_agent.h"
#include "ui/reports/document_view.h"
#include "ui/support/modal_driver.h"

#include <QLineEdit>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;

class PrincipalDocumentsTest : public test::ReportWindowsTest {
protected:
    // Whether the open document tab prints `text` as one of its lines.
    bool tabPrints(TFormReport::Tab tab, const char* text) const {
        const std::string wanted = utf8ToCp1251(text);
        for (const PlacedPage& page : report->documentView(tab)->document().pages) {
            for (const TextItem& item : page.texts) {
                if (item.text == wanted) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(PrincipalDocumentsTest, TheChosenPrincipalIsNamedByTheDocumentsAfterARestart) {
    FirmRecord& real = store->Firms[store->FirmCount++];
    real.Name = utf8ToCp1251("Публичное акционерное общество \"Связь\"");
    real.Inn = "7740000076";
    store->SaveFileFirm();
    store->SaveFileClient();
    store->SaveFileAgent();
    createWindows();

    // "Edit", the principal chosen with the keyboard on the tab "Тарвел", "OK", then "OK".
    test::onNextModal(*windows->FormAgent, [](QDialog& card) {
        auto* list = test::child<QComboBox>(card, QStringLiteral("ComboBox2"));
        ASSERT_TRUE(list);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        // The names the act of mutual offset needs, where the sample leaves them empty.
        for (const char* field : {"Edit5", "Edit6", "Edit8", "Edit9", "Edit10"}) {
            if (test::child<QLineEdit>(card, QString::fromLatin1(field))->text().isEmpty()) {
                test::typeInto(card, field, QStringLiteral("Иванов И. И."));
            }
        }
        test::clickButton(card, "ButtonOK");
    });
    test::clickButton(*windows->FormAgent, "ButtonEdit");
    test::clickButton(*windows->FormAgent, "ButtonOK");
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('|').toStdString();
    ASSERT_TRUE(folder.exists("Principal"));

    // A restart reads the tables and the choice from the folder.
    windows.reset();
    auto restarted = std::make_unique<DataStore>();
    restarted->DataFolder = folder.path();
    ASSERT_TRUE(loadTablesAtStartup(*restarted, sink));
    loadAgentContract(*restarted);
    *store = *restarted;
    EXPECT_EQ(store->PrincipalFirmIndex, store->FirmCount - 1);
    createWindows();
    report->show();
    importOneInvoice();
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    auto* tabs = test::child<QTabWidget>(*report, QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(TFormReport::ActTab);
    EXPECT_TRUE(tabPrints(TFormReport::ActTab, "ПАО \"Связь\""));
    EXPECT_FALSE(tabPrints(TFormReport::ActTab, "ООО \"Тарвел\""));
    tabs->setCurrentIndex(TFormReport::OffsetActTab);
    EXPECT_TRUE(tabPrints(TFormReport::OffsetActTab, "ПАО \"Связь\""));
}

} // namespace
} // namespace kestrelon
