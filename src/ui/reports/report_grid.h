#pragma once
// The report window's grid: "Договор", "Счет", "Дата", "Сумма", "НДС", "С НДС". It shows the
// imported or stored rows read-only, and in manual mode lets the user type the amounts:
// each column takes only what its field can hold, Tab and Enter go on to the next cell and
// Delete empties a cell. Tab after the last cell (Shift+Tab before the first) and Ctrl+Tab
// leave the grid for the window's next (previous) control.

#include "reports/values/report_values.h"
#include "ui/widgets/catalogue_grid.h"

#include <QPointer>
#include <functional>

namespace kestrelon {

class ReportGrid : public CatalogueGrid {
public:
    static constexpr int kFirstAmountColumn = 3;

    ReportGrid(AppContext& context, QWidget* parent);

    // One data row per entry; with none, four empty rows that show nothing.
    void showGridRows(const GridRows& rows);
    // The texts of the data rows (none while the grid shows nothing).
    GridRows gridRows() const;

    // Takes the text of a cell still being typed (the user has not pressed Enter) into the
    // grid and closes its editor; nothing happens when no cell is being typed.
    void commitOpenEditor();

    // Manual mode in edit state: every column but "Договор" may be typed into.
    void setEditable(bool editable);
    bool editable() const { return editable_; }

    // Called after the user changed a cell (typing, Delete), with the cell's column.
    std::function<void(int column)> onCellEdited;

    QWidget* createCellEditor(QWidget* parent, const QModelIndex& index) const override;
    Qt::ItemFlags cellFlags(int column) const override;

    bool editorKeyPressed(QWidget* editor, const QKeyEvent& event) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool editableCell(int row, int column) const;
    // Whether Tab (next) or Shift+Tab from the current cell would go round to the other end.
    bool tabLeavesGrid(bool next);
    void leaveGrid(bool next);

    bool editable_ = false;
    bool filling_ = false;
    mutable QPointer<QWidget> openEditor_;
};

} // namespace kestrelon
