#include "store/cp1251.h"
#include "support/temp_folder.h"
#include "ui/catalogues/tform_add_client.h"
#include "ui/catalogues/tform_client.h"
#include "ui/catalogues/tform_del_firm.h"
#include "ui/support/modal_driver.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/find_named.h"
#include "ui/widgets/qt_text.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

constexpr std::size_t kClientsSize = 10880;
constexpr std::size_t kClientSlot = 170;
const QString kActiveMark = QStringLiteral("      X");

using test::clickButton;
using test::onNextModal;
using test::typeInto;

class ClientWindowTest : public ::testing::Test {
protected:
    ClientWindowTest() { store->DataFolder = folder.path(); }

    void addFirm(const QString& name, const char* inn) {
        FirmRecord& firm = store->Firms[store->FirmCount++];
        firm.Name = toCp1251(name);
        firm.Inn = inn;
    }
    void addContract(const char* number, const char* inn, std::uint8_t inactive = 0) {
        ClientRecord& contract = store->Clients[store->ClientCount++];
        contract.ContractNo = number;
        contract.FirmInn = inn;
        contract.Inactive = inactive;
    }

    // The window as start-up creates it, shown as the main window shows it.
    TFormClient& openWindow() {
        form = std::make_unique<TFormClient>(context, nullptr);
        card = new TFormAddClient(context, form.get());
        deleteDialog = new TFormDelFirm(context, form.get());
        form->setDialogs(card, deleteDialog);
        form->show();
        return *form;
    }

    QToolButton* button(int n) const {
        return form->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(n));
    }
    CatalogueGrid* grid() const {
        return findNamed<CatalogueGrid>(*form, QStringLiteral("StringGrid1"));
    }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = grid()->item(row, column);
        return item ? item->text() : QString();
    }
    void clickCell(int row, int column) {
        const QRect rect = grid()->visualRect(grid()->model()->index(row, column));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Fills the new contract card with the first organization and the given number.
    void addThroughCard(const QString& number) {
        onNextModal(*form, [number](QDialog& dialog) {
            dialog.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
            typeInto(dialog, "Edit8", number);
            clickButton(dialog, "ButtonOK");
        });
        QTest::mouseClick(button(1), Qt::LeftButton);
    }
    std::string clientsFile() const { return folder.readFile("Clients"); }
    void removeClientsFile() const { std::filesystem::remove(folder.path() + "Clients"); }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<TFormClient> form;
    TFormAddClient* card = nullptr;
    TFormDelFirm* deleteDialog = nullptr;
};

TEST_F(ClientWindowTest, OpensEmptyWithItsCaptionsHeadersAndButtons) {
    openWindow();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Клиенты"));
    const QStringList captions = {"New", "Edit", "Del"};
    const QStringList hints = {"Новый клиент", "Редактировать", "Удалить"};
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(button(n));
        EXPECT_EQ(button(n)->text(), captions[n - 1]);
        EXPECT_EQ(button(n)->toolTip(), hints[n - 1]);
        EXPECT_EQ(button(n)->isEnabled(), n == 1) << "nothing to edit or delete yet";
    }
    const QStringList headers = {"Договор", "Организация", "Телефон", "E-Mail", "Дата", "Актив."};
    ASSERT_EQ(grid()->columnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(grid()->horizontalHeaderItem(c)->text(), headers[c]);
    }
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_FALSE(grid()->showsData());
}

TEST_F(ClientWindowTest, TakesItsSizeFromTheStoredSlots) {
    store->FormW.setSize(SizedWindow::ClientContracts, {700, 420});
    openWindow();
    EXPECT_EQ(form->size(), QSize(700, 420));
}

TEST_F(ClientWindowTest, NewButtonIsOffWithAFullTable) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    for (int k = 0; k < 64; ++k) {
        addContract(std::to_string(k).c_str(), "7701000001");
    }
    openWindow();
    EXPECT_FALSE(button(1)->isEnabled());
    EXPECT_TRUE(button(2)->isEnabled());
    EXPECT_EQ(grid()->rowCount(), 64);
}

