#pragma once
// A table a user reads and chooses a row in, never types in: whole rows selected one at a time,
// Tab going on to the next control, the columns as wide as their texts, the last one filling.

class QTableWidget;

namespace kestrelon {

void makeReadOnlyTable(QTableWidget& table);

} // namespace kestrelon
