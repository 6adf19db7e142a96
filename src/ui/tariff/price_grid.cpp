#include "price_grid.h"

#include "ui/widgets/qt_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace kestrelon {
namespace {

// 15658671 in the Windows BGR encoding.
const QColor kSelectedCell(0xAF, 0xEE, 0xEE);
constexpr int kTextLeft = 6;
constexpr int kTextTop = 2;

class PriceCellDelegate : public QStyledItemDelegate {
public:
    PriceCellDelegate(const PriceGridModel& model, QObject* parent)
        : QStyledItemDelegate(parent), model_(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        // The fill reaches one pixel past the cell, over the grid line, as the tool always drew.
        const bool selected = model_.showsData() && option.state.testFlag(QStyle::State_Selected);
        painter->fillRect(option.rect.adjusted(0, 0, 1, 1),
                          selected ? kSelectedCell : QColor(Qt::white));
        if (model_.showsData()) {
            const bool red = index.data(PriceGridModel::kOwnPercentRole).toBool();
            painter->setPen(red ? QColor(Qt::red) : QColor(Qt::black));
            painter->drawText(option.rect.adjusted(kTextLeft, kTextTop, 0, 0),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              index.data().toString());
        }
        painter->restore();
    }

private:
    const PriceGridModel& model_;
};

} // namespace

PriceGridModel::PriceGridModel(const tariff::PriceList& list, Source source, Layout layout,
                               QObject* parent)
    : QAbstractTableModel(parent), list_(list), source_(source), layout_(layout) {}

std::size_t PriceGridModel::sourceCount() const {
    return source_ == Source::Lines ? list_.count() : list_.copyCount();
}

const tariff::PriceEntry& PriceGridModel::entry(int row) const {
    const auto at = static_cast<std::size_t>(row);
    return source_ == Source::Lines ? list_.line(at) : list_.copied(at);
}

void PriceGridModel::showLines() {
    beginResetModel();
    rows_ = static_cast<int>(sourceCount());
    endResetModel();
}

void PriceGridModel::markedUpChanged() {
    if (rows_ > 0) {
        emit dataChanged(index(0, markedUpColumn()), index(rows_ - 1, markedUpColumn()));
    }
}

void PriceGridModel::lineChanged(int row) {
    if (row >= 0 && row < rows_) {
        emit dataChanged(index(row, 0), index(row, markedUpColumn()));
    }
}

int PriceGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return rows_ > 0 ? rows_ : kEmptyRows;
}

int PriceGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return layout_ == Layout::NamePriceMarkedUp ? 3 : 2;
}

QVariant PriceGridModel::data(const QModelIndex& index, int role) const {
    // The source may hold fewer lines than shown until the grid is shown again.
    if (!index.isValid() || index.row() >= rows_ ||
        static_cast<std::size_t>(index.row()) >= sourceCount()) {
        return {};
    }
    const tariff::PriceEntry& line = entry(index.row());
    const bool markedUp = index.column() == markedUpColumn();
    if (role == kOwnPercentRole) {
        return layout_ == Layout::NamePriceMarkedUp && markedUp && line.Individual != 0;
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (index.column() == 0) {
        return fromCp1251(line.Name.view());
    }
    return fromCp1251(markedUp ? line.MarkedUpText.view() : line.PriceText.view());
}

QVariant PriceGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The headers are hidden; assistive tools still hear what a column holds.
    if (orientation != Qt::Horizontal ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    if (section == 0) {
        return QStringLiteral("Наименование");
    }
    return section == markedUpColumn() ? QStringLiteral("С наценкой") : QStringLiteral("Цена");
}

PriceGrid::PriceGrid(PriceGridModel* model, const std::vector<int>& widths, QWidget* parent)
    : QTableView(parent), model_(model) {
    setModel(model);
    setItemDelegate(new PriceCellDelegate(*model, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(20, fontMetrics().height() + 6));
    horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    }
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
}

void PriceGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (onSelectionSettled) {
        onSelectionSettled();
    }
}

void PriceGrid::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    if (onSelectionSettled && !event->isAutoRepeat()) {
        onSelectionSettled();
    }
}

std::pair<int, int> PriceGrid::selectedRange() const {
    int top = -1;
    int bottom = -1;
    for (const QModelIndex& row : selectionModel()->selectedRows()) {
        top = top < 0 ? row.row() : std::min(top, row.row());
        bottom = std::max(bottom, row.row());
    }
    return {top, bottom};
}

} // namespace kestrelon