TEST_F(ClientWindowTest, ANewContractNeedsAnOrganization) {
    openWindow();
    int listed = -1;
    bool stayedOpen = false;
    onNextModal(*form, [&](QDialog& dialog) {
        listed = dialog.findChild<QComboBox*>("ComboBox1")->count();
        typeInto(dialog, "Edit8", "77");
        clickButton(dialog, "ButtonOK");
        stayedOpen = dialog.isVisible();
    });
    QTest::mouseClick(button(1), Qt::LeftButton);
    EXPECT_EQ(listed, 0);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Выберите организацию")});
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(store->ClientCount, 0);
    EXPECT_FALSE(folder.exists("Clients"));
}

TEST_F(ClientWindowTest, AddingAContractSavesItAndShowsItsOrganization) {
    addFirm(QStringLiteral("ООО Альфа"), "7701000001");
    openWindow();
    QString caption;
    QStringList groups;
    onNextModal(*form, [&](QDialog& dialog) {
        caption = dialog.windowTitle();
        for (const QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
            groups.append(group->title());
        }
        dialog.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
        typeInto(dialog, "Edit8", QStringLiteral("А-17"));
        typeInto(dialog, "Edit1", QStringLiteral("1.02.2013"));
        typeInto(dialog, "Edit2", QStringLiteral("123-45-67"));
        typeInto(dialog, "Edit3", QStringLiteral("a@b.ru"));
        clickButton(dialog, "ButtonOK");
    });
    QTest::mouseClick(button(1), Qt::LeftButton);

    EXPECT_EQ(caption, QStringLiteral("Новый клиент"));
    groups.sort();
    QStringList expected{"Организация", "№ Договора ", "Дата ", "Телефон ", "E-Mail  "};
    expected.sort();
    EXPECT_EQ(groups, expected);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    const std::string file = clientsFile();
    ASSERT_EQ(file.size(), kClientsSize);
    EXPECT_EQ(file.substr(0, 5), "\x04" + "А-17"_cp);
    EXPECT_EQ(file.substr(26, 11), "\x0A"
                                   "7701000001");
    EXPECT_EQ(file[169], '\0') << "a new contract is active";
    EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3), cell(0, 4), cell(0, 5)}),
              QStringList({"А-17", "ООО Альфа", "123-45-67", "a@b.ru", "1.02.2013", kActiveMark}));
    EXPECT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(grid()->currentRow(), 0);
    EXPECT_TRUE(button(2)->isEnabled());
    EXPECT_TRUE(button(3)->isEnabled());
}

TEST_F(ClientWindowTest, ANewNumberMustDifferExactlyFromEveryContract) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("12", "7701000001");
    addContract("Ab", "7701000001");
    openWindow();
    struct Case {
        QString typed;
        bool refused;
    };
    const Case cases[] = {{"12", true}, {"Ab", true}, {"12 ", false}, {"ab", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        sink.messages.clear();
        const int before = store->ClientCount;
        addThroughCard(c.typed);
        if (c.refused) {
            EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Такой контракт уже есть")});
            EXPECT_EQ(store->ClientCount, before);
        } else {
            EXPECT_TRUE(sink.messages.isEmpty());
            EXPECT_EQ(store->ClientCount, before + 1);
            EXPECT_EQ(cell(store->ClientCount - 1, 0), c.typed);
        }
    }
}

