#pragma once
// The grids of the price-list mark-up tool. They show the lines of a PriceList straight from
// its table, so that a change of percentages costs only a repaint of the rows in sight. Each
// cell is drawn by the window's rules: light cyan when selected, white otherwise, the text 6
// pixels right of and 2 below the cell's corner, and in the "Edit" grid the marked-up price
// of a line with its own percentage in red. With no lines a grid shows five empty rows.

#include "tariff/price_list.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>
#include <vector>

namespace kestrelon {

class PriceGridModel : public QAbstractTableModel {
public:
    static constexpr int kEmptyRows = 5;
    // True for the marked-up price of a line with its own percentage.
    static constexpr int kOwnPercentRole = Qt::UserRole + 1;

    enum class Source { Lines, CopiedLines };
    enum class Layout { NamePriceMarkedUp, NameMarkedUp };

    PriceGridModel(const tariff::PriceList& list, Source source, Layout layout, QObject* parent);

    // Shows as many rows as the source has lines now (five empty ones for none).
    void showLines();
    // The marked-up prices changed, every line's or one line's.
    void markedUpChanged();
    void lineChanged(int row);

    bool showsData() const { return rows_ > 0; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::size_t sourceCount() const;
    const tariff::PriceEntry& entry(int row) const;
    int markedUpColumn() const { return columnCount() - 1; }

    const tariff::PriceList& list_;
    Source source_;
    Layout layout_;
    int rows_ = 0;
};

class PriceGrid : public QTableView {
public:
    PriceGrid(PriceGridModel* model, const std::vector<int>& widths, QWidget* parent);

    PriceGridModel* priceModel() const { return model_; }
    // The first and last selected rows, or -1, -1 when none is.
    std::pair<int, int> selectedRange() const;

    // Called when the mouse button or a key is released over the grid, after the grid has
    // settled its selection.
    std::function<void()> onSelectionSettled;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    PriceGridModel* model_;
};

} // namespace kestrelon
