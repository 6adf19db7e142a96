// The organizations' and the clients' lists as a user finds an entry in them: by keyboard
// only, part of a name or of an INN typed into the find field.

#include "ui/catalogues/tform_client.h"
#include "ui/support/active_window.h"
#include "ui/support/firm_windows.h"
#include "ui/support/modal_driver.h"
#include "ui/widgets/catalogue_grid.h"
#include "ui/widgets/find_named.h"
#include "ui/widgets/grid_find_field.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

namespace kestrelon {
namespace {

class FindFieldTest : public test::FirmWindowsTest {
protected:
    void SetUp() override {
        addFirm("Общество с ограниченной ответственностью \"Альфа\"", "7701000001");
        addFirm("Общество с ограниченной ответственностью \"Бета\"", "7702000002");
        addFirm("ПАО \"Гамма\"", "7703000003");
        store->Firms[0].Phone = "495-111-11-11";
        store->Firms[0].LegalAddress = "г. Москва, ул. Первая, 1"_cp;
        store->Firms[1].Phone = "495-222-22-22";
        store->Firms[1].PostalAddress = "г. Тверь, ул. Вторая, 2"_cp;
        store->Firms[1].LegalAddress = "г. Москва, ул. Вторая, 2"_cp;
    }

    // The data rows the grid shows, by their first column.
    static QStringList shownNames(const CatalogueGrid& grid) {
        QStringList names;
        for (int row = 0; row < grid.rowCount(); ++row) {
            if (!grid.isRowHidden(row)) {
                names.append(grid.item(row, 0)->text().section(u'"', 1, 1));
            }
        }
        return names;
    }
    bool enabled(const QWidget& window, int button) const {
        return window.findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(button))
            ->isEnabled();
    }
};

TEST_F(FindFieldTest, TheOrganizationsAreToldApartByPhoneAddressAndTheirTip) {
    createWindows();
    CatalogueGrid& grid = *firm->grid();
    EXPECT_EQ(grid.item(0, 1)->text(), "495-111-11-11");
    EXPECT_EQ(grid.item(0, 2)->text(), "г. Москва, ул. Первая, 1") << "the legal one, alone";
    EXPECT_EQ(grid.item(1, 2)->text(), "г. Тверь, ул. Вторая, 2") << "the postal one first";
    EXPECT_EQ(grid.item(2, 1)->text(), "");
    EXPECT_EQ(grid.item(1, 0)->toolTip(),
              "Общество с ограниченной ответственностью \"Бета\"\nИНН 7702000002");
    EXPECT_EQ(grid.item(1, 2)->toolTip(), grid.item(1, 0)->toolTip());
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), "Tel.");
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), "Address");
}

TEST_F(FindFieldTest, TheOrganizationsNarrowByNameOrInnAndComeBackOnEscape) {
    createWindows();
    firm->show();
    firm->activateWindow();
    ASSERT_TRUE(test::waitActive(firm.get()));
    CatalogueGrid& grid = *firm->grid();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down); // Бета, by the keyboard
    ASSERT_EQ(context.catalogues.firms.SelectedFirm, 1);

    QTest::keyClick(&grid, Qt::Key_F, Qt::ControlModifier);
    auto* find = findNamed<GridFindField>(*firm, QStringLiteral("FindField"));
    ASSERT_TRUE(find);
    ASSERT_TRUE(find->hasFocus()) << "Ctrl+F moves to the find field";
    EXPECT_EQ(find->accessibleName(), "Найти организацию");

    test::typeKeys(*find->window(), QStringLiteral("ОБЩЕСТВО"));
    EXPECT_EQ(shownNames(grid), (QStringList{"Альфа", "Бета"}));
    EXPECT_EQ(context.catalogues.firms.SelectedFirm, 1) << "the current row still shows";

    for (int k = 0; k < 8; ++k) {
        QTest::keyClick(find, Qt::Key_Backspace);
    }
    test::typeKeys(*find->window(), QStringLiteral("7703"));
    EXPECT_EQ(shownNames(grid), (QStringList{"Гамма"})) << "found by its INN";
    EXPECT_EQ(context.catalogues.firms.SelectedFirm, 2) << "the first row shown is current";
    EXPECT_TRUE(enabled(*firm, 2));

    test::typeKeys(*find->window(), QStringLiteral("9"));
    EXPECT_TRUE(shownNames(grid).isEmpty());
    EXPECT_FALSE(enabled(*firm, 2)) << "nothing shown, nothing to edit";
    EXPECT_FALSE(enabled(*firm, 3));

    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_EQ(find->text(), "");
    EXPECT_EQ(shownNames(grid), (QStringList{"Альфа", "Бета", "Гамма"}));
    EXPECT_TRUE(firm->isVisible()) << "Escape with text only empties the field";
    EXPECT_TRUE(enabled(*firm, 2));

    test::typeKeys(*find->window(), QStringLiteral("бета"));
    QTest::keyClick(find, Qt::Key_Down);
    EXPECT_TRUE(grid.hasFocus());
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(context.catalogues.firms.SelectedFirm, 1) << "the hidden rows are passed over";
}

TEST_F(FindFieldTest, TheClientsNarrowByContractOrganizationOrInn) {
    addClient("15/07", "7701000001");
    addClient("20/08", "7702000002");
    addClient("31/09", "7703000003");
    store->refreshFirmIndexes();
    store->rebuildClientFirmNames();
    TFormClient clients(context, nullptr);
    clients.show();
    clients.activateWindow();
    ASSERT_TRUE(test::waitActive(&clients));
    auto* grid = findNamed<CatalogueGrid>(clients, QStringLiteral("StringGrid1"));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
    auto* find = findNamed<GridFindField>(clients, QStringLiteral("FindField"));
    ASSERT_TRUE(find->hasFocus());
    EXPECT_EQ(find->accessibleName(), "Найти договор");

    const struct {
        const char* typed;
        int rows;
    } cases[] = {{"20/", 1}, {"гамма", 1}, {"770100", 1}, {"77", 3}, {"нет такого", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        find->selectAll();
        test::typeKeys(*find->window(), QString::fromUtf8(c.typed));
        EXPECT_EQ(find->shownRows(), c.rows);
        EXPECT_EQ(enabled(clients, 2), c.rows > 0);
    }
    QTest::keyClick(find, Qt::Key_Escape);
    EXPECT_EQ(find->shownRows(), 3);
}

} // namespace
} // namespace kestrelon
