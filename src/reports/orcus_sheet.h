#pragma once
// A workbook's sheets and shared texts as liborcus hands them over, written into the book's
// cells. Part of the one place that knows liborcus, with orcus_workbook.cpp and
// orcus_number_formats.h.

#include "store/cp1251.h"
#include "sylk_date.h"
#include "sylk_number.h"
#include "workbook_cells.h"

#include <orcus/spreadsheet/import_interface.hpp>

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {
namespace orcus_sheet {

namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

// The texts of .xlsx files are kept once and named by their number.
class SharedStrings : public iface::import_shared_strings {
public:
    const std::string* text(std::size_t index) const {
        return index < texts_.size() ? &texts_[index] : nullptr;
    }

    std::size_t append(std::string_view s) override {
        texts_.push_back(utf8ToCp1251(s));
        return texts_.size() - 1;
    }
    std::size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view s) override { segments_ += s; }
    std::size_t commit_segments() override {
        const std::size_t index = append(segments_);
        segments_.clear();
        return index;
    }

private:
    std::vector<std::string> texts_;
    std::string segments_;
};

// Where a sheet's values go: the library counts rows and columns from 0, the book from 1.
class SheetCellsOut {
public:
    SheetCellsOut(WorkbookCells& book, const SharedStrings& strings, std::size_t sheet)
        : book_(book), strings_(strings), sheet_(sheet) {}

    void text(ss::row_t row, ss::col_t col, std::string cp1251, bool number = false) {
        book_.setCell(sheet_, col + 1, row + 1, {std::move(cp1251), number});
    }
    void number(ss::row_t row, ss::col_t col, double value) {
        book_.setCell(sheet_, col + 1, row + 1, {plainDecimal(value), true});
    }
    void sharedText(ss::row_t row, ss::col_t col, std::size_t index) {
        if (const std::string* found = strings_.text(index)) {
            text(row, col, *found);
        }
    }
    void boolean(ss::row_t row, ss::col_t col, bool value) {
        text(row, col, value ? "TRUE" : "FALSE");
    }
    void format(ss::row_t row, ss::col_t col, std::size_t xf) {
        book_.setCellFormat(sheet_, col + 1, row + 1, xf);
    }
    void withoutValue(ss::row_t row, ss::col_t col) {
        book_.noteFormulaWithoutValue(sheet_, col + 1, row + 1);
    }

private:
    WorkbookCells& book_;
    const SharedStrings& strings_;
    std::size_t sheet_;
};

// A formula cell counts with the value its file keeps for it.
class FormulaCell : public iface::import_formula {
public:
    explicit FormulaCell(SheetCellsOut& out) : out_(out) {}

    void set_position(ss::row_t row, ss::col_t col) override {
        row_ = row;
        col_ = col;
        hasValue_ = false;
    }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(std::size_t) override {}
    void set_result_string(std::string_view value) override {
        out_.text(row_, col_, utf8ToCp1251(value));
        hasValue_ = true;
    }
    // The library gives NaN for a formula whose file keeps no result.
    void set_result_value(double value) override {
        if (std::isfinite(value)) {
            out_.number(row_, col_, value);
            hasValue_ = true;
        }
    }
    void set_result_bool(bool value) override {
        out_.boolean(row_, col_, value);
        hasValue_ = true;
    }
    void set_result_empty() override {}
    void commit() override {
        if (!hasValue_) {
            out_.withoutValue(row_, col_);
        }
    }

private:
    SheetCellsOut& out_;
    ss::row_t row_ = 0;
    ss::col_t col_ = 0;
    bool hasValue_ = false;
};

class ArrayFormulaCells : public iface::import_array_formula {
public:
    explicit ArrayFormulaCells(SheetCellsOut& out) : out_(out) {}

    void set_range(const ss::range_t&) override {}
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_result_string(ss::row_t row, ss::col_t col, std::string_view value) override {
        out_.text(row, col, utf8ToCp1251(value));
    }
    void set_result_value(ss::row_t row, ss::col_t col, double value) override {
        out_.number(row, col, value);
    }
    void set_result_bool(ss::row_t row, ss::col_t col, bool value) override {
        out_.boolean(row, col, value);
    }
    void set_result_empty(ss::row_t, ss::col_t) override {}
    void commit() override {}

private:
    SheetCellsOut& out_;
};

class Sheet : public iface::import_sheet {
public:
    Sheet(WorkbookCells& book, const SharedStrings& strings, std::size_t index)
        : out_(book, strings, index), formula_(out_), arrayFormula_(out_) {}

    iface::import_formula* get_formula() override { return &formula_; }
    iface::import_array_formula* get_array_formula() override { return &arrayFormula_; }

    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        // A text that is a number as it stands counts as one, its digits unchanged.
        std::string text = utf8ToCp1251(s);
        const bool number = plainDecimal(text) == text;
        out_.text(row, col, std::move(text), number);
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t index) override {
        out_.sharedText(row, col, index);
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        out_.number(row, col, value);
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override {
        out_.boolean(row, col, value);
    }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int, int,
                       double) override {
        out_.text(row, col, dateText(day, month, year));
    }
    void set_format(ss::row_t row, ss::col_t col, std::size_t xf) override {
        out_.format(row, col, xf);
    }
    // Formats of whole ranges are the defaults of rows and columns; the cells that hold the
    // register's dates carry their own.
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override {}
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override {}
    ss::range_size_t get_sheet_size() const override { return {1048576, 16384}; }

private:
    SheetCellsOut out_;
    FormulaCell formula_;
    ArrayFormulaCells arrayFormula_;
};

} // namespace orcus_sheet
} // namespace kestrelon
