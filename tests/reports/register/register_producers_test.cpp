#include "each_locale.h"
#include "register_fixture.h"

#include "reports/register/register_file.h"
#include "reports/register/slk_import.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrelon {
namespace {

// Gnumeric's SYLK writer puts "?" for every character outside ASCII, so its files hold no
// Russian letter to read.
std::string asciiOnly(const std::string& utf8) {
    std::string out;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else if ((byte & 0xC0) != 0x80) {
            out += '?';
        }
    }
    return out;
}

// INVOICE_SUMM as =F+G saved with no value: nothing to read but that the file must be saved
// again by a program that computes it.
const std::string kNoSumValue = "! лист «Реестр», ячейка H3: формула без сохраненного значения";

// Invoice number, date and the three amounts in kopecks of each row a text gives.
std::vector<std::string> reportRows(const std::string& cp1251Text) {
    std::vector<std::string> rows;
    for (const InvoiceRow& r : parseRegister(cp1251Text, "12345678").rows.rows) {
        rows.push_back(std::string(r.InvoiceNo.view()) + " " + std::string(r.InvoiceDate.view()) +
                       " " + std::to_string(r.AmountKop) + "/" + std::to_string(r.VatKop) + "/" +
                       std::to_string(r.GrossKop));
    }
    return rows;
}

struct ProducerCase {
    const char* file; // in register_files/producers
    std::string expected;
};

// Each file with the paste text of its sheet (in UTF-8), or "! " and the start of the
// message it gives after its name.
const std::vector<ProducerCase>& producerCases() {
    static const std::vector<ProducerCase> cases = {
        // openpyxl: texts as inline strings, the sheet's relationship target absolute.
        {"openpyxl_plain.xlsx", kPastedRegister},
        {"openpyxl_line_break.xlsx", kPastedRegister},
        {"openpyxl_second_sheet.xlsx", kPastedRegister},
        {"openpyxl_named_range.xlsx", kPastedRegister},
        {"openpyxl_formulas.xlsx", kNoSumValue},
        // XlsxWriter: shared strings, or inline ones in constant_memory mode; 99.9 written
        // with 16 digits as 99.90000000000001.
        {"xlsxwriter_plain.xlsx", kPastedRegister},
        {"xlsxwriter_constant_memory.xlsx", kPastedRegister},
        {"xlsxwriter_formulas.xlsx", kPastedRegister},
        // ExcelJS: shared strings; its streaming writer without them writes t="str" cells.
        {"exceljs_plain.xlsx", kPastedRegister},
        {"exceljs_streaming.xlsx", kPastedRegister},
        {"exceljs_line_break.xlsx", kPastedRegister},
        {"exceljs_formulas.xlsx", kPastedRegister},
        {"exceljs_formulas_without_values.xlsx", kNoSumValue},
        // SheetJS: t="str" cells unless asked for shared strings; its .xls fits in the
        // compound file's mini-stream; its .ods dates carry a time and "Z".
        {"sheetjs_plain.xlsx", kPastedRegister},
        {"sheetjs_shared_strings.xlsx", kPastedRegister},
        {"sheetjs_formulas.xlsx", kPastedRegister},
        {"sheetjs_plain.xls", kPastedRegister},
        {"sheetjs_plain.ods", kPastedRegister},
        // xlwt: Excel 97 with shared strings; formulas with an empty result.
        {"xlwt_plain.xls", kPastedRegister},
        {"xlwt_line_break.xls", kPastedRegister},
        {"xlwt_formulas.xls", kNoSumValue},
        // Apache POI HSSF; formulas with the value its evaluator computed.
        {"poi_hssf_plain.xls", kPastedRegister},
        {"poi_hssf_line_break.xls", kPastedRegister},
        {"poi_hssf_second_sheet.xls", kPastedRegister},
        {"poi_hssf_formulas.xls", kPastedRegister},
        // Gnumeric converting openpyxl's files and computing their formulas. Its .ods name
        // the print area and any named range as LibreOffice does; its CSV writes dates as
        // YYYY/MM/DD and 99.9 as 99.90000000000001, the computed 117.88 as
        // 117.880000000000009996, as its SYLK does.
        {"gnumeric_plain.xlsx", kPastedRegister},
        {"gnumeric_plain.xls", kPastedRegister},
        {"gnumeric_plain.ods", kPastedRegister},
        {"gnumeric_plain.csv", kPastedRegister},
        {"gnumeric_plain.slk", asciiOnly(kPastedRegister)},
        {"gnumeric_formulas.xlsx", kPastedRegister},
        {"gnumeric_formulas.xls", kPastedRegister},
        {"gnumeric_formulas.ods", kPastedRegister},
        {"gnumeric_formulas.csv", kPastedRegister},
        {"gnumeric_formulas.slk", asciiOnly(kPastedRegister)},
        {"gnumeric_line_break.ods", kPastedRegister},
        {"gnumeric_line_break.csv", kPastedRegister},
        {"gnumeric_named_range.ods", kPastedRegister},
        {"gnumeric_iso_dates.csv", kPastedRegister},
    };
    return cases;
}

// The register written by the libraries and converters principals' billing systems save it
// with (register_files/producers/make_producer_files.sh).
TEST(RegisterProducers, EachProgramsFileReadsAsAPasteOfItsSheetAndGivesItsRows) {
    underEachLocale([] {
        for (const ProducerCase& c : producerCases()) {
            SCOPED_TRACE(c.file);
            const SheetText read =
                registerTextFromFile(registerFixture(std::string("producers/") + c.file), c.file);
            const std::string said =
                read.ok() ? cp1251ToUtf8(read.text) : "! " + cp1251ToUtf8(read.message);
            if (c.expected.rfind("! ", 0) == 0) {
                const std::string told =
                    "! Файл «" + std::string(c.file) + "»: " + c.expected.substr(2);
                EXPECT_TRUE(said.rfind(told, 0) == 0) << "gave " << said << "\nwant " << told;
                continue;
            }
            EXPECT_EQ(said, c.expected);
            const std::vector<std::string> expectedRows = reportRows(utf8ToCp1251(c.expected));
            EXPECT_EQ(expectedRows.size(), 3u);
            EXPECT_EQ(reportRows(read.text), expectedRows);
        }
    });
}

TEST(RegisterProducers, ThePasteOfTheirSheetGivesTheRegistersThreeInvoices) {
    const std::vector<std::string> rows = {
        "1234567890123 15.03.2013 100000/18000/118000",
        "1234567890124 16.03.2013 123456/22222/145678",
        "1234567890125 17.03.2013 9990/1798/11788",
    };
    EXPECT_EQ(reportRows(utf8ToCp1251(kPastedRegister)), rows);
    EXPECT_EQ(reportRows(utf8ToCp1251(asciiOnly(kPastedRegister))), rows);
}

} // namespace
} // namespace kestrelon
