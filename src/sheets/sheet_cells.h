#pragma once
// The cells of one sheet of a spreadsheet file and the formats that make some of its numbers dates,
// laid out as the TAB-separated lines that a paste of the sheet gives.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon {

struct SheetCell {
    std::string text; // cp1251; a number as plainDecimal writes it
    bool number = false;
};

class SheetCells {
public:
    // x is the column, y the row, both from 1. A later value of a cell replaces an earlier one.
    void setCell(int x, int y, SheetCell cell);

    // Cells with a value; a cell set twice counts once.
    std::size_t cellCount() const { return cells_.size(); }
    int lastColumn() const { return lastColumn_; }
    int lastRow() const { return lastRow_; }

    // Whether a text cell holds the register's title ("Invoices register for ...") or the first
    // name of its header line.
    bool holdsRegister() const { return holdsRegister_; }

    // Workbooks keep day numbers from 30.12.1899 or, in the 1904 date system, from 01.01.1904.
    void useDateSystem1904() { dayNumberShift_ = 1462; }

    // The number formats, numbered from 0, as whether each shows a date (isDateFormat); an
    // index that names no format selects none.
    void setDateFormats(std::vector<bool> showsDate) { dateFormats_ = std::move(showsDate); }
    void setCellFormat(int x, int y, std::size_t index);
    void setRowFormat(int y, std::size_t index);
    void setColumnFormat(int x, std::size_t index);

    // Rows 1 to the last row with a value, each with the same number of fields: columns 1 to
    // the last column with a value, an empty cell an empty field; lines joined by "\n". A number
    // shows as a date ("DD.MM.YYYY") when its cell, row or column (in that order) has a date
    // format, or when it lies below a header cell "INVOICE_DATE" or "STATE_DATE". Below those
    // header cells a text that is a valid date written year first ("2013-03-15", "2013/03/15
    // 14:30") shows as that date too, as programs export dates so to text files.
    std::string pastedText() const;

private:
    using Place = std::pair<int, int>; // row, column: the map then runs in paste order

    // The columns of the first row that names a register date column, and that row.
    struct HeaderDates {
        int row = 0;
        std::vector<int> columns;
    };

    HeaderDates headerDates() const;
    bool hasDateFormat(const Place& place) const;
    // The date `cell` shows at `place`, if it shows one.
    std::optional<std::string> dateShown(const Place& place, const SheetCell& cell,
                                         const HeaderDates& header) const;

    std::map<Place, SheetCell> cells_;
    bool holdsRegister_ = false;
    long dayNumberShift_ = 0;
    int lastColumn_ = 0;
    int lastRow_ = 0;
    std::vector<bool> dateFormats_;
    std::map<Place, std::size_t> cellFormats_;
    std::map<int, std::size_t> rowFormats_;
    std::map<int, std::size_t> columnFormats_;
};

} // namespace kestrelon
