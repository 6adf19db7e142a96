#include "register_line.h"

#include "register_cells.h"
#include "register_row.h"

#include <algorithm>

namespace kestrelon {
namespace {

// The fields of a line cut at every TAB, empty ones kept where they stand and those after the
// last cell dropped; nullopt past kMaxRegisterCells fields, which no register line has.
std::optional<std::vector<std::string_view>> fieldsOf(std::string_view line) {
    line = line.substr(0, line.find_last_not_of('\t') + 1);
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    for (;;) {
        if (fields.size() == kMaxRegisterCells) {
            return std::nullopt;
        }
        const std::size_t end = std::min(line.find('\t', pos), line.size());
        fields.push_back(line.substr(pos, end - pos));
        if (end == line.size()) {
            break;
        }
        pos = end + 1;
    }
    return fields;
}

std::string cellText(std::string_view field) {
    return std::string(field.substr(0, kMaxRegisterCellLength));
}

// The ten fields from `first` on, when no cell of the line lies outside them.
std::optional<std::vector<std::string>> tenFrom(const std::vector<std::string_view>& fields,
                                                std::size_t first) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].empty() && (i < first || i >= first + kRegisterColumnCount)) {
            return std::nullopt;
        }
    }
    std::vector<std::string> cells(kRegisterColumnCount);
    for (std::size_t i = 0; i < kRegisterColumnCount && first + i < fields.size(); ++i) {
        cells[i] = cellText(fields[first + i]);
    }
    return cells;
}

} // namespace

RegisterLine readRegisterLine(std::string_view line, std::optional<std::size_t> headerColumn) {
    RegisterLine read;
    const auto fields = fieldsOf(line);
    const auto merged = splitCells(line, '\t');
    if (!fields || !merged) {
        read.kind = RegisterLine::Kind::Cells;
        return read;
    }
    const auto firstCell =
        std::find_if(fields->begin(), fields->end(), [](auto f) { return !f.empty(); });
    if (merged->empty()) {
        return read;
    }
    if (merged->size() == 1) {
        read.kind = RegisterLine::Kind::OneCell;
        read.oneCell = merged->front();
        return read;
    }
    if (isRegisterHeader(*merged)) {
        read.kind = RegisterLine::Kind::Header;
        read.headerColumn = static_cast<std::size_t>(firstCell - fields->begin());
        return read;
    }
    read.kind = RegisterLine::Kind::Cells;
    read.cells = tenFrom(
        *fields, headerColumn.value_or(static_cast<std::size_t>(firstCell - fields->begin())));
    if (!read.cells && merged->size() == kRegisterColumnCount) {
        read.cells = *merged;
    }
    return read;
}

} // namespace kestrelon
