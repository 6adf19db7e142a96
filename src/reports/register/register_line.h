#pragma once
// One line of the pasted register as the import sees it: blank, a single cell (a title or a
// note), the header, or the ten cells of a data line.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct RegisterLine {
    enum class Kind { Blank, OneCell, Header, Cells };

    Kind kind = Kind::Blank;
    std::string oneCell;          // Kind::OneCell: its text
    std::size_t headerColumn = 0; // Kind::Header: the field AGENT_CUSTNO stands in, from 0
    // Kind::Cells: the ten cells in the header's order, an empty cell where the line has
    // none; nullopt when the line's cells do not fit the register's ten columns.
    std::optional<std::vector<std::string>> cells;
};

// A spreadsheet's paste keeps every cell in its column, an empty cell as an empty field, so
// the cells are taken where they stand: from `headerColumn` (where the header line put
// AGENT_CUSTNO) or, before a header, from the line's first cell. A line whose cells lie
// outside those ten columns may have been typed with runs of TABs between its cells; it is
// then read with each run as one separator when that gives exactly ten cells.
RegisterLine readRegisterLine(std::string_view line, std::optional<std::size_t> headerColumn);

} // namespace kestrelon
