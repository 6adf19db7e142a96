#pragma once
// The cells of one sheet of an .xlsx workbook, as they are written in its sheet part.

#include "sheets/workbook_cells.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// Puts the cells of the sheet part `xml` into sheet `sheet` of the book; `sharedStrings` are
// the workbook's shared texts. DamagedFile for a part that is not a sheet or a cell that cannot
// be placed.
void readSheetCells(std::string_view xml, std::string_view part, std::size_t sheet,
                    const std::vector<std::string>& sharedStrings, WorkbookCells& book);

} // namespace kestrelon
