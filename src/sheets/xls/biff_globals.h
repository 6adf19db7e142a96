#pragma once
// The global part of an Excel 95-2003 workbook stream: what its records say of the whole book
// and that the sheets after it need to be read.

#include "biff_bytes.h"
#include "biff_cells.h"
#include "biff_strings.h"
#include "sheets/workbook_cells.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::biff {

struct SheetEntry {
    std::uint32_t offset = 0; // of the sheet's BOF record in the stream
    std::string name;         // cp1251
    bool worksheet = false;   // rather than a chart or a macro sheet, which hold no cells
};

struct WorkbookGlobals {
    bool biff8 = true; // Excel 97 and later, else Excel 95
    unsigned codePage = 1252;
    bool date1904 = false;
    // Whether a program that calculates saved the file; see the reading of formulas.
    bool calculated = false;
    DateFormats formats;
    std::vector<bool> dateXfs; // whether each XF shows a date, once the global part is read
    SharedStrings strings;
    std::vector<SheetEntry> sheets; // in the workbook's order

    // A string of the record from `at`: an Excel 97 one, whose character count takes
    // `countBytes`, going on in the CONTINUE records `more` gives next; or an Excel 95 one of
    // bytes in the code page.
    std::string textAt(const Record& r, std::size_t at, std::size_t countBytes,
                       RecordReader* more = nullptr) const;
};

// Reads the records from the stream's first BOF to the EOF of its global part. A password
// becomes the book's problem, and the reading stops there.
WorkbookGlobals readGlobals(RecordReader& records, WorkbookCells& book);

} // namespace kestrelon::biff