TEST_F(ClientWindowTest, EditingKeepsTheOrganizationAndAcceptsTheContractsOwnNumber) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addFirm(QStringLiteral("Бета"), "7701000002");
    addContract("1", "7701000001");
    addContract("2", "7701000002");
    openWindow();
    clickCell(1, 0);

    QString caption, shown, number;
    bool listEnabled = true;
    onNextModal(*form, [&](QDialog& dialog) {
        caption = dialog.windowTitle();
        const auto* list = dialog.findChild<QComboBox*>("ComboBox1");
        shown = list->currentText();
        listEnabled = list->isEnabled();
        number = test::fieldText(dialog, "Edit8");
        typeInto(dialog, "Edit2", QStringLiteral("555"));
        clickButton(dialog, "ButtonOK");
    });
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Редактирование"));
    EXPECT_EQ(shown, QStringLiteral("Бета"));
    EXPECT_FALSE(listEnabled);
    EXPECT_EQ(number, QStringLiteral("2"));
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(cell(1, 2), QStringLiteral("555"));
    EXPECT_EQ(clientsFile().substr(kClientSlot + 39, 4), "\x03"
                                                         "555");

    // Renumbering it to the other contract's number is refused.
    onNextModal(*form, [](QDialog& dialog) {
        typeInto(dialog, "Edit8", QStringLiteral("1"));
        clickButton(dialog, "ButtonOK");
    });
    QTest::mouseClick(button(2), Qt::LeftButton);
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("Такой контракт уже есть")});
    EXPECT_EQ(cell(1, 0), QStringLiteral("2"));
}

TEST_F(ClientWindowTest, DoubleClickOnAContractEditsIt) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("1", "7701000001");
    openWindow();
    QString caption;
    onNextModal(*form, [&](QDialog& dialog) { caption = dialog.windowTitle(); });
    const QRect rect = grid()->visualRect(grid()->model()->index(0, 1));
    QWidget* surface = grid()->viewport();
    QTest::mouseClick(surface, Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(surface, Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(surface, Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(caption, QStringLiteral("Редактирование"));
}

TEST_F(ClientWindowTest, ClickingTheActiveColumnFlipsTheMark) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("1", "7701000001");
    addContract("2", "7701000001", 1);
    openWindow();
    EXPECT_EQ(cell(0, 5), kActiveMark);
    EXPECT_EQ(cell(1, 5), QString());

    clickCell(0, 5);
    EXPECT_EQ(cell(0, 5), QString());
    EXPECT_EQ(store->Clients[0].Inactive, 1);
    clickCell(1, 5);
    EXPECT_EQ(cell(1, 5), kActiveMark);
    EXPECT_EQ(store->Clients[1].Inactive, 0);
    clickCell(1, 4);
    EXPECT_EQ(cell(1, 5), kActiveMark) << "other columns only select";
    EXPECT_EQ(context.catalogues.clients.SelectedClient, 1);
}

TEST_F(ClientWindowTest, ClosingWritesTheMarksOnlyWhenOneChanged) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("1", "7701000001");
    openWindow();
    struct Case {
        int clicks;
        bool written;
    };
    for (const Case c : {Case{0, false}, Case{2, false}, Case{1, true}, Case{0, false}}) {
        SCOPED_TRACE(c.clicks);
        removeClientsFile();
        form->show();
        for (int i = 0; i < c.clicks; ++i) {
            clickCell(0, 5);
        }
        form->close();
        EXPECT_FALSE(form->isVisible());
        ASSERT_EQ(folder.exists("Clients"), c.written);
        if (c.written) {
            EXPECT_EQ(clientsFile()[169], '\x01');
        }
    }
}

// A read-only "Clients" (a file without write bits refuses root too) names itself in the message.
TEST_F(ClientWindowTest, MarksThatCouldNotBeSavedAreSavedAtTheNextClosing) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("1", "7701000001");
    folder.writeFile("Clients", 10880);
    const std::string clients = folder.path() + "Clients";
    std::filesystem::permissions(clients, std::filesystem::perms(0444));
    openWindow();
    clickCell(0, 5);
    form->close();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages[0],
              QStringLiteral("File access denied\n%1").arg(QString::fromStdString(clients)));

    std::filesystem::permissions(clients, std::filesystem::perms(0644));
    form->show();
    form->close();
    ASSERT_TRUE(folder.exists("Clients"));
    EXPECT_EQ(clientsFile()[169], '\x01');
}

