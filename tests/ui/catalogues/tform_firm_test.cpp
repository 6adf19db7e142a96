#include "ui/support/firm_windows.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class FirmWindowTest : public test::FirmWindowsTest {
protected:
    QToolButton* speed(int n) const {
        return test::child<QToolButton>(*firm, QStringLiteral("SpeedButton%1").arg(n));
    }
    // Enabled state of "New", "Edit", "Del", "Restore".
    std::array<bool, 4> enabled() const {
        return {speed(1)->isEnabled(), speed(2)->isEnabled(), speed(3)->isEnabled(),
                speed(5)->isEnabled()};
    }
    QStringList names() const {
        QStringList shown;
        for (int r = 0; r < firm->grid()->rowCount() && firm->grid()->showsData(); ++r) {
            shown.append(firm->grid()->item(r, 0)->text());
        }
        return shown;
    }
    void clickRow(int row) {
        CatalogueGrid* grid = firm->grid();
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Answers "Удалить организацию ?" with Yes.
    void confirmDelete() {
        whenModal("FormDelFirm", [](QDialog& d) { click(d, "ButtonYes"); });
    }
};

TEST_F(FirmWindowTest, EmptyCatalogueOpensWithItsButtonsAndFourEmptyRows) {
    createWindows();
    EXPECT_EQ(firm->windowTitle(), "Организации");
    const QStringList captions = {"New", "Edit", "Del", "Deleted", "Restore"};
    const QStringList hints = {"Новая организация", "Редактировать", "Удалить организацию",
                               "Удаленные организации", "Восстановить удаленную организацию"};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(speed(n)->text(), captions[n - 1]);
        EXPECT_EQ(speed(n)->toolTip(), hints[n - 1]);
        EXPECT_EQ(speed(n)->isCheckable(), n == 4);
    }
    CatalogueGrid* grid = firm->grid();
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Name");
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "Tel.");
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Address");
    EXPECT_EQ(firm->listMode(), TFormFirm::ListMode::Nothing);
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_FALSE(grid->showsData());
    EXPECT_EQ(enabled(), (std::array{true, false, false, false}));
}

TEST_F(FirmWindowTest, StoredSizeColumnWidthsAndActiveListOnCreation) {
    addFirm("Альфа", "7701");
    addFirm("Бета", "7702");
    store->FormW.setSize(SizedWindow::Organizations, {610, 430});
    store->ArCol.store(GridBlock::Organizations, 0, 150);
    store->ArCol.store(GridBlock::Organizations, 1, 10);
    store->ArCol.store(GridBlock::Organizations, 2, 60);
    createWindows();
    EXPECT_EQ(firm->size(), QSize(610, 430));
    EXPECT_EQ(firm->grid()->columnWidth(0), 150);
    EXPECT_EQ(firm->grid()->columnWidth(1), 24) << "never narrower than 24 pixels";
    EXPECT_EQ(firm->grid()->columnWidth(2), 60);
    EXPECT_EQ(firm->listMode(), TFormFirm::ListMode::Active);
    EXPECT_EQ(names(), QStringList({"Альфа", "Бета"}));
    for (int c = 1; c <= 2; ++c) {
        EXPECT_TRUE(firm->grid()->item(0, c)->text().isEmpty()) << "column " << c;
    }
    EXPECT_EQ(firm->grid()->currentDataRow(), 0);
    EXPECT_EQ(firm->grid()->dataTextColour(), QColor(Qt::black));
    EXPECT_EQ(enabled(), (std::array{true, true, true, false}));
}

TEST_F(FirmWindowTest, NewOrganizationFromTheCardIsListedAndSaved) {
    sink.answer = true; // the short made-up INNs warn; "Да" keeps them
    addFirm("Альфа", "7701");
    createWindows();
    clickRow(0);
    whenModal("FormRekvizit", [](QDialog& card) {
        EXPECT_EQ(card.windowTitle(), "Новая организация");
        test::type(card, 1, "Гамма");
        test::type(card, 17, "7703");
        click(card, "ButtonOK");
    });
    click(*firm, "SpeedButton1");
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('|').toStdString();
    EXPECT_EQ(names(), QStringList({"Альфа", "Гамма"}));
    EXPECT_EQ(firm->grid()->currentDataRow(), 1);
    EXPECT_EQ(context.catalogues.firms.SelectedFirm, 1);
    EXPECT_EQ(savedName("Firms", 1), "Гамма");
    EXPECT_EQ(store->Firms[1].Inn.view(), "7703");
}

