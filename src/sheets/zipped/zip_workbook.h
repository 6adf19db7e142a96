#pragma once
// What a zip file holds, told from its entries: spreadsheet programs keep both .xlsx and .ods
// workbooks in zip files.

#include <string_view>

namespace kestrelon {

enum class ZipWorkbook { None, OfficeOpenXml, OpenDocument, Damaged };

// An Office Open XML workbook (.xlsx), an OpenDocument spreadsheet (.ods), neither, or what
// cannot be told as the zip's directory is damaged or cut short. A workbook whose parts are
// damaged is still told as what it is, so that its reader can say what is wrong.
ZipWorkbook zipWorkbookKind(std::string_view fileBytes);

// Whether an OpenDocument file keeps its content encrypted, as a password does.
bool isEncryptedOpenDocument(std::string_view fileBytes);

} // namespace kestrelon
