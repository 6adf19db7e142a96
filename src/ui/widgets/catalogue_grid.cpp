#include "catalogue_grid.h"

#include "file_error.h"
#include "store/io_error.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace kestrelon {
namespace {

const QColor kSelectedCell(175, 238, 238);
constexpr int kTextLeft = 6;
constexpr int kTextTop = 2;
constexpr int kFocusInset = 3;

void drawCellText(QPainter* painter, const QRect& cell, const QString& text, QColor colour) {
    painter->setPen(colour);
    const QRect area = cell.adjusted(kTextLeft, kTextTop, 0, 0);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

class GridHeader : public QHeaderView {
public:
    explicit GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(false);
        setHighlightSections(false);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        painter->save();
        painter->fillRect(rect, palette().color(QPalette::Button));
        painter->setPen(palette().color(QPalette::Dark));
        painter->drawRect(rect.adjusted(1, 1, -2, -2));
        const QString text = model()->headerData(section, orientation()).toString();
        drawCellText(painter, rect, text, Qt::black);
        painter->restore();
    }
};

class GridCellDelegate : public QStyledItemDelegate {
public:
    GridCellDelegate(CatalogueGrid& grid, QObject* parent)
        : QStyledItemDelegate(parent), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        // Rows that show nothing are never highlighted.
        const bool selected = grid_.showsData() && option.state.testFlag(QStyle::State_Selected);
        painter->fillRect(option.rect, selected ? kSelectedCell : QColor(Qt::white));
        if (grid_.showsData()) {
            drawCellText(painter, option.rect, index.data().toString(), grid_.dataTextColour());
        }
        // Arrows move between the cells of the selected row, and Space acts on the current one
        // (the clients' active mark): a keyboard user sees which cell that is.
        if (grid_.showsData() && option.state.testFlag(QStyle::State_HasFocus)) {
            painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter->drawRect(
                option.rect.adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
        }
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (QWidget* editor = grid_.createCellEditor(parent, index)) {
            return editor;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress &&
            grid_.editorKeyPressed(editor, *static_cast<QKeyEvent*>(event))) {
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    CatalogueGrid& grid_;
};

} // namespace

CatalogueGrid::CatalogueGrid(AppContext& context, std::optional<GridBlock> block,
                             const QStringList& headers, QWidget* parent)
    : QTableWidget(parent), context_(context), block_(block) {
    setObjectName(QStringLiteral("StringGrid1"));
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeader(new GridHeader(this));
    setHorizontalHeaderLabels(headers);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(4);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new GridCellDelegate(*this, this));
    for (int c = 0; block_ && c < columnCount(); ++c) {
        setColumnWidth(c, context_.store.ArCol.applied(*block_, static_cast<std::size_t>(c)));
    }
    horizontalHeader()->viewport()->installEventFilter(this);
    viewport()->installEventFilter(this);
    showNothing();
}

void CatalogueGrid::showRows(const std::vector<QStringList>& rows) {
    // Hundreds of rows are filled at once: the grid is laid out once, at the end.
    setUpdatesEnabled(false);
    showsData_ = !rows.empty();
    clearContents();
    setRowCount(showsData_ ? static_cast<int>(rows.size()) : kEmptyDataRows);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < columnCount() && c < rows[r].size(); ++c) {
            auto* cell = new QTableWidgetItem(rows[r][c]);
            cell->setFlags(cellFlags(c));
            setItem(r, c, cell);
        }
    }
    setUpdatesEnabled(true);
    viewport()->update();
}

void CatalogueGrid::setDataTextColour(QColor colour) {
    textColour_ = colour;
    viewport()->update();
}

void CatalogueGrid::setCurrentDataRow(int row) {
    if (row >= 0 && row < rowCount()) {
        setCurrentCell(row, 0);
    }
}

void CatalogueGrid::setDesignedWidths(const std::vector<int>& widths) {
    for (int c = 0; c < columnCount() && c < static_cast<int>(widths.size()); ++c) {
        const bool stored =
            block_ && context_.store.ArCol.values
                              .at(static_cast<std::size_t>(*block_) + static_cast<std::size_t>(c))
                              .get() != ColumnWidths::kNeverStored;
        if (!stored) {
            setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        }
    }
}

void CatalogueGrid::storeWidthsIfChanged() {
    if (!block_) {
        return;
    }
    ColumnWidths& widths = context_.store.ArCol;
    bool changed = false;
    for (int c = 0; c < columnCount(); ++c) {
        const auto slot = static_cast<std::size_t>(*block_) + static_cast<std::size_t>(c);
        changed = changed || widths.values.at(slot).get() != columnWidth(c);
    }
    if (!changed) {
        return;
    }
    for (int c = 0; c < columnCount(); ++c) {
        widths.store(*block_, static_cast<std::size_t>(c),
                     static_cast<std::uint16_t>(qBound(0, columnWidth(c), 65535)));
    }
    try {
        context_.store.SaveFileCol();
        context_.columnWidthsFailureShown = false;
    } catch (const IoError& error) {
        if (!context_.columnWidthsFailureShown) {
            context_.columnWidthsFailureShown = true;
            showFileError(context_, error);
        }
    }
}

bool CatalogueGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport() || watched == viewport()) {
        if (event->type() == QEvent::MouseMove &&
            static_cast<QMouseEvent*>(event)->buttons().testFlag(Qt::LeftButton)) {
            resizeNoted_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease && resizeNoted_) {
            resizeNoted_ = false;
            storeWidthsIfChanged();
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

} // namespace kestrelon
