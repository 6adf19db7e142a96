#pragma once
// The sheets of a workbook as a file reader fills them, and the register text of the sheet
// that holds the register. Whatever library reads the file, the limits and the choice of the
// sheet are the same.

#include "sheet_cells.h"
#include "sheet_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// A register has ten columns and at most 1026 rows: a sheet whose used area is larger than
// this is not a register, and refusing it keeps the text a paste gives a few megabytes.
inline constexpr std::size_t kMaxSheetCells = 100000;

// No cell of a register holds more than a few hundred characters: a longer text is a damaged
// or a wrong file, refused before its megabytes travel any further.
inline constexpr std::size_t kMaxCellText = 4096;

class WorkbookCells {
public:
    // Sheets are numbered from 0 in the order they are added; `name` is cp1251.
    std::size_t addSheet(std::string name);
    std::size_t sheetCount() const { return sheets_.size(); }

    // x is the column, y the row, both from 1. Once a problem is found, or once the sheets
    // read so far already give the register, further cells are dropped: only the first
    // sheet and the sheet being read are kept. A text is kept to one line (oneLineText), so
    // that a name written on two lines stays one field of its row; a text longer than
    // kMaxCellText is the book's problem, naming its cell.
    void setCell(std::size_t sheet, int x, int y, SheetCell cell);
    void setCellFormat(std::size_t sheet, int x, int y, std::size_t format);
    void setRowFormat(std::size_t sheet, int y, std::size_t format);
    void setColumnFormat(std::size_t sheet, int x, std::size_t format);
    void setDateFormats(const std::vector<bool>& showsDate);
    // For the sheets added so far and those still to come.
    void useDateSystem1904();

    // A formula whose file keeps no value for it: a paste would show what the spreadsheet
    // computes, which this program cannot.
    void noteFormulaWithoutValue(std::size_t sheet, int x, int y);

    // The first problem found is the one told; cp1251, a phrase that follows the file's name.
    void fail(std::string problem);
    bool failed() const { return !problem_.empty(); }

    // The register text of the first sheet that holds the register's title or header line,
    // else of the first sheet; or the problem.
    SheetText registerText() const;

private:
    struct Sheet {
        std::string name;
        SheetCells cells;
        std::string formulaWithoutValue; // the first such cell, as "E3"
    };

    bool keeps(std::size_t sheet);

    std::vector<Sheet> sheets_;
    std::size_t current_ = 0; // the sheet being read
    bool registerRead_ = false;
    bool dateSystem1904_ = false;
    std::string problem_;
};

// What a workbook whose content a password hides is told.
std::string passwordProblem();

// What a damaged or cut-short file is told; `detail`, when given, is the library's own words.
std::string damagedFileProblem(std::string_view detail = {});

// A library's own words (cp1251) as a message shows them: on one line, every run of line
// breaks, control characters and spaces one space, none at either end, at most 200 characters.
std::string libraryWords(std::string_view words);

// A cell's name as a spreadsheet shows it: column letters, then the row ("A1", "AA10").
std::string cellName(int x, int y);

struct CellPlace {
    int x = 0; // column, from 1
    int y = 0; // row, from 1
};

// The place a cell's name gives: "E3", "$E$3" and "Реестр!E3" are column 5, row 3. nullopt
// for anything else, and for a column past 16384 or a row past 1048576, the largest sheet.
std::optional<CellPlace> cellPlace(std::string_view name);

} // namespace kestrelon