TEST_F(ClientWindowTest, DeletingAMiddleContractMovesTheNextOnesUp) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addFirm(QStringLiteral("Бета"), "7701000002");
    addFirm(QStringLiteral("Гамма"), "7701000003");
    addContract("1", "7701000001");
    addContract("2", "7701000002");
    addContract("3", "7701000003");
    openWindow();
    clickCell(1, 0);

    QString asked;
    onNextModal(*form, [&](QDialog& dialog) {
        asked = dialog.findChild<QLabel*>("Panel1")->text();
        clickButton(dialog, "ButtonYes");
    });
    QTest::mouseClick(button(3), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("Бета\nдоговор № 2"))
        << "the contract's number, not only its firm";
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(1, 0), cell(1, 1)}),
              QStringList({"1", "Альфа", "3", "Гамма"}));
    EXPECT_EQ(grid()->currentRow(), 1);
    const std::string file = clientsFile();
    ASSERT_EQ(file.size(), kClientsSize);
    EXPECT_EQ(file.substr(kClientSlot, 2), "\x01"
                                           "3");
    EXPECT_EQ(file[2 * kClientSlot + 26], '\0') << "the table ends after two contracts";

    // Deleting the rest leaves nothing to edit or delete.
    for (int left = 2; left > 0; --left) {
        onNextModal(*form, [](QDialog& dialog) { clickButton(dialog, "ButtonYes"); });
        QTest::mouseClick(button(3), Qt::LeftButton);
    }
    EXPECT_EQ(store->ClientCount, 0);
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_FALSE(grid()->showsData());
    EXPECT_FALSE(button(2)->isEnabled());
    EXPECT_FALSE(button(3)->isEnabled());
}

// After "Clients" was written by a deletion and an addition, the marks changed later in the same
// showing are compared with the file's, not with the marks as they were when the window opened.
TEST_F(ClientWindowTest, MarksChangedAfterAnAdditionOrDeletionAreSavedOnClosing) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("1", "7701000001", 1);
    addContract("2", "7701000001");
    addContract("3", "7701000001");
    openWindow(); // the marks when shown: not active, active, active

    clickCell(0, 0);
    onNextModal(*form, [](QDialog& dialog) { clickButton(dialog, "ButtonYes"); });
    QTest::mouseClick(button(3), Qt::LeftButton); // "1" goes; the file holds "2", "3"
    addThroughCard(QStringLiteral("4"));          // the file holds "2", "3", "4", all active
    ASSERT_EQ(store->ClientCount, 3);

    clickCell(0, 5); // "2" not active: the marks are again as when the window was shown
    form->close();
    const std::string file = clientsFile();
    ASSERT_EQ(file.size(), kClientsSize);
    EXPECT_EQ(file.substr(0, 2), "\x01"
                                 "2");
    EXPECT_EQ(file[169], '\x01') << "the mark reached the file";
}

TEST_F(ClientWindowTest, SpaceOnTheActiveCellFlipsTheMarkAsAClickDoes) {
    addFirm(QStringLiteral("Альфа"), "7701000001");
    addContract("1", "7701000001");
    addContract("2", "7701000001");
    openWindow();
    grid()->setFocus();
    grid()->setCurrentCell(1, 5);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(store->Clients[1].Inactive, 1);
    EXPECT_EQ(cell(1, 5), QString());
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(store->Clients[1].Inactive, 0);

    grid()->setCurrentCell(0, 2);
    QTest::keyClick(grid(), Qt::Key_Space);
    EXPECT_EQ(store->Clients[0].Inactive, 0) << "Space elsewhere in the row flips nothing";
    EXPECT_EQ(context.catalogues.clients.SelectedClient, 0);

    form->close();
    EXPECT_FALSE(folder.exists("Clients")) << "two flips leave nothing to write";
}

} // namespace
} // namespace kestrelon
