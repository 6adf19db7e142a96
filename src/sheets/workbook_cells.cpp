#include "workbook_cells.h"

#include "store/cp1251.h"
#include "sylk_text.h"

#include <algorithm>
#include <utility>

namespace kestrelon {

std::size_t WorkbookCells::addSheet(std::string name) {
    sheets_.push_back({std::move(name), {}, {}});
    if (dateSystem1904_) {
        sheets_.back().cells.useDateSystem1904();
    }
    return sheets_.size() - 1;
}

// Readers go through the sheets in order, so a cell of a later sheet means the earlier ones
// are whole: one of them may already hold the register, and the others past the first are no
// longer needed.
bool WorkbookCells::keeps(std::size_t sheet) {
    if (failed() || sheet >= sheets_.size()) {
        return false;
    }
    if (sheet > current_) {
        Sheet& whole = sheets_[current_];
        if (whole.cells.holdsRegister()) {
            registerRead_ = true;
        } else if (current_ != 0) {
            whole = {std::move(whole.name), {}, {}};
        }
    }
    current_ = sheet;
    return !registerRead_;
}

void WorkbookCells::setCell(std::size_t sheet, int x, int y, SheetCell cell) {
    if (x < 1 || y < 1 || !keeps(sheet)) {
        return;
    }
    Sheet& target = sheets_[sheet];
    if (cell.text.size() > kMaxCellText) {
        fail("лист «"_cp + target.name + "», ячейка "_cp + cellName(x, y) + ": текст длиннее "_cp +
             std::to_string(kMaxCellText) + " знаков; в реестре таких ячеек не бывает"_cp);
        return;
    }
    const std::size_t columns = std::max(target.cells.lastColumn(), x);
    const std::size_t rows = std::max(target.cells.lastRow(), y);
    if (columns * rows > kMaxSheetCells) {
        fail("лист «"_cp + target.name + "» больше "_cp + std::to_string(kMaxSheetCells) +
             " ячеек (занято "_cp + std::to_string(rows) + " строк по "_cp +
             std::to_string(columns) + " столбцов); реестр столько не содержит"_cp);
        return;
    }
    if (!cell.number) {
        cell.text = oneLineText(cell.text);
    }
    target.cells.setCell(x, y, std::move(cell));
}

void WorkbookCells::setCellFormat(std::size_t sheet, int x, int y, std::size_t format) {
    if (x >= 1 && y >= 1 && keeps(sheet)) {
        sheets_[sheet].cells.setCellFormat(x, y, format);
    }
}

void WorkbookCells::setRowFormat(std::size_t sheet, int y, std::size_t format) {
    if (y >= 1 && keeps(sheet)) {
        sheets_[sheet].cells.setRowFormat(y, format);
    }
}

void WorkbookCells::setColumnFormat(std::size_t sheet, int x, std::size_t format) {
    if (x >= 1 && keeps(sheet)) {
        sheets_[sheet].cells.setColumnFormat(x, format);
    }
}

void WorkbookCells::setDateFormats(const std::vector<bool>& showsDate) {
    for (Sheet& sheet : sheets_) {
        sheet.cells.setDateFormats(showsDate);
    }
}

void WorkbookCells::useDateSystem1904() {
    dateSystem1904_ = true;
    for (Sheet& sheet : sheets_) {
        sheet.cells.useDateSystem1904();
    }
}

void WorkbookCells::noteFormulaWithoutValue(std::size_t sheet, int x, int y) {
    if (x >= 1 && y >= 1 && keeps(sheet) && sheets_[sheet].formulaWithoutValue.empty()) {
        sheets_[sheet].formulaWithoutValue = cellName(x, y);
    }
}

void WorkbookCells::fail(std::string problem) {
    if (problem_.empty()) {
        problem_ = std::move(problem);
    }
}

SheetText WorkbookCells::registerText() const {
    if (failed()) {
        return {{}, problem_};
    }
    if (sheets_.empty()) {
        return {{}, "в книге нет ни одного листа"_cp};
    }
    const Sheet* chosen = &sheets_.front();
    for (const Sheet& sheet : sheets_) {
        if (sheet.cells.holdsRegister()) {
            chosen = &sheet;
            break;
        }
    }
    if (!chosen->formulaWithoutValue.empty()) {
        return {{},
                "лист «"_cp + chosen->name + "», ячейка "_cp + chosen->formulaWithoutValue +
                    ": формула без сохраненного значения. Откройте файл в табличной программе, "
                    "пересчитайте и сохраните его"_cp};
    }
    return {chosen->cells.pastedText(), {}};
}

std::string passwordProblem() {
    return "книга защищена паролем. Снимите пароль в табличной программе, сохраните файл и "
           "откройте его снова"_cp;
}

std::string damagedFileProblem(std::string_view detail) {
    const std::string shown = libraryWords(detail);
    return "файл поврежден или записан не полностью"_cp + (shown.empty() ? "" : " (" + shown + ")");
}

std::string libraryWords(std::string_view words) {
    constexpr std::size_t kMaxShown = 200;
    std::string shown;
    for (const char c : words) {
        const auto byte = static_cast<unsigned char>(c);
        const bool blank = byte <= 0x20 || byte == 0x7F;
        if (blank && (shown.empty() || shown.back() == ' ')) {
            continue; // runs of blanks, and blanks in front, are one space or none
        }
        if (shown.size() == kMaxShown) {
            break;
        }
        shown += blank ? ' ' : c;
    }
    if (!shown.empty() && shown.back() == ' ') {
        shown.pop_back();
    }
    return shown;
}

std::string cellName(int x, int y) {
    std::string letters;
    for (int column = x; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    }
    return letters + std::to_string(y);
}

std::optional<CellPlace> cellPlace(std::string_view name) {
    constexpr int kLastColumn = 16384;
    constexpr int kLastRow = 1048576;
    name.remove_prefix(name.rfind('!') == std::string_view::npos ? 0 : name.rfind('!') + 1);
    CellPlace place;
    std::size_t i = 0;
    const auto skipDollar = [&] { i += i < name.size() && name[i] == '$' ? 1 : 0; };
    skipDollar();
    for (; i < name.size() && name[i] >= 'A' && name[i] <= 'Z' && place.x <= kLastColumn; ++i) {
        place.x = place.x * 26 + (name[i] - 'A' + 1);
    }
    skipDollar();
    const std::size_t digits = i;
    for (; i < name.size() && name[i] >= '0' && name[i] <= '9' && place.y <= kLastRow; ++i) {
        place.y = place.y * 10 + (name[i] - '0');
    }
    if (i != name.size() || digits == i || place.x < 1 || place.x > kLastColumn || place.y < 1 ||
        place.y > kLastRow) {
        return std::nullopt;
    }
    return place;
}

} // namespace kestrelon
