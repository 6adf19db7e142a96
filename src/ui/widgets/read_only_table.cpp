#include "read_only_table.h"

#include <QHeaderView>
#include <QTableWidget>

namespace kestrelon {

void makeReadOnlyTable(QTableWidget& table) {
    table.verticalHeader()->hide();
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setTabKeyNavigation(false);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table.horizontalHeader()->setStretchLastSection(true);
}

} // namespace kestrelon
