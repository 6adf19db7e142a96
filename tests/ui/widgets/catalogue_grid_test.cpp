#include "support/temp_folder.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/catalogue_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace kestrelon {
namespace {

class CatalogueGridTest : public ::testing::Test {
protected:
    CatalogueGridTest() {
        store->DataFolder = folder.path();
        grid = std::make_unique<CatalogueGrid>(context, GridBlock::Organizations,
                                               QStringList{"Name", "Tel.", "Address"}, nullptr);
        grid->resize(400, 200);
        grid->show();
    }

    // The colour in the middle of a cell's left part, clear of its text.
    QRgb cellColour(int row, int column) {
        QApplication::processEvents();
        const QImage image = grid->viewport()->grab().toImage();
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        return image.pixel(cell.left() + 2, cell.center().y());
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<CatalogueGrid> grid;
};

TEST_F(CatalogueGridTest, NothingToShowIsFourEmptyWhiteRows) {
    grid->showNothing();
    grid->setCurrentDataRow(0);
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_FALSE(grid->showsData());
    EXPECT_EQ(cellColour(0, 0), qRgb(255, 255, 255));
}

TEST_F(CatalogueGridTest, TheCurrentRowIsPaleTurquoiseAndTheOthersWhite) {
    grid->showRows({{"Альфа", "", ""}, {"Бета", "", ""}});
    grid->setCurrentDataRow(1);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(cellColour(1, 0), qRgb(175, 238, 238));
    EXPECT_EQ(cellColour(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(grid->item(1, 0)->text(), "Бета");
}

// A keyboard user moves between the cells of the selected row and acts on the current one.
TEST_F(CatalogueGridTest, TheCurrentCellIsFramedWhileTheGridHasTheFocus) {
    grid->showRows({{"Альфа", "", ""}, {"Бета", "", ""}});
    grid->setCurrentCell(1, 1);
    const auto framed = [this](int row, int column) {
        QApplication::processEvents();
        const QImage image = grid->viewport()->grab().toImage();
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        // The frame's top edge, three pixels inside the cell: dotted, so some pixel is black.
        for (int x = cell.left() + 4; x < cell.right() - 4; ++x) {
            if (image.pixel(x, cell.top() + 3) == qRgb(0, 0, 0)) {
                return true;
            }
        }
        return false;
    };
    grid->setFocus();
    EXPECT_TRUE(framed(1, 1));
    EXPECT_FALSE(framed(1, 0)) << "only the current cell";
    EXPECT_FALSE(framed(0, 1));
    grid->clearFocus();
    EXPECT_FALSE(framed(1, 1)) << "no frame while the focus is elsewhere";
}

TEST_F(CatalogueGridTest, NeverStoredWidthsOpenAtTheDesignedWidthStoredOnesAtLeast24) {
    auto fresh = std::make_unique<DataStore>();
    fresh->ArCol.sanitise();
    fresh->ArCol.store(GridBlock::Organizations, 1, 10);
    fresh->ArCol.store(GridBlock::Organizations, 2, 150);
    AppContext own{*fresh, sink};
    CatalogueGrid widths(own, GridBlock::Organizations, {"Name", "Tel.", "Address"}, nullptr);
    widths.setDesignedWidths({200, 100, 100});
    EXPECT_EQ(widths.columnWidth(0), 200);
    EXPECT_EQ(widths.columnWidth(1), 24);
    EXPECT_EQ(widths.columnWidth(2), 150);
}

// A failed save of the column widths is said once, not on every drag; once a save succeeded
// again, a new failure is news and is said again.
TEST_F(CatalogueGridTest, AFailedSaveOfTheWidthsIsSaidOnceUntilASaveSucceeds) {
    const std::string widths = folder.path() + "ArCol.ats";
    folder.writeFile("ArCol.ats", 512);
    const auto readOnly = [&](bool yes) {
        std::filesystem::permissions(widths, std::filesystem::perms(yes ? 0444 : 0644));
    };
    QHeaderView* header = grid->horizontalHeader();
    const auto dragFirstBorder = [&] {
        const int border = header->sectionSize(0) - 1;
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(border, 5));
        QTest::mouseMove(header->viewport(), QPoint(border + 10, 5));
        QTest::mouseMove(header->viewport(), QPoint(border + 20, 5));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(border + 20, 5));
    };
    const QString said = QString::fromStdString("File access denied\n" + widths);

    readOnly(true);
    for (int drag = 0; drag < 3; ++drag) {
        dragFirstBorder();
    }
    EXPECT_EQ(sink.messages, QStringList{said});

    readOnly(false);
    dragFirstBorder();
    EXPECT_EQ(sink.messages, QStringList{said});
    const std::string saved = folder.readFile("ArCol.ats");
    EXPECT_EQ(static_cast<unsigned char>(saved[0]) | static_cast<unsigned char>(saved[1]) << 8,
              header->sectionSize(0));

    readOnly(true);
    dragFirstBorder();
    dragFirstBorder();
    EXPECT_EQ(sink.messages, QStringList({said, said}));
}

} // namespace
} // namespace kestrelon
