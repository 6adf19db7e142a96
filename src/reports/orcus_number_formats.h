#pragma once
// The styles of a workbook as liborcus reads them, of which only the number formats matter:
// they tell which numbers are dates. Part of the one place that knows liborcus, with
// orcus_workbook.cpp; apart only because the library's styles interface is long.

#include "orcus_workbook.h"
#include "sylk_date.h"

#include <orcus/spreadsheet/import_interface.hpp>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {
namespace orcus_styles {
namespace ss = orcus::spreadsheet;
} // namespace orcus_styles

// Of the styles only the number formats matter: they tell which numbers are dates. A cell
// names its format ("xf") by number, and the format names its number format.
class NumberFormats : public orcus::spreadsheet::iface::import_styles {
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
    void set_font_underline(orcus_styles::ss::underline_t) override {}
    void set_font_underline_width(orcus_styles::ss::underline_width_t) override {}
    void set_font_underline_mode(orcus_styles::ss::underline_mode_t) override {}
    void set_font_underline_type(orcus_styles::ss::underline_type_t) override {}
    void set_font_underline_color(orcus_styles::ss::color_elem_t, orcus_styles::ss::color_elem_t,
                                  orcus_styles::ss::color_elem_t,
                                  orcus_styles::ss::color_elem_t) override {}
    void set_font_color(orcus_styles::ss::color_elem_t, orcus_styles::ss::color_elem_t,
                        orcus_styles::ss::color_elem_t, orcus_styles::ss::color_elem_t) override {}
    void set_strikethrough_style(orcus_styles::ss::strikethrough_style_t) override {}
    void set_strikethrough_type(orcus_styles::ss::strikethrough_type_t) override {}
    void set_strikethrough_width(orcus_styles::ss::strikethrough_width_t) override {}
    void set_strikethrough_text(orcus_styles::ss::strikethrough_text_t) override {}
    std::size_t commit_font() override { return 0; }
    void set_fill_count(std::size_t) override {}
    void set_fill_pattern_type(orcus_styles::ss::fill_pattern_t) override {}
    void set_fill_fg_color(orcus_styles::ss::color_elem_t, orcus_styles::ss::color_elem_t,
                           orcus_styles::ss::color_elem_t,
                           orcus_styles::ss::color_elem_t) override {}
    void set_fill_bg_color(orcus_styles::ss::color_elem_t, orcus_styles::ss::color_elem_t,
                           orcus_styles::ss::color_elem_t,
                           orcus_styles::ss::color_elem_t) override {}
    std::size_t commit_fill() override { return 0; }
    void set_border_count(std::size_t) override {}
    void set_border_style(orcus_styles::ss::border_direction_t,
                          orcus_styles::ss::border_style_t) override {}
    void set_border_color(orcus_styles::ss::border_direction_t, orcus_styles::ss::color_elem_t,
                          orcus_styles::ss::color_elem_t, orcus_styles::ss::color_elem_t,
                          orcus_styles::ss::color_elem_t) override {}
    void set_border_width(orcus_styles::ss::border_direction_t, double,
                          orcus::length_unit_t) override {}
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
    void set_xf_horizontal_alignment(orcus_styles::ss::hor_alignment_t) override {}
    void set_xf_vertical_alignment(orcus_styles::ss::ver_alignment_t) override {}
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

} // namespace kestrelon
