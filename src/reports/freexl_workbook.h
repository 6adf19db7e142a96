#pragma once
// Reading .xls workbooks (Excel 97-2003, BIFF) with FreeXL. Only this file and its source know
// the library.

#include "workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Fills `book` with every sheet of the workbook; a file the library refuses, or one whose
// cells a password hides, becomes the book's problem.
void readXlsWorkbook(std::string_view fileBytes, WorkbookCells& book);

} // namespace kestrelon
