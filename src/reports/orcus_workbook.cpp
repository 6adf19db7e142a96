#include "orcus_workbook.h"

#include "store/cp1251.h"
#include "sylk_date.h"
#include "sylk_number.h"

#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <cmath>
#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

const unsigned char* bytesOf(std::string_view bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

std::string twoDigits(int n) {
    return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

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

// Of the styles only the number formats matter: they tell which numbers are dates. A cell
// names its format ("xf") by number, and the format names its number format.
class NumberFormats : public iface::import_styles {
public:
    explicit NumberFormats(ZipWorkbook kind) : kind_(kind) {}

    // For each cell format, whether it shows a date.
    std::vector<bool> dateFormats() const {
        std::vector<bool> dates;
        for (const std::size_t numberFormat : cellFormats_) {
            dates.push_back(showsDate(numberFormat));
        }
        return dates;
    }

    void set_number_format_count(std::size_t) override {}
    void set_number_format_identifier(std::size_t id) override { id_ = id; }
    void set_number_format_code(std::string_view s) override { code_ = s; }
    std::size_t commit_number_format() override {
        // Office Open XML files name a number format by its identifier, OpenDocument files
        // by its place in the list.
        const std::size_t key = kind_ == ZipWorkbook::OfficeOpenXml ? id_ : committed_;
        codes_[key] = code_;
        id_ = 0;
        code_.clear();
        return committed_++;
    }
    void set_xf_number_format(std::size_t index) override { xfNumberFormat_ = index; }
    std::size_t commit_cell_xf() override {
        cellFormats_.push_back(xfNumberFormat_);
        xfNumberFormat_ = 0;
        return cellFormats_.size() - 1;
    }
    std::size_t commit_cell_style_xf() override { return resetXf(); }
    std::size_t commit_dxf() override { return resetXf(); }

    void set_font_count(std::size_t) override {}
    void set_font_bold(bool) override {}
    void set_font_italic(bool) override {}
    void set_font_name(std::string_view) override {}
    void set_font_size(double) override {}
    void set_font_underline(ss::underline_t) override {}
    void set_font_underline_width(ss::underline_width_t) override {}
    void set_font_underline_mode(ss::underline_mode_t) override {}
    void set_font_underline_type(ss::underline_type_t) override {}
    void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                  ss::color_elem_t) override {}
    void set_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                        ss::color_elem_t) override {}
    void set_strikethrough_style(ss::strikethrough_style_t) override {}
    void set_strikethrough_type(ss::strikethrough_type_t) override {}
    void set_strikethrough_width(ss::strikethrough_width_t) override {}
    void set_strikethrough_text(ss::strikethrough_text_t) override {}
    std::size_t commit_font() override { return 0; }
    void set_fill_count(std::size_t) override {}
    void set_fill_pattern_type(ss::fill_pattern_t) override {}
    void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                           ss::color_elem_t) override {}
    void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                           ss::color_elem_t) override {}
    std::size_t commit_fill() override { return 0; }
    void set_border_count(std::size_t) override {}
    void set_border_style(ss::border_direction_t, ss::border_style_t) override {}
    void set_border_color(ss::border_direction_t, ss::color_elem_t, ss::color_elem_t,
                          ss::color_elem_t, ss::color_elem_t) override {}
    void set_border_width(ss::border_direction_t, double, orcus::length_unit_t) override {}
    std::size_t commit_border() override { return 0; }
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    std::size_t commit_cell_protection() override { return 0; }
    void set_cell_xf_count(std::size_t) override {}
    void set_cell_style_xf_count(std::size_t) override {}
    void set_dxf_count(std::size_t) override {}
    void set_xf_font(std::size_t) override {}
    void set_xf_fill(std::size_t) override {}
    void set_xf_border(std::size_t) override {}
    void set_xf_protection(std::size_t) override {}
    void set_xf_style_xf(std::size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(ss::hor_alignment_t) override {}
    void set_xf_vertical_alignment(ss::ver_alignment_t) override {}
    void set_cell_style_count(std::size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(std::size_t) override {}
    void set_cell_style_builtin(std::size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    std::size_t commit_cell_style() override { return 0; }

private:
    std::size_t resetXf() {
        xfNumberFormat_ = 0;
        return 0;
    }

    bool showsDate(std::size_t numberFormat) const {
        const auto code = codes_.find(numberFormat);
        if (code != codes_.end()) {
            return isDateFormat(code->second);
        }
        // The built-in formats of Office Open XML that a file names without a code: 14-17
        // and 22 are dates, 27-36 and 50-58 the dates of East Asian locales.
        return kind_ == ZipWorkbook::OfficeOpenXml &&
               ((numberFormat >= 14 && numberFormat <= 17) || numberFormat == 22 ||
                (numberFormat >= 27 && numberFormat <= 36) ||
                (numberFormat >= 50 && numberFormat <= 58));
    }

    ZipWorkbook kind_;
    std::size_t id_ = 0;
    std::string code_;
    std::size_t committed_ = 0;
    std::map<std::size_t, std::string> codes_;
    std::size_t xfNumberFormat_ = 0;
    std::vector<std::size_t> cellFormats_;
};

class GlobalSettings : public iface::import_global_settings {
public:
    explicit GlobalSettings(WorkbookCells& book) : book_(book) {}

    void set_origin_date(int year, int, int) override {
        if (year == 1904) {
            book_.useDateSystem1904();
        }
    }
    void set_default_formula_grammar(ss::formula_grammar_t grammar) override { grammar_ = grammar; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
    void set_character_set(orcus::character_set_t) override {}

private:
    WorkbookCells& book_;
    ss::formula_grammar_t grammar_ = ss::formula_grammar_t::unknown;
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
        out_.text(row, col, twoDigits(day) + "." + twoDigits(month) + "." + std::to_string(year));
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

// Cells and ranges named as in "E3" and "A1:J5"; the library counts from 0.
class References : public iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view name) override {
        const std::optional<CellPlace> place = cellPlace(name);
        if (!place) {
            throw std::invalid_argument("not a cell name: " + std::string(name.substr(0, 40)));
        }
        return {0, place->y - 1, place->x - 1};
    }
    ss::src_range_t resolve_range(std::string_view range) override {
        const std::size_t colon = range.find(':');
        if (colon == std::string_view::npos) {
            const ss::src_address_t cell = resolve_address(range);
            return {cell, cell};
        }
        return {resolve_address(range.substr(0, colon)), resolve_address(range.substr(colon + 1))};
    }
};

class Factory : public iface::import_factory {
public:
    Factory(WorkbookCells& book, ZipWorkbook kind) : book_(book), formats_(kind), settings_(book) {}

    void finalize() override { book_.setDateFormats(formats_.dateFormats()); }

    iface::import_global_settings* get_global_settings() override { return &settings_; }
    iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    iface::import_styles* get_styles() override { return &formats_; }
    iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override {
        return &references_;
    }

    iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
        const std::size_t index = book_.addSheet(utf8ToCp1251(name));
        sheets_.push_back(std::make_unique<Sheet>(book_, strings_, index));
        names_.emplace_back(name);
        return sheets_.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        for (std::size_t i = 0; i < names_.size(); ++i) {
            if (names_[i] == name) {
                return sheets_[i].get();
            }
        }
        return nullptr;
    }
    iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && static_cast<std::size_t>(index) < sheets_.size()
                   ? sheets_[static_cast<std::size_t>(index)].get()
                   : nullptr;
    }

private:
    WorkbookCells& book_;
    SharedStrings strings_;
    NumberFormats formats_;
    GlobalSettings settings_;
    References references_;
    std::vector<std::unique_ptr<Sheet>> sheets_;
    std::vector<std::string> names_;
};

