#include "biff_sheet.h"

#include "biff_cells.h"
#include "sheets/sylk_number.h"
#include "store/cp1251.h"

#include <optional>
#include <string>
#include <utility>

namespace kestrelon::biff {
namespace {

constexpr std::uint64_t kMaxRows = 65536;
constexpr std::uint64_t kMaxColumns = 256;

struct Cell {
    int x = 0;
    int y = 0;
    std::uint16_t xf = 0;
};

// Cell records start with the row, the column, both from 0, and the cell's XF.
Cell cellOf(std::string_view body) {
    return {u16(body, 2) + 1, u16(body, 0) + 1, u16(body, 4)};
}

class SheetReader {
public:
    SheetReader(RecordReader& records, const WorkbookGlobals& globals, const SheetEntry& entry,
                std::size_t inBook, WorkbookCells& book)
        : records_(records), globals_(globals), entry_(entry), sheet_(inBook), book_(book) {}

    void read();

private:
    void cellRecord(const Record& r);
    void dimensions(std::string_view body);
    void mulRk(const Record& r);
    void boolErr(std::string_view body);
    void formula(std::string_view body);
    void formulaText(Cell at);
    void number(Cell at, double value);
    void text(Cell at, std::string value);
    void error(Cell at, std::uint8_t code);