TEST_F(FirmWindowTest, SixtyFourOrganizationsTurnNewOff) {
    for (int i = 0; i < 64; ++i) {
        addFirm("Фирма", std::to_string(1000 + i).c_str());
    }
    createWindows();
    EXPECT_EQ(enabled(), (std::array{false, true, true, false}));
}

TEST_F(FirmWindowTest, ReferringContractIsNamedAndNoThereKeepsBothLists) {
    addFirm("Альфа", "7701");
    addFirm("Бета", "7702");
    addClient("12/07", "7701");
    addClient("15/07", "7702");
    addClient("16/07", "7702");
    createWindows();
    clickRow(1);
    whenModal("FormDelFirm", [](QDialog& d) {
        EXPECT_EQ(test::child<QLabel>(d, "Label1")->text(), "Удалить организацию ?");
        EXPECT_EQ(test::child<QLabel>(d, "Panel1")->text(), "Бета");
        click(d, "ButtonYes");
        whenModal("FormDelFirm1", [](QDialog& d1) {
            EXPECT_EQ(test::child<QLabel>(d1, "Label2")->text(),
                      "В списке клиентов есть удаляемая организация.");
            EXPECT_EQ(test::child<QLabel>(d1, "Label3")->text(),
                      "В договоре 15/07 не будет этой организации.");
            EXPECT_EQ(test::child<QLabel>(d1, "Panel1")->text(), "Бета");
            click(d1, "ButtonNo");
        });
    });
    click(*firm, "SpeedButton3");
    EXPECT_EQ(store->FirmCount, 2);
    EXPECT_EQ(store->DeletedFirmCount, 0);
    EXPECT_EQ(names(), QStringList({"Альфа", "Бета"}));
    EXPECT_FALSE(folder.exists("Firms"));
    EXPECT_FALSE(folder.exists("FirmsDel"));
}

TEST_F(FirmWindowTest, DeletedListIsRedAndRestoreBringsTheOrganizationBack) {
    addFirm("Альфа", "7701");
    addFirm("Бета", "7702");
    createWindows();
    clickRow(0);
    confirmDelete();
    click(*firm, "SpeedButton3");
    EXPECT_EQ(names(), QStringList({"Бета"}));
    EXPECT_EQ(savedName("Firms", 0), "Бета");
    EXPECT_EQ(savedName("FirmsDel", 0), "Альфа");

    click(*firm, "SpeedButton4");
    EXPECT_TRUE(speed(4)->isChecked());
    EXPECT_EQ(firm->windowTitle(), "Удаленные организации");
    EXPECT_EQ(firm->listMode(), TFormFirm::ListMode::Deleted);
    EXPECT_EQ(names(), QStringList({"Альфа"}));
    EXPECT_EQ(firm->grid()->dataTextColour(), QColor(Qt::red));
    EXPECT_EQ(enabled(), (std::array{false, false, false, true}));

    click(*firm, "SpeedButton5");
    EXPECT_EQ(firm->listMode(), TFormFirm::ListMode::Nothing);
    EXPECT_EQ(firm->grid()->rowCount(), 4);
    EXPECT_EQ(enabled(), (std::array{false, false, false, false}));
    EXPECT_EQ(savedName("Firms", 1), "Альфа");
    EXPECT_EQ(savedName("FirmsDel", 0), "");

    click(*firm, "SpeedButton4");
    EXPECT_EQ(firm->windowTitle(), "Организации");
    EXPECT_EQ(firm->grid()->dataTextColour(), QColor(Qt::black));
    EXPECT_EQ(names(), QStringList({"Бета", "Альфа"}));
    EXPECT_EQ(firm->grid()->currentDataRow(), 1) << "the restored organization is selected";
    EXPECT_EQ(enabled(), (std::array{true, true, true, false}));
}

