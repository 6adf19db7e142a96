#pragma once
// The principal's register read from the spreadsheet file it came in, whatever program wrote
// it: the same TAB-separated text a paste of the sheet gives, for parseRegister to read.

#include "sheets/sheet_text.h"

#include <cstdint>
#include <string_view>

namespace kestrelon {

// Far beyond any register; a larger file is refused before it is read.
inline constexpr std::uint64_t kMaxRegisterFileBytes = 64ull * 1024 * 1024;

// What is told of a file larger than kMaxRegisterFileBytes; `fileName` is cp1251.
std::string registerFileTooLarge(std::string_view fileName);

// The register text of an .xlsx, .ods, .xls, SYLK or CSV file, told apart by their content
// rather than their names. The sheet read is the first that holds the register's title or
// header line, else the first; its used area gives the rows, each with as many fields as the
// widest, empty cells as empty fields, numbers as plain decimals, dates and the numbers (and
// texts written year first) in the register's date columns as "DD.MM.YYYY", texts as stored
// but on one line, a line break or TAB a space. A file that cannot give it, or that has a
// cell longer than kMaxCellText, gives a message naming `fileName` (cp1251) and what is
// wrong, and no text.
SheetText registerTextFromFile(std::string_view fileBytes, std::string_view fileName);

// The same, read in a child process: a file that makes a library crash, exhaust the memory or
// run on past half a minute gives a message naming it, and the program goes on.
SheetText registerTextInChildProcess(std::string_view fileBytes, std::string_view fileName);

} // namespace kestrelon