    RecordReader& records_;
    const WorkbookGlobals& globals_;
    const SheetEntry& entry_;
    std::size_t sheet_;
    WorkbookCells& book_;
};

void SheetReader::read() {
    // A chart on the sheet is a substream of its own inside the sheet's.
    int nested = 0;
    while (!book_.failed()) {
        if (records_.atEnd()) {
            throw Damaged("лист «"_cp + entry_.name + "» обрывается"_cp);
        }
        const Record r = records_.next();
        if (r.id == record::kBof) {
            ++nested;
        } else if (r.id == record::kEof) {
            if (nested-- == 0) {
                return;
            }
        } else if (nested == 0) {
            cellRecord(r);
        }
    }
}

void SheetReader::cellRecord(const Record& r) {
    const std::string_view body = r.body;
    switch (r.id) {
    case record::kDimensions:
        dimensions(body);
        break;
    case record::kNumber:
        need(body, 14, r.id);
        number(cellOf(body), f64(body, 6));
        break;
    case record::kRk:
        need(body, 10, r.id);
        number(cellOf(body), rkNumber(u32(body, 6)));
        break;
    case record::kMulRk:
        mulRk(r);
        break;
    case record::kLabelSst: {
        need(body, 10, r.id);
        const std::optional<std::string_view> shared = globals_.strings.text(u32(body, 6));
        if (!shared) {
            throw Damaged("текст ячейки не найден в таблице строк"_cp);
        }
        text(cellOf(body), std::string(*shared));
        break;
    }
    case record::kLabel:
    case record::kRString:
        need(body, 6, r.id);
        text(cellOf(body), globals_.textAt(r, 6, 2, &records_));
        break;
    case record::kBoolErr:
        boolErr(body);
        break;
    case record::kFormula:
        formula(body);
        break;
    default:
        break;
    }
}

// The used area of the sheet. Excel 97 gives the end row in 32 bits, where a damaged file
// may claim more rows than any .xls sheet has.
void SheetReader::dimensions(std::string_view body) {
    const bool biff8 = globals_.biff8;
    need(body, biff8 ? 12 : 8, record::kDimensions);
    const std::uint64_t rows = biff8 ? u32(body, 4) : u16(body, 2);
    const std::uint64_t columns = biff8 ? u16(body, 10) : u16(body, 6);
    if (rows > kMaxRows || columns > kMaxColumns) {
        book_.fail("лист «"_cp + entry_.name + "» слишком велик или поврежден: в нем указано "_cp +
                   std::to_string(rows) + " строк и "_cp + std::to_string(columns) +
                   " столбцов, а на листе .xls их не больше 65536 и 256"_cp);
    }
}

// The row, the first column, an XF and an RK value for each cell, the last column.
void SheetReader::mulRk(const Record& r) {
    need(r.body, 6, r.id);
    if ((r.body.size() - 6) % 6 != 0) {
        throw Damaged("запись "_cp + recordName(r.id) + " неверной длины"_cp);
    }
    Cell at = cellOf(r.body);
    for (std::size_t i = 4; i + 2 < r.body.size(); i += 6, ++at.x) {
        at.xf = u16(r.body, i);
        number(at, rkNumber(u32(r.body, i + 2)));
    }
}

// The value, then whether it is an error code rather than a boolean.
void SheetReader::boolErr(std::string_view body) {
    need(body, 8, record::kBoolErr);
    if (u8(body, 7) == 0) {
        text(cellOf(body), u8(body, 6) != 0 ? "TRUE" : "FALSE");
    } else {
        error(cellOf(body), u8(body, 6));
    }
}

// The cell, the value of the formula's last calculation, option flags, then the formula, which
// this program cannot compute: only the value counts.
void SheetReader::formula(std::string_view body) {
    need(body, 16, record::kFormula);
    const Cell at = cellOf(body);
    const FormulaValue value = formulaValue(body.substr(6, 8));
    switch (value.kind) {
    case FormulaValue::Kind::Number:
        number(at, value.number);
        break;
    case FormulaValue::Kind::Text:
        formulaText(at);
        break;
    case FormulaValue::Kind::Boolean:
        text(at, value.code != 0 ? "TRUE" : "FALSE");
        break;
    case FormulaValue::Kind::Error:
        error(at, value.code);
        break;
    case FormulaValue::Kind::EmptyText:
        // Programs that write formulas without computing them (xlwt, for one) mark each value
        // as an empty text, option flags clear, just as a formula whose text is empty is
        // marked. Excel and LibreOffice, which compute, write the RECALCID record; a file
        // without it Excel recalculates whole on opening, trusting no value it keeps.
        if (!globals_.calculated) {
            book_.noteFormulaWithoutValue(sheet_, at.x, at.y);
        }
        break;
    case FormulaValue::Kind::Unknown:
        throw Damaged("непонятное значение формулы в ячейке "_cp + cellName(at.x, at.y));
    }
}

// A text value follows in a STRING record, after the records that share or spread the
// formula; a file that lacks it keeps no value for the cell.
void SheetReader::formulaText(Cell at) {
    for (std::optional<std::uint16_t> id = records_.peekId();
         id == record::kSharedFormula || id == record::kArray || id == record::kTable;
         id = records_.peekId()) {
        records_.next();
    }
    if (records_.peekId() != record::kString) {
        book_.noteFormulaWithoutValue(sheet_, at.x, at.y);
        return;
    }
    const Record string = records_.next();
    text(at, globals_.textAt(string, 0, 2, &records_));
}

void SheetReader::number(Cell at, double value) {
    book_.setCell(sheet_, at.x, at.y, {plainDecimal(value), true});
    if (at.xf < globals_.dateXfs.size() && globals_.dateXfs[at.xf]) {
        book_.setCellFormat(sheet_, at.x, at.y, at.xf);
    }
}

// An empty text shows as an empty cell.
void SheetReader::text(Cell at, std::string value) {
    if (!value.empty()) {
        book_.setCell(sheet_, at.x, at.y, {std::move(value), false});
    }
}

void SheetReader::error(Cell at, std::uint8_t code) {
    const std::optional<std::string> shown = errorText(code);
    if (!shown) {
        throw Damaged("неизвестный код ошибки в ячейке "_cp + cellName(at.x, at.y));
    }
    text(at, *shown);
}

} // namespace

void readWorksheet(RecordReader& records, const WorkbookGlobals& globals, const SheetEntry& entry,
                   std::size_t inBook, WorkbookCells& book) {
    SheetReader(records, globals, entry, inBook, book).read();
}

} // namespace kestrelon::biff
