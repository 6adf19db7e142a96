#include "xlsx_sheet.h"

#include "sheets/sylk_date.h"
#include "sheets/sylk_number.h"
#include "store/cp1251.h"
#include "xlsx_package.h"
#include "xlsx_parts.h"
#include "xml_reader.h"
#include "zip_archive.h"

#include <charconv>

namespace kestrelon {
namespace {

using Node = XmlReader::Node;

constexpr int kLastColumn = 16384;
constexpr int kLastRow = 1048576;

// What a cell holds as written: its type, its value <v>, its inline text <is>, and whether it
// has a formula <f>.
struct WrittenCell {
    std::string type;
    std::optional<std::string> value;
    std::optional<std::string> inlineText; // cp1251
    bool formula = false;
};

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(value)
                                                                    : std::nullopt;
}

class SheetReader {
public:
    SheetReader(std::string_view xml, std::string_view part, std::size_t sheet,
                const std::vector<std::string>& sharedStrings, WorkbookCells& book)
        : xml_(xml, part), part_(part), sheet_(sheet), sharedStrings_(sharedStrings), book_(book) {}

    void read() {
        while (xml_.read()) {
            if (xml_.node() != Node::Start) {
                continue;
            }
            if (xml_.depth() == 0 && !isSpreadsheetMl(xml_, "worksheet")) {
                throw damaged("не лист"_cp);
            }
            if (isSpreadsheetMl(xml_, "row") && xml_.depth() == 2) {
                startRow();
            } else if (isSpreadsheetMl(xml_, "c") && xml_.depth() == 3) {
                readCell();
            } else if (xml_.depth() == 1 && !isSpreadsheetMl(xml_, "sheetData")) {
                xml_.skipElement();
            }
        }
    }

private:
    DamagedFile damaged(const std::string& what) const {
        return DamagedFile("часть «"_cp + utf8ToCp1251(part_) + "»: "_cp + what);
    }

    // A row without a number follows the one before it.
    void startRow() {
        const std::optional<std::string> r = xml_.attribute("r");
        const std::optional<int> y = r ? number(*r) : std::optional(row_ + 1);
        if (!y || *y < 1 || *y > kLastRow) {
            throw damaged("строка с неверным номером «"_cp + utf8ToCp1251(r.value_or("")) + "»"_cp);
        }
        row_ = *y;
        column_ = 0;
    }

    // A cell without a name follows the one before it in its row.
    void readCell() {
        const std::optional<std::string> r = xml_.attribute("r");
        CellPlace place{column_ + 1, row_};
        if (r) {
            const std::optional<CellPlace> named = cellPlace(*r);
            if (!named) {
                throw damaged("ячейка с неверным именем «"_cp + utf8ToCp1251(*r) + "»"_cp);
            }
            place = *named;
        } else if (place.x > kLastColumn || place.y < 1) {
            throw damaged("ячейка вне листа после "_cp + cellName(column_, row_));
        }
        column_ = place.x;
        WrittenCell cell;
        cell.type = xml_.attribute("t").value_or("n");
        const std::optional<std::string> format = xml_.attribute("s");
        readContent(cell);
        put(place, cell, format ? number(*format) : std::nullopt);
    }

    void readContent(WrittenCell& cell) {
        if (xml_.emptyElement()) {
            return;
        }
        const int start = xml_.depth();
        while (xml_.read() && !(xml_.node() == Node::End && xml_.depth() == start)) {
            if (xml_.node() != Node::Start) {
                continue;
            }
            if (isSpreadsheetMl(xml_, "v")) {
                cell.value = xml_.elementText();
            } else if (isSpreadsheetMl(xml_, "is")) {
                cell.inlineText = readRichText(xml_);
            } else {
                cell.formula = cell.formula || isSpreadsheetMl(xml_, "f");
                xml_.skipElement();
            }
        }
    }

    void put(CellPlace place, const WrittenCell& cell, std::optional<int> format) {
        const std::string value = cell.value.value_or("");
        // Some libraries write an empty <v/> after a formula they did not compute; only a
        // text result can be empty.
        const bool textResult = cell.type == "str" || cell.type == "inlineStr";
        if (cell.formula && !cell.inlineText && value.empty() && !(cell.value && textResult)) {
            book_.noteFormulaWithoutValue(sheet_, place.x, place.y);
            return;
        }
        if (!cell.value && !cell.inlineText) {
            return;
        }
        SheetCell shown;
        if (cell.type == "inlineStr") {
            shown.text = cell.inlineText ? *cell.inlineText : spreadsheetText(value);
        } else if (cell.type == "s") {
            shown.text = sharedString(place, value);
        } else if (cell.type == "str" || cell.type == "e") {
            shown.text = spreadsheetText(value);
        } else if (cell.type == "b") {
            shown.text = value == "1" || value == "true" ? "TRUE" : "FALSE";
        } else if (cell.type == "d") {
            shown.text = dateFromIsoDateTime(value).value_or(utf8ToCp1251(value));
        } else if (value.empty()) {
            return; // a number cell with no number is empty
        } else if (const std::optional<std::string> plain = cellNumber(value)) {
            shown = {*plain, true};
        } else {
            shown.text = utf8ToCp1251(value);
        }
        if (shown.number && format && *format >= 0) {
            book_.setCellFormat(sheet_, place.x, place.y, static_cast<std::size_t>(*format));
        }
        book_.setCell(sheet_, place.x, place.y, std::move(shown));
    }

    const std::string& sharedString(CellPlace place, std::string_view value) const {
        const std::optional<int> index = number(value);
        if (!index || *index < 0 || static_cast<std::size_t>(*index) >= sharedStrings_.size()) {
            throw damaged("ячейка "_cp + cellName(place.x, place.y) + " ссылается на текст "_cp +
                          utf8ToCp1251(value) + ", которого нет"_cp);
        }
        return sharedStrings_[static_cast<std::size_t>(*index)];
    }

    XmlReader xml_;
    std::string part_;
    std::size_t sheet_;
    const std::vector<std::string>& sharedStrings_;
    WorkbookCells& book_;
    int row_ = 0;
    int column_ = 0;
};

} // namespace

void readSheetCells(std::string_view xml, std::string_view part, std::size_t sheet,
                    const std::vector<std::string>& sharedStrings, WorkbookCells& book) {
    SheetReader(xml, part, sheet, sharedStrings, book).read();
}

} // namespace kestrelon
