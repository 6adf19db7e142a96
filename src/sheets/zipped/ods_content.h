#pragma once
// The cells of an OpenDocument spreadsheet as its content part (content.xml) writes them.

#include "sheets/workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Puts every sheet of the content part into the book: numbers with their digits as written,
// dates as "DD.MM.YYYY", texts as shown, a cell's paragraphs and line breaks as one line.
// DamagedFile for a part that is not well-formed XML.
void readOpenDocumentContent(std::string_view contentXml, WorkbookCells& book);

} // namespace kestrelon
