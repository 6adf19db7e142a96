#include "orcus_workbook.h"

#include "orcus_number_formats.h"
#include "orcus_sheet.h"

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

using orcus_sheet::SharedStrings;
using orcus_sheet::Sheet;

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

// One entry of a zip file as text, empty when the zip has no such entry; nullopt when the zip
// itself cannot be read.
std::optional<std::string> zipEntry(std::string_view fileBytes, std::string_view name) {
    try {
        orcus::zip_archive_stream_blob stream(bytesOf(fileBytes), fileBytes.size());
        orcus::zip_archive archive(&stream);
        archive.load();
        std::vector<unsigned char> entry;
        if (!archive.read_file_entry(name, entry)) {
            return std::string();
        }
        return std::string(entry.begin(), entry.end());
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The library does not pass on an Office Open XML workbook's date system, which its
// workbook part states as the attribute date1904 of workbookPr.
bool usesDateSystem1904(std::string_view fileBytes) {
    const std::string workbook = zipEntry(fileBytes, "xl/workbook.xml").value_or(std::string());
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
    } catch (const std::exception&) {
        return ZipWorkbook::Damaged;
    }
    // Neither: a zip of other files, or one too damaged to tell.
    return zipEntry(fileBytes, {}) ? ZipWorkbook::None : ZipWorkbook::Damaged;
}

bool isEncryptedOpenDocument(std::string_view fileBytes) {
    return zipEntry(fileBytes, "META-INF/manifest.xml")
               .value_or(std::string())
               .find("encryption-data") != std::string::npos;
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
