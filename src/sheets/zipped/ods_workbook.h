#pragma once
// Reading .ods workbooks (OpenDocument spreadsheets): their zip checked whole, then the cells of
// their content part.

#include "sheets/workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Fills `book` with every sheet of the workbook; a damaged zip or content part becomes the
// book's problem.
void readOdsWorkbook(std::string_view fileBytes, WorkbookCells& book);

} // namespace kestrelon
