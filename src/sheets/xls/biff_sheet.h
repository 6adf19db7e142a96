#pragma once
// The cells of one worksheet of an Excel 95-2003 workbook stream.

#include "biff_bytes.h"
#include "biff_globals.h"
#include "sheets/workbook_cells.h"

#include <cstddef>

namespace kestrelon::biff {

// Reads the sheet's records, which follow its BOF, up to its EOF, into sheet `inBook` of the
// book; `entry` names it. Throws Damaged when the stream ends first.
void readWorksheet(RecordReader& records, const WorkbookGlobals& globals, const SheetEntry& entry,
                   std::size_t inBook, WorkbookCells& book);

} // namespace kestrelon::biff
