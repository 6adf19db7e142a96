#include "sylk_reader.h"

#include "sheet_cells.h"
#include "store/cp1251.h"
#include "sylk_number.h"
#include "sylk_record.h"
#include "sylk_text.h"

#include <optional>
#include <span>
#include <vector>

namespace kestrelon {
namespace {

// Far beyond any register, and small enough that the pasted text of a damaged file that names
// its last cell stays a few megabytes.
constexpr int kMaxColumn = 256;
constexpr int kMaxRow = 65536;
constexpr std::size_t kMaxQuotedField = 40;

// The fields after the record's type.
std::span<const std::string> fieldsOf(const SylkRecord& record) {
    return std::span(record.fields).subspan(1);
}

// A reading step's outcome: nullopt goes on, a text is what is wrong with the line.
using Problem = std::optional<std::string>;

std::string quoted(std::string_view field) {
    const std::string_view shown = field.substr(0, kMaxQuotedField);
    return "\"" + std::string(shown) + (shown.size() < field.size() ? "...\"" : "\"");
}

// A number of at most six digits, more than any row, column or format list has.
std::optional<int> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return std::stoi(std::string(digits));
}

std::optional<int> positiveNumber(std::string_view digits, int limit) {
    const std::optional<int> number = smallNumber(digits);
    return number && *number >= 1 && *number <= limit ? number : std::nullopt;
}

// The value of a K field, without its K; nullopt when it is neither a number nor a text.
// TRUE, FALSE and errors such as #N/A are kept as the words the file gives.
std::optional<SheetCell> cellValue(std::string_view value) {
    if (value.front() == '"') {
        return SheetCell{quotedText(value.substr(1)), false};
    }
    if (std::optional<std::string> number = plainDecimal(value)) {
        return SheetCell{std::move(*number), true};
    }
    if (value == "TRUE" || value == "FALSE" || value.front() == '#') {
        return SheetCell{oneLineText(value), false};
    }
    return std::nullopt;
}

class SheetReader {
public:
    Problem read(const SylkRecord& record) {
        if (record.type() == "C") {
            return readCell(record);
        }
        if (record.type() == "F") {
            return readFormat(record);
        }
        if (record.type() == "P") {
            readFormatList(record);
        }
        return std::nullopt; // ID, B, O and the records that do not touch the cells
    }

    const SheetCells& sheet() const { return sheet_; }

private:
    // X and Y move the current cell; a record without one keeps the current column or row.
    Problem move(const std::string& field) {
        if (field[0] == 'X') {
            const std::optional<int> x = positiveNumber(field.substr(1), kMaxColumn);
            if (!x) {
                return "неверный номер столбца "_cp + quoted(field) + " (столбцы от 1 до "_cp +
                       std::to_string(kMaxColumn) + ")";
            }
            x_ = *x;
        } else {
            const std::optional<int> y = positiveNumber(field.substr(1), kMaxRow);
            if (!y) {
                return "неверный номер строки "_cp + quoted(field) + " (строки от 1 до "_cp +
                       std::to_string(kMaxRow) + ")";
            }
            y_ = *y;
        }
        return std::nullopt;
    }

    Problem readCell(const SylkRecord& record) {
        std::string_view value; // empty: a cell record with no value gives no cell
        for (const std::string& field : fieldsOf(record)) {
            if (field[0] == 'X' || field[0] == 'Y') {
                if (Problem problem = move(field)) {
                    return problem;
                }
            } else if (field[0] == 'K') {
                value = std::string_view(field).substr(1);
            }
        }
        if (value.empty()) {
            return std::nullopt;
        }
        std::optional<SheetCell> cell = cellValue(value);
        if (!cell) {
            return "неверное значение ячейки "_cp + quoted("K" + std::string(value)) +
                   ": не число и не текст в кавычках"_cp;
        }
        sheet_.setCell(x_, y_, std::move(*cell));
        return std::nullopt;
    }

    // P selects a format of the list for the cell that X and Y name, for the row R or the
    // column C, or, with none of these, for the current cell. A record with D gives the sheet's
    // default, which is left a number format: as a date it would turn the amounts into dates.
    Problem readFormat(const SylkRecord& record) {
        std::optional<std::size_t> index;
        std::optional<int> row;
        std::optional<int> column;
        bool forCell = false;
        bool forOthers = false; // a row, a column or the sheet; a number out of range selects none
        for (const std::string& field : fieldsOf(record)) {
            const std::string_view value = std::string_view(field).substr(1);
            switch (field[0]) {
            case 'X':
            case 'Y':
                if (Problem problem = move(field)) {
                    return problem;
                }
                forCell = true;
                break;
            case 'P':
                if (const std::optional<int> read = smallNumber(value)) {
                    index = static_cast<std::size_t>(*read);
                }
                break;
            case 'R':
                row = positiveNumber(value, kMaxRow);
                forOthers = true;
                break;
            case 'C':
                column = positiveNumber(value, kMaxColumn);
                forOthers = true;
                break;
            case 'D':
                forOthers = true;
                break;
            default:
                break;
            }
        }
        if (!index) {
            return std::nullopt;
        }
        if (forCell || !forOthers) {
            sheet_.setCellFormat(x_, y_, *index);
            return std::nullopt;
        }
        if (row) {
            sheet_.setRowFormat(*row, *index);
        }
        if (column) {
            sheet_.setColumnFormat(*column, *index);
        }
        return std::nullopt;
    }

    // Only P records with a P field are number formats; the others name fonts.
    void readFormatList(const SylkRecord& record) {
        for (const std::string& field : fieldsOf(record)) {
            if (field[0] == 'P') {
                sheet_.addFormat(std::string_view(field).substr(1));
                return;
            }
        }
    }

    SheetCells sheet_;
    int x_ = 1;
    int y_ = 1;
};

std::string lineMessage(std::size_t line, const std::string& problem) {
    return "Строка "_cp + std::to_string(line) + " файла: "_cp + problem;
}

} // namespace

SheetText registerTextFromSylk(std::string_view fileBytes) {
    const std::vector<SylkRecord> records = sylkRecords(sylkFileText(fileBytes));
    if (records.empty() || records.front().line != 1 || records.front().type() != "ID") {
        return {{}, "Это не файл SYLK: первая строка должна начинаться с \"ID\""_cp};
    }
    SheetReader reader;
    for (const SylkRecord& record : records) {
        if (record.type() == "E") {
            return {reader.sheet().pastedText(), {}};
        }
        if (Problem problem = reader.read(record)) {
            return {{}, lineMessage(record.line, *problem)};
        }
    }
    return {{},
            "Файл обрывается после строки "_cp + std::to_string(records.back().line) +
                ": нет завершающей записи \"E\". Возможно, он записан не полностью."_cp};
}

} // namespace kestrelon
