#include "report_grid.h"

#include "ui/widgets/qt_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <optional>

namespace kestrelon {
namespace {

// What each column's field in a report can hold: an invoice number of 13 characters, a date
// and the amounts of 10.
constexpr int kInvoiceNoLength = 13;
constexpr int kFieldLength = 10;

// Tab goes forward (true), Shift+Tab back (false); other keys are no Tab.
std::optional<bool> tabDirection(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backtab) {
        return false;
    }
    if (event.key() == Qt::Key_Tab) {
        return !event.modifiers().testFlag(Qt::ShiftModifier);
    }
    return std::nullopt;
}

bool withControl(const QKeyEvent& event) {
    return event.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

ReportGrid::ReportGrid(AppContext& context, QWidget* parent)
    : CatalogueGrid(context, GridBlock::ReportGrid,
                    {QStringLiteral("Договор"), QStringLiteral("Счет"), QStringLiteral("Дата"),
                     QStringLiteral("Сумма"), QStringLiteral("НДС"), QStringLiteral("С НДС")},
                    parent) {
    setAccessibleName(QStringLiteral("Строки отчета"));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setDesignedWidths({80, 120, 80, 90, 90, 90});
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_ && onCellEdited) {
            onCellEdited(item->column());
        }
    });
}

void ReportGrid::showGridRows(const GridRows& rows) {
    filling_ = true;
    std::vector<QStringList> texts;
    texts.reserve(rows.size());
    for (const GridRow& row : rows) {
        QStringList line;
        for (const std::string& cell : row) {
            line.append(fromCp1251(cell));
        }
        texts.push_back(line);
    }
    showRows(texts);
    filling_ = false;
}

GridRows ReportGrid::gridRows() const {
    GridRows rows;
    if (!showsData()) {
        return rows;
    }
    rows.resize(static_cast<std::size_t>(rowCount()));
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount() && c < 6; ++c) {
            const QTableWidgetItem* cell = item(r, c);
            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                cell ? toCp1251(cell->text()) : std::string();
        }
    }
    return rows;
}

void ReportGrid::setEditable(bool editable) {
    editable_ = editable;
    setEditTriggers(editable
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

Qt::ItemFlags ReportGrid::cellFlags(int column) const {
    // Every cell but the contract's may be typed into when the grid is editable.
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return column > 0 ? flags | Qt::ItemIsEditable : flags;
}

bool ReportGrid::editableCell(int row, int column) const {
    return editable_ && showsData() && row >= 0 && row < rowCount() && column > 0;
}

QWidget* ReportGrid::createCellEditor(QWidget* parent, const QModelIndex& index) const {
    if (!editableCell(index.row(), index.column())) {
        return nullptr;
    }
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (index.column() == 1) {
        editor->setMaxLength(kInvoiceNoLength);
        return editor;
    }
    editor->setMaxLength(kFieldLength);
    // The date and the amounts take digits and the separators ",", "-", ".".
    editor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,.\\-]*")), editor));
    openEditor_ = editor;
    return editor;
}

void ReportGrid::commitOpenEditor() {
    QWidget* editor = openEditor_;
    if (editor == nullptr || state() != QAbstractItemView::EditingState) {
        return;
    }
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool ReportGrid::tabLeavesGrid(bool next) {
    // Rows that show nothing have nothing to walk through.
    if (!showsData()) {
        return true;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return false;
    }
    const QModelIndex to = moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier);
    if (!to.isValid() || to == current) {
        return true;
    }
    const bool forward =
        to.row() > current.row() || (to.row() == current.row() && to.column() > current.column());
    return forward != next;
}

void ReportGrid::leaveGrid(bool next) {
    // The window's own order, past the grid as a whole rather than from cell to cell.
    QWidget::focusNextPrevChild(next);
}

bool ReportGrid::focusNextPrevChild(bool next) {
    if (tabKeyNavigation() && !tabLeavesGrid(next)) {
        return CatalogueGrid::focusNextPrevChild(next);
    }
    return QWidget::focusNextPrevChild(next);
}

void ReportGrid::keyPressEvent(QKeyEvent* event) {
    const int row = currentRow();
    const int column = currentColumn();
    if (const std::optional<bool> tab = tabDirection(*event); tab && withControl(*event)) {
        leaveGrid(*tab);
        return;
    }
    if (event->key() == Qt::Key_Delete && editableCell(row, column) && item(row, column)) {
        item(row, column)->setText(QString());
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != QAbstractItemView::EditingState) {
        // Enter goes on to the next cell, row after row, as Tab does.
        const QModelIndex next = moveCursor(QAbstractItemView::MoveNext, Qt::NoModifier);
        if (next.isValid()) {
            setCurrentIndex(next);
        }
        return;
    }
    CatalogueGrid::keyPressEvent(event);
}

bool ReportGrid::editorKeyPressed(QWidget* editor, const QKeyEvent& event) {
    if (const std::optional<bool> tab = tabDirection(event)) {
        // Tab keeps the text and opens the next cell; past the last cell it leaves the grid.
        const bool next = *tab;
        const bool leave = withControl(event) || tabLeavesGrid(next);
        commitData(editor);
        closeEditor(editor, leave  ? QAbstractItemDelegate::NoHint
                            : next ? QAbstractItemDelegate::EditNextItem
                                   : QAbstractItemDelegate::EditPreviousItem);
        if (leave) {
            leaveGrid(next);
        }
        return true;
    }
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter) {
        return false;
    }
    // Enter in a cell being typed keeps the text and opens the next cell, as Tab does.
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::EditNextItem);
    return true;
}

} // namespace kestrelon
