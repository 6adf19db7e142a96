#include "grid_find_field.h"

#include "catalogue_grid.h"

#include <QKeyEvent>
#include <QShortcut>

namespace kestrelon {

GridFindField::GridFindField(CatalogueGrid& grid, std::function<QString(int row)> rowText,
                             const QString& accessibleName, QWidget* window)
    : QLineEdit(window), grid_(grid), rowText_(std::move(rowText)) {
    setObjectName(QStringLiteral("FindField"));
    setAccessibleName(accessibleName);
    setPlaceholderText(QStringLiteral("Найти (Ctrl+F): часть названия или ИНН"));
    setClearButtonEnabled(true);
    auto* find = new QShortcut(QKeySequence::Find, window);
    connect(find, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
    connect(this, &QLineEdit::textChanged, this, [this] { refilter(); });
}

void GridFindField::refilter() {
    const QString wanted = text().trimmed();
    const int rows = grid_.showsData() ? grid_.rowCount() : 0;
    shown_ = 0;
    int firstShown = -1;
    for (int row = 0; row < rows; ++row) {
        const bool shows = wanted.isEmpty() || rowText_(row).contains(wanted, Qt::CaseInsensitive);
        grid_.setRowHidden(row, !shows);
        if (shows) {
            ++shown_;
            if (firstShown < 0) {
                firstShown = row;
            }
        }
    }
    const int current = grid_.currentRow();
    if (firstShown >= 0 && (current < 0 || grid_.isRowHidden(current))) {
        grid_.setCurrentCell(firstShown, std::max(grid_.currentColumn(), 0));
    }
    if (onFiltered) {
        onFiltered();
    }
}

void GridFindField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        return;
    }
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        grid_.setFocus(Qt::TabFocusReason);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace kestrelon
