#include "csv_sheet.h"

#include "csv_fields.h"
#include "register_header.h"
#include "store/cp1251.h"
#include "sylk_number.h"
#include "sylk_text.h"

#include <array>
#include <cstdint>
#include <string>

namespace kestrelon {
namespace {

// A field's text as a cell: a number when it is one as it stands, once the digits a spreadsheet
// never shows are dropped; a text longer than any cell is left whole for the book to refuse.
SheetCell cellOf(std::string_view field) {
    SheetCell cell{std::string(field), false};
    if (field.size() <= kMaxCellText) {
        cell.text = spreadsheetDigits(std::move(cell.text));
        cell.number = plainDecimal(cell.text) == cell.text;
    }
    return cell;
}

} // namespace

bool looksLikeText(std::string_view fileBytes) {
    for (const char c : fileBytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            return false;
        }
    }
    return true;
}

char csvSeparator(std::string_view text) {
    constexpr std::array<char, 3> kSeparators = {'\t', ';', ','};
    const std::size_t header = text.find(kRegisterColumns[0]);
    if (header != std::string_view::npos) {
        std::size_t after = header + kRegisterColumns[0].size();
        if (after < text.size() && text[after] == '"') {
            ++after;
        }
        for (const char separator : kSeparators) {
            if (after < text.size() && text[after] == separator) {
                return separator;
            }
        }
    }
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (const char c : text.substr(0, text.find_first_of("\r\n"))) {
        quoted = c == '"' ? !quoted : quoted;
        for (std::size_t i = 0; i < kSeparators.size(); ++i) {
            counts[i] += !quoted && c == kSeparators[i] ? 1 : 0;
        }
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < kSeparators.size(); ++i) {
        best = counts[i] > counts[best] ? i : best;
    }
    return kSeparators[best];
}

void readCsv(std::string_view fileBytes, WorkbookCells& book) {
    const std::string text = sylkFileText(fileBytes);
    const std::size_t sheet = book.addSheet("CSV");
    try {
        readCsvFields(text, csvSeparator(text),
                      [&](std::size_t row, std::size_t column, std::string_view field) {
                          if (!field.empty() && !book.failed()) {
                              book.setCell(sheet, static_cast<int>(column), static_cast<int>(row),
                                           cellOf(field));
                          }
                      });
    } catch (const CsvSyntaxError& e) {
        book.fail("текст CSV не читается ("_cp + std::string(e.what()) + ")");
    }
}

} // namespace kestrelon
