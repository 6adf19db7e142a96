#pragma once
// Reading the workbook stream of an .xls file (Excel 97-2003, BIFF8; Excel 95, BIFF5) into
// the sheets of a workbook. Standard library only: the compound file around the stream is
// opened elsewhere.

#include "sheets/workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Fills `book` with the cells of every worksheet: numbers, texts, booleans, errors and the
// last values of formulas, with the formats that show numbers as dates. A stream that is
// damaged or cut short, or whose content a password hides, becomes the book's problem.
void readBiffWorkbookStream(std::string_view stream, WorkbookCells& book);

} // namespace kestrelon
