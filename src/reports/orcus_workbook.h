#pragma once
// Reading .xlsx and .ods workbooks with liborcus, LibreOffice's import library. Only this
// file and its source know the library.

#include "workbook_cells.h"

#include <string_view>

namespace kestrelon {

enum class ZipWorkbook { None, OfficeOpenXml, OpenDocument, Damaged };

// What a zip file holds: an Office Open XML workbook (.xlsx), an OpenDocument spreadsheet
// (.ods), neither, or what cannot be told as the zip is damaged or cut short.
ZipWorkbook zipWorkbookKind(std::string_view fileBytes);

// Whether an OpenDocument file keeps its content encrypted, as a password does.
bool isEncryptedOpenDocument(std::string_view fileBytes);

// Fills `book` with every sheet of the workbook; what the library refuses becomes the book's
// problem.
void readZipWorkbook(std::string_view fileBytes, ZipWorkbook kind, WorkbookCells& book);

} // namespace kestrelon
