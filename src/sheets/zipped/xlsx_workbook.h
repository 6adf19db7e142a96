#pragma once
// Reading .xlsx workbooks (Office Open XML, as Excel and spreadsheet libraries write them) with
// the zip reader and libxml2.

#include "sheets/workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Fills `book` with every sheet of the workbook; a damaged file, or one no register can be,
// becomes the book's problem and nothing of it is kept.
void readXlsxWorkbook(std::string_view fileBytes, WorkbookCells& book);

} // namespace kestrelon