TEST_F(FirmWindowTest, DeletingTheOnlyOrganizationEmptiesTheList) {
    addFirm("Альфа", "7701");
    createWindows();
    confirmDelete();
    click(*firm, "SpeedButton3");
    EXPECT_EQ(firm->listMode(), TFormFirm::ListMode::Nothing);
    EXPECT_EQ(firm->grid()->rowCount(), 4);
    EXPECT_EQ(enabled(), (std::array{true, false, false, false}));
    EXPECT_EQ(savedName("Firms", 0), "");
}

TEST_F(FirmWindowTest, RestoreTurnsOffWhenTheActiveListFills) {
    for (int i = 0; i < 63; ++i) {
        addFirm("Фирма", std::to_string(1000 + i).c_str());
    }
    store->FirmsDel[0].Name = "A";
    store->FirmsDel[1].Name = "B";
    store->DeletedFirmCount = 2;
    createWindows();
    click(*firm, "SpeedButton4");
    ASSERT_TRUE(speed(5)->isEnabled());
    click(*firm, "SpeedButton5");
    EXPECT_EQ(store->FirmCount, 64);
    EXPECT_EQ(store->DeletedFirmCount, 1);
    EXPECT_FALSE(speed(5)->isEnabled());
}

TEST_F(FirmWindowTest, ColumnDragSavesWidthsAndAPlainClickWritesNothing) {
    addFirm("Альфа", "7701");
    store->ArCol.sanitise(); // as loaded on a first run: every width never stored
    store->ArCol.store(GridBlock::Organizations, 2, 10); // a stored 10 is shown as 24
    createWindows();
    QHeaderView* header = firm->grid()->horizontalHeader();
    const int first = header->sectionSize(0);
    const int second = header->sectionSize(1);
    EXPECT_GT(first, 24) << "never-stored widths open at the designed width";
    EXPECT_EQ(header->sectionSize(2), 24);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_FALSE(folder.exists("ArCol.ats"));

    // Drag the border between the first two columns 60 pixels to the right.
    const int border = first - 1;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border, 5));
    QTest::mouseMove(header->viewport(), QPoint(border + 30, 5));
    QTest::mouseMove(header->viewport(), QPoint(border + 60, 5));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(border + 60, 5));
    ASSERT_EQ(header->sectionSize(0), first + 60);
    ASSERT_TRUE(folder.exists("ArCol.ats"));
    const std::string bytes = folder.readFile("ArCol.ats");
    ASSERT_EQ(bytes.size(), 512u);
    const auto word = [&](int i) {
        return static_cast<unsigned char>(bytes[2 * i]) |
               static_cast<unsigned char>(bytes[2 * i + 1]) << 8;
    };
    EXPECT_EQ(word(0), first + 60);
    EXPECT_EQ(word(1), second) << "the other columns as shown";
    EXPECT_EQ(word(2), 24);
}

TEST_F(FirmWindowTest, DoubleClickViewsInTheActiveListOnly) {
    addFirm("Альфа", "7701");
    store->FirmsDel[0].Name = "A";
    store->DeletedFirmCount = 1;
    createWindows();
    bool viewed = false;
    whenModal("FormRekvizit", [&](QDialog& card) {
        viewed = true;
        EXPECT_EQ(test::edit(card, 1)->text(), "Альфа");
        EXPECT_TRUE(test::edit(card, 1)->isReadOnly());
        click(card, "ButtonNo");
    });
    firm->StringGrid1DblClick(0);
    EXPECT_TRUE(viewed);

    click(*firm, "SpeedButton4");
    QPointer<QWidget> opened;
    QTimer::singleShot(100, [&] {
        if ((opened = QApplication::activeModalWidget())) {
            opened->close();
        }
    });
    firm->StringGrid1DblClick(0);
    QTest::qWait(150);
    EXPECT_FALSE(opened) << "nothing opens from the deleted list";
}

} // namespace
} // namespace kestrelon
