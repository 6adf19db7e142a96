#include "sylk_reader.h"

#include "store/cp1251.h"
#include "sylk_date.h"
#include "sylk_number.h"
#include "sylk_record.h"
#include "sylk_text.h"
#include "workbook_cells.h"

#include <charconv>
#include <optional>
#include <span>
#include <vector>

namespace kestrelon {
namespace {

// The largest sheet SYLK's writers name; the workbook's own limits then keep a damaged file
// that names a far cell from laying out a sheet of megabytes.
constexpr int kMaxColumn = 256;
constexpr int kMaxRow = 65536;
constexpr std::size_t kMaxQuotedField = 40;

// The fields after the record's type.
std::span<const std::string> fieldsOf(const SylkRecord& record) {
    return std::span(record.fields).subspan(1);
}

// A reading step's outcome: nullopt goes on, a text is what is wrong with the line.
using Problem = std::optional<std::string>;

std::string inQuotes(std::string_view field) {
    const std::string_view shown = field.substr(0, kMaxQuotedField);
    return "\"" + std::string(shown) + (shown.size() < field.size() ? "...\"" : "\"");
}

// A number of at most six digits, more than any row, column or format list has.
std::optional<int> smallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
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
        return SheetCell{spreadsheetDigits(std::move(*number)), true};
    }
    if (value == "TRUE" || value == "FALSE" || value.front() == '#') {
        return SheetCell{std::string(value), false};
    }
    return std::nullopt;
}

// The one sheet of a SYLK file, into a workbook so that its cells keep to the same limits as
// every other file's.
class SheetReader {
public:
    explicit SheetReader(WorkbookCells& book) : book_(book), sheet_(book.addSheet("SYLK")) {}

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

    // The formats are resolved when the text is laid out, so the list is handed over whole.
    void finish() { book_.setDateFormats(dateFormats_); }

private:
    // X and Y move the current cell; a record without one keeps the current column or row.
    Problem move(const std::string& field) {
        if (field[0] == 'X') {
            const std::optional<int> x = positiveNumber(field.substr(1), kMaxColumn);
            if (!x) {
                return "неверный номер столбца "_cp + inQuotes(field) + " (столбцы от 1 до "_cp +
                       std::to_string(kMaxColumn) + ")";
            }
            x_ = *x;
        } else {
            const std::optional<int> y = positiveNumber(field.substr(1), kMaxRow);
            if (!y) {
                return "неверный номер строки "_cp + inQuotes(field) + " (строки от 1 до "_cp +
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
            return "неверное значение ячейки "_cp + inQuotes("K" + std::string(value)) +
                   ": не число и не текст в кавычках"_cp;
        }
        book_.setCell(sheet_, x_, y_, std::move(*cell));
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
            book_.setCellFormat(sheet_, x_, y_, *index);
            return std::nullopt;
        }
        if (row) {
            book_.setRowFormat(sheet_, *row, *index);
        }
        if (column) {
            book_.setColumnFormat(sheet_, *column, *index);
        }
        return std::nullopt;
    }

    // Only P records with a P field are number formats; the others name fonts.
    void readFormatList(const SylkRecord& record) {
        for (const std::string& field : fieldsOf(record)) {
            if (field[0] == 'P') {
                dateFormats_.push_back(isDateFormat(std::string_view(field).substr(1)));
                return;
            }
        }
    }

    WorkbookCells& book_;
    std::size_t sheet_;
    std::vector<bool> dateFormats_;
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
    WorkbookCells book;
    SheetReader reader(book);
    for (const SylkRecord& record : records) {
        if (record.type() == "E") {
            reader.finish();
            return book.registerText();
        }
        if (Problem problem = reader.read(record)) {
            return {{}, lineMessage(record.line, *problem)};
        }
        if (book.failed()) {
            return {{}, lineMessage(record.line, book.registerText().message)};
        }
    }
    return {{},
            "Файл обрывается после строки "_cp + std::to_string(records.back().line) +
                ": нет завершающей записи \"E\". Возможно, он записан не полностью."_cp};
}

} // namespace kestrelon
