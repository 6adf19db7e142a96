#pragma once
// Reading .xls workbooks (Excel 97-2003, and Excel 95): libgsf opens the compound file that
// holds the workbook stream, our own reader reads the stream's records. Only this file and its
// source know the library.

#include "sheets/workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Fills `book` with every worksheet of the workbook; a file that is damaged or cut short, or
// whose cells a password hides, becomes the book's problem.
void readXlsWorkbook(std::string_view fileBytes, WorkbookCells& book);

} // namespace kestrelon
