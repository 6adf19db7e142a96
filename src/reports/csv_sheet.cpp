#include "csv_sheet.h"

#include "register_row.h"
#include "store/cp1251.h"
#include "sylk_number.h"
#include "sylk_text.h"

#include <orcus/csv_parser.hpp>

#include <array>
#include <cstdint>
#include <exception>
#include <string>

namespace kestrelon {
namespace {

// The parser skips blanks, TAB among them, after a closing quote, and so would take the TAB
// that separates a quoted field from the next as part of the gap. A TAB is handed to it as
// the unit separator, which text never holds, and a field's own TAB becomes a space either way.
constexpr char kTabStandIn = '\x1F';

// The parser takes "\n" as the end of a line; files also end lines with "\r\n" or "\r".
std::string forParser(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\t') {
            out += kTabStandIn;
        } else if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 == text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

class CellsOut {
public:
    CellsOut(WorkbookCells& book, std::size_t sheet) : book_(book), sheet_(sheet) {}

    void begin_parse() {}
    void end_parse() {}
    void begin_row() {
        ++y_;
        x_ = 0;
    }
    void end_row() {}
    void cell(const char* p, std::size_t n, bool) {
        ++x_;
        if (n == 0) {
            return;
        }
        std::string text = oneLineText(std::string_view(p, n));
        const bool number = plainDecimal(text) == text;
        book_.setCell(sheet_, x_, y_, {std::move(text), number});
    }

private:
    WorkbookCells& book_;
    std::size_t sheet_;
    int x_ = 0;
    int y_ = 0;
};

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
    const std::string read = sylkFileText(fileBytes);
    const char separator = csvSeparator(read);
    const std::string text = forParser(read);
    orcus::csv::parser_config config;
    config.delimiters = std::string(1, separator == '\t' ? kTabStandIn : separator);
    config.text_qualifier = '"';
    config.trim_cell_value = false;
    CellsOut out(book, book.addSheet("CSV"));
    try {
        orcus::csv_parser<CellsOut> parser(text.data(), text.size(), out, config);
        parser.parse();
    } catch (const std::exception& e) {
        book.fail("текст CSV не читается ("_cp + utf8ToCp1251(e.what()).substr(0, 200) + ")");
    }
}

} // namespace kestrelon
