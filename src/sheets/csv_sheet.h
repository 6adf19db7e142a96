#pragma once
// Reading a register saved as CSV text: its separator, its fields and the cells they make.

#include "workbook_cells.h"

#include <string_view>

namespace kestrelon {

// Whether the bytes can be CSV text: no NUL and no control character but TAB and line ends,
// which every binary file has somewhere.
bool looksLikeText(std::string_view fileBytes);

// The separator of the register's fields: the one after "AGENT_CUSTNO" on the header line;
// without a header line, the one of ";", "," and TAB that the first line holds most often
// outside quotes (TAB, then ";" on a tie); TAB when it holds none. `text` is cp1251.
char csvSeparator(std::string_view text);

// Fills `book` with the one sheet of CSV text in UTF-8 (with or without its byte-order mark)
// or cp1251. Fields in double quotes may hold the separator, line breaks and doubled quotes.
// CSV keeps no types: the texts stay as written, and a text that is a plain number counts as
// a number, so that a day number in a date column shows as a date. A number with more than 15
// significant digits is read as a spreadsheet reads it (spreadsheetDigits).
void readCsv(std::string_view fileBytes, WorkbookCells& book);

} // namespace kestrelon