// One entry of a zip file as text; empty when the zip or the entry cannot be read.
std::string zipEntry(std::string_view fileBytes, std::string_view name) {
    try {
        orcus::zip_archive_stream_blob stream(bytesOf(fileBytes), fileBytes.size());
        orcus::zip_archive archive(&stream);
        archive.load();
        std::vector<unsigned char> entry;
        if (!archive.read_file_entry(name, entry)) {
            return {};
        }
        return {entry.begin(), entry.end()};
    } catch (const std::exception&) {
        return {};
    }
}

// The library does not pass on an Office Open XML workbook's date system, which its
// workbook part states as the attribute date1904 of workbookPr.
bool usesDateSystem1904(std::string_view fileBytes) {
    const std::string workbook = zipEntry(fileBytes, "xl/workbook.xml");
    for (const char* stated :
         {"date1904=\"1\"", "date1904=\"true\"", "date1904='1'", "date1904='true'"}) {
        if (workbook.find(stated) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

ZipWorkbook zipWorkbookKind(std::string_view fileBytes) {
    try {
        switch (orcus::detect(bytesOf(fileBytes), fileBytes.size())) {
        case orcus::format_t::xlsx:
            return ZipWorkbook::OfficeOpenXml;
        case orcus::format_t::ods:
            return ZipWorkbook::OpenDocument;
        default:
            break;
        }
        // Neither: a zip of other files, or one too damaged to tell.
        orcus::zip_archive_stream_blob stream(bytesOf(fileBytes), fileBytes.size());
        orcus::zip_archive archive(&stream);
        archive.load();
        return ZipWorkbook::None;
    } catch (const std::exception&) {
        return ZipWorkbook::Damaged;
    }
}

bool isEncryptedOpenDocument(std::string_view fileBytes) {
    const std::string manifest = zipEntry(fileBytes, "META-INF/manifest.xml");
    return manifest.find("encryption-data") != std::string::npos;
}

void readZipWorkbook(std::string_view fileBytes, ZipWorkbook kind, WorkbookCells& book) {
    if (kind == ZipWorkbook::OfficeOpenXml && usesDateSystem1904(fileBytes)) {
        book.useDateSystem1904();
    }
    Factory factory(book, kind);
    try {
        if (kind == ZipWorkbook::OfficeOpenXml) {
            orcus::orcus_xlsx reader(&factory);
            reader.read_stream(fileBytes);
        } else {
            orcus::orcus_ods reader(&factory);
            reader.read_stream(fileBytes);
        }
    } catch (const std::exception& e) {
        book.fail(damagedFileProblem(utf8ToCp1251(e.what())));
    }
}

} // namespace kestrelon
