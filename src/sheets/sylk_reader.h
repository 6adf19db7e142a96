#pragma once
// Reading the principal's register from a SYLK spreadsheet file (*.slk) into the same
// TAB-separated text that a paste of the sheet gives, for parseRegister to read.

#include "sheet_text.h"

#include <string_view>

namespace kestrelon {

// The used area of the sheet, every row with as many fields as its widest row, empty cells as
// empty fields. Numbers are plain decimals, and those in a register date column or in a cell
// formatted as a date show as "DD.MM.YYYY". The cells keep to the limits of every workbook
// (WorkbookCells). A file that is not SYLK, that is damaged, that breaks those limits or that
// breaks off before its end record gives a message, naming its line, and no text.
SheetText registerTextFromSylk(std::string_view fileBytes);

} // namespace kestrelon
