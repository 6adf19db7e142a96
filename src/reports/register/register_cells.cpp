#include "register_cells.h"

#include <algorithm>

namespace kestrelon {

std::optional<std::vector<std::string>> splitCells(std::string_view line, char separator) {
    std::vector<std::string> cells;
    std::size_t pos = 0;
    while (pos < line.size()) {
        pos = line.find_first_not_of(separator, pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find(separator, pos), line.size());
        if (cells.size() == kMaxRegisterCells) {
            return std::nullopt;
        }
        cells.emplace_back(line.substr(pos, std::min(end - pos, kMaxRegisterCellLength)));
        pos = end;
    }
    return cells;
}

} // namespace kestrelon
