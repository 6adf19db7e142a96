#include "sheet_cells.h"

#include "register_header.h"
#include "sylk_date.h"

#include <algorithm>
#include <iterator>

namespace kestrelon {
namespace {

constexpr std::string_view kInvoiceDate = kRegisterColumns[4];
constexpr std::string_view kStateDate = kRegisterColumns[9];
constexpr std::string_view kTitleStart = "Invoices register for ";

// Files give their cells row by row, so a new cell almost always goes after the last one: the
// hint makes that insertion constant time instead of a walk down the tree.
template <typename Value>
void put(std::map<std::pair<int, int>, Value>& map, const std::pair<int, int>& place, Value value) {
    if (map.empty() || std::prev(map.end())->first < place) {
        map.emplace_hint(map.end(), place, std::move(value));
    } else {
        map[place] = std::move(value);
    }
}

template <typename Key>
std::optional<std::size_t> formatOf(const std::map<Key, std::size_t>& formats, const Key& key) {
    const auto found = formats.find(key);
    return found == formats.end() ? std::nullopt : std::optional(found->second);
}

} // namespace

void SheetCells::setCell(int x, int y, SheetCell cell) {
    if (!cell.number && (cell.text == kRegisterColumns[0] || cell.text.starts_with(kTitleStart))) {
        holdsRegister_ = true;
    }
    put(cells_, {y, x}, std::move(cell));
    lastColumn_ = std::max(lastColumn_, x);
    lastRow_ = std::max(lastRow_, y);
}

void SheetCells::setCellFormat(int x, int y, std::size_t index) {
    put(cellFormats_, {y, x}, index);
}

void SheetCells::setRowFormat(int y, std::size_t index) {
    rowFormats_[y] = index;
}

void SheetCells::setColumnFormat(int x, std::size_t index) {
    columnFormats_[x] = index;
}

SheetCells::HeaderDates SheetCells::headerDates() const {
    HeaderDates header;
    for (const auto& [place, cell] : cells_) {
        if (header.row != 0 && place.first != header.row) {
            break;
        }
        if (!cell.number && (cell.text == kInvoiceDate || cell.text == kStateDate)) {
            header.row = place.first;
            header.columns.push_back(place.second);
        }
    }
    return header;
}

bool SheetCells::hasDateFormat(const Place& place) const {
    // A cell's own format comes before its row's, and the row's before its column's.
    std::optional<std::size_t> format = formatOf(cellFormats_, place);
    if (!format) {
        format = formatOf(rowFormats_, place.first);
    }
    if (!format) {
        format = formatOf(columnFormats_, place.second);
    }
    return format && *format < dateFormats_.size() && dateFormats_[*format];
}

std::optional<std::string> SheetCells::dateShown(const Place& place, const SheetCell& cell,
                                                 const HeaderDates& header) const {
    const bool belowDateHeader = header.row != 0 && place.first > header.row &&
                                 std::find(header.columns.begin(), header.columns.end(),
                                           place.second) != header.columns.end();
    if (!cell.number) {
        return belowDateHeader ? dateFromYearFirstText(cell.text) : std::nullopt;
    }
    if (belowDateHeader || hasDateFormat(place)) {
        return dateFromDayNumber(cell.text, dayNumberShift_);
    }
    return std::nullopt;
}

std::string SheetCells::pastedText() const {
    const HeaderDates header = headerDates();
    std::string text;
    auto next = cells_.begin();
    for (int y = 1; y <= lastRow_; ++y) {
        text += y == 1 ? "" : "\n";
        for (int x = 1; x <= lastColumn_; ++x) {
            text += x == 1 ? "" : "\t";
            if (next == cells_.end() || next->first != Place(y, x)) {
                continue;
            }
            const SheetCell& cell = next->second;
            text += dateShown(next->first, cell, header).value_or(cell.text);
            ++next;
        }
    }
    return text;
}

} // namespace kestrelon
