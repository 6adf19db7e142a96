#pragma once
// The owner-drawn string grid of the catalogue and report windows: a fixed header row drawn
// on the button-face colour, data cells white or pale turquoise when selected, every text
// 6 pixels right of and 2 below its cell's corner. Column widths come from "ArCol.ats" and
// are stored back after the user dragged a column border (not after a plain click). A grid
// given no block of "ArCol.ats" keeps no widths: it starts with its designed ones each run.

#include "app_context.h"
#include "store/window_state.h"

#include <QColor>
#include <QKeyEvent>
#include <QStringList>
#include <QTableWidget>
#include <optional>
#include <vector>

namespace kestrelon {

class CatalogueGrid : public QTableWidget {
public:
    static constexpr int kEmptyDataRows = 4;

    CatalogueGrid(AppContext& context, std::optional<GridBlock> block, const QStringList& headers,
                  QWidget* parent);

    // Shows one data row per entry; with no entries, four empty rows and no data.
    void showRows(const std::vector<QStringList>& rows);
    void showNothing() { showRows({}); }
    bool showsData() const { return showsData_; }

    // The colour of data texts (black for active lists, red for the deleted organizations).
    void setDataTextColour(QColor colour);
    QColor dataTextColour() const { return textColour_; }

    // 0-based data row of the current cell, -1 when none.
    int currentDataRow() const { return currentRow(); }
    void setCurrentDataRow(int row);

    // Widths for columns whose width was never stored (a fresh "ArCol.ats" holds 0, loaded as
    // 8): a first-time user sees readable columns instead of 24-pixel stubs.
    void setDesignedWidths(const std::vector<int>& widths);

    // After a drag with the left button over the grid, the next release compares the widths
    // with the stored slots and, on a difference, stores all of them and saves "ArCol.ats".
    // A plain click writes nothing.
    void storeWidthsIfChanged();

    // The editor of a cell the user may type into; nullptr gives the default editor. Grids
    // whose cells are edited (the report grid) give their own with its input filter.
    virtual QWidget* createCellEditor(QWidget* parent, const QModelIndex& index) const {
        (void)parent;
        (void)index;
        return nullptr;
    }

    // The flags of a data cell's item; a grid whose cells are typed into marks them editable.
    virtual Qt::ItemFlags cellFlags(int column) const {
        (void)column;
        return QTableWidgetItem().flags();
    }

    // A key pressed in a cell's editor, before the editor's own handling; true when the grid
    // took it.
    virtual bool editorKeyPressed(QWidget* editor, const QKeyEvent& event) {
        (void)editor;
        (void)event;
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& context_;
    std::optional<GridBlock> block_;
    QColor textColour_ = Qt::black;
    bool showsData_ = false;
    bool resizeNoted_ = false;
};

} // namespace kestrelon
