#include "sheets/workbook_cells.h"
#include "sheets/xls/biff_records.h"
#include "sheets/xls/xls_workbook.h"

#include "store/cp1251.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace kestrelon {
namespace {

// Workbook streams are built here record by record, as the format lays them out.

std::string u16(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)};
}
std::string u32(std::uint32_t value) {
    return u16(value & 0xFFFF) + u16(value >> 16);
}
std::string f64(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return u32(static_cast<std::uint32_t>(bits)) + u32(static_cast<std::uint32_t>(bits >> 32));
}
std::string rec(unsigned id, const std::string& body) {
    return u16(id) + u16(static_cast<unsigned>(body.size())) + body;
}

// UTF-16LE of a UTF-8 text of the Basic Multilingual Plane.
std::string utf16(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : 2;
        unsigned c = extra == 0 ? lead : lead & (extra == 1 ? 0x1F : 0x0F);
        for (int k = 1; k <= extra; ++k) {
            c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        out += u16(c);
        i += 1 + extra;
    }
    return out;
}

// An Excel 97 string: the count, the option flags, the characters.
std::string wide(std::string_view utf8, int countBytes = 2) {
    const std::string chars = utf16(utf8);
    const std::string count = countBytes == 1 ? std::string(1, static_cast<char>(chars.size() / 2))
                                              : u16(static_cast<unsigned>(chars.size() / 2));
    return count + '\x01' + chars;
}
// The same, one byte a character, as writers store Latin texts.
std::string narrow(std::string_view latin) {
    return u16(static_cast<unsigned>(latin.size())) + '\0' + std::string(latin);
}

std::string at(unsigned row, unsigned column, unsigned xf = 0) {
    return u16(row) + u16(column) + u16(xf);
}
std::string number(unsigned row, unsigned column, double value, unsigned xf = 0) {
    return rec(0x0203, at(row, column, xf) + f64(value));
}
std::string rk(unsigned row, unsigned column, std::uint32_t value) {
    return rec(0x027E, at(row, column) + u32(value));
}
std::string label(unsigned row, unsigned column, std::string_view utf8) {
    return rec(0x0204, at(row, column) + wide(utf8));
}
std::string labelSst(unsigned row, unsigned column, std::uint32_t index) {
    return rec(0x00FD, at(row, column) + u32(index));
}
std::string boolErr(unsigned row, unsigned column, int value, bool error) {
    return rec(0x0205, at(row, column) + static_cast<char>(value) + static_cast<char>(error));
}
// A FORMULA record: its last value's 8 bytes, option flags, and the formula "=1".
std::string formula(unsigned row, unsigned column, const std::string& value, unsigned flags = 0) {
    return rec(0x0006, at(row, column) + value + u16(flags) + u32(0) + u16(3) + "\x1E\x01\x00");
}
// A formula value that is no number: its kind, a byte for a boolean or error, 0xFFFF on top.
std::string special(int kind, int value = 0) {
    return std::string{static_cast<char>(kind), 0, static_cast<char>(value), 0, 0, 0} + "\xFF\xFF";
}
std::string xf(unsigned format) {
    return rec(0x00E0, u16(0) + u16(format) + std::string(16, '\0'));
}

std::string bof(unsigned type, unsigned version) {
    return rec(0x0809, u16(version) + u16(type) + std::string(12, '\0'));
}
const std::string kEof = rec(0x000A, "");
const std::string kRecalcId = rec(0x01C1, u16(0x01C1) + u16(0) + u32(0x2C0A));

struct Sheet {
    std::string name;
    std::string records;
};

// A workbook stream: the global part's records and a BOUNDSHEET giving each sheet's place,
// then the sheets. Excel 95 (BIFF5) streams give names one byte a character.
std::string workbook(const std::string& globals, const std::vector<Sheet>& sheets,
                     bool biff5 = false) {
    const unsigned version = biff5 ? 0x0500 : 0x0600;
    const auto globalPart = [&](const std::vector<std::uint32_t>& places) {
        std::string part = bof(0x0005, version) + globals;
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            const std::string name = biff5
                                         ? static_cast<char>(sheets[i].name.size()) + sheets[i].name
                                         : wide(sheets[i].name, 1);
            part += rec(0x0085, u32(places[i]) + u16(0) + name);
        }
        return part + kEof;
    };
    std::vector<std::uint32_t> places(sheets.size());
    std::size_t place = globalPart(places).size();
    std::string substreams;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        places[i] = static_cast<std::uint32_t>(place);
        const std::string substream = bof(0x0010, version) + sheets[i].records + kEof;
        substreams += substream;
        place += substream.size();
    }
    return globalPart(places) + substreams;
}

std::string sheet(const std::string& records, const std::string& globals = kRecalcId) {
    return workbook(globals, {{"Реестр", records}});
}

// The register text, or "! " and the message; in UTF-8 so that a failure reads plainly.
std::string shown(const WorkbookCells& book) {
    const SheetText text = book.registerText();
    return text.ok() ? cp1251ToUtf8(text.text) : "! " + cp1251ToUtf8(text.message);
}
std::string read(std::string_view stream) {
    WorkbookCells book;
    readBiffWorkbookStream(stream, book);
    return shown(book);
}

struct Case {
    const char* label;
    std::string stream;
    std::string expected;
};

TEST(BiffWorkbookStream, EveryKindOfCellGivesTheValueASpreadsheetShows) {
    const std::string dateGlobals =
        kRecalcId + rec(0x041E, u16(164) + narrow("DD.MM.YYYY")) + xf(0) + xf(14) + xf(164) + xf(2);
    const Case cases[] = {
        {"numbers", sheet(number(0, 0, 1180.5) + number(0, 1, 1456.78) + number(1, 0, -0.25)),
         "1180.5\t1456.78\n-0.25\t"},
        {"RK: integers, hundredths of integers, the top of a double, a hundredth of one",
         sheet(rk(0, 0, 1180u << 2 | 2) + rk(0, 1, 123456u << 2 | 3) +
               rk(0, 2, static_cast<std::uint32_t>(-5 << 2 | 2)) + rk(0, 3, 0x3FF80000) +
               rk(0, 4, 0x40C81C80 | 1)),
         "1180\t1234.56\t-5\t1.5\t123.45"},
        {"MULRK: a run of cells from the first column",
         sheet(rec(0x00BD, u16(2) + u16(1) + u16(0) + u32(7u << 2 | 2) + u16(0) +
                               u32(22222u << 2 | 3) + u16(2))),
         "\t\t\n\t\t\n\t7\t222.22"},
        {"LABEL texts, Russian and Latin, and an empty one that shows nothing",
         sheet(label(0, 0, "ООО «Ромашка» №5") + rec(0x0204, at(0, 1) + narrow("Paid")) +
               label(0, 2, "")),
         "ООО «Ромашка» №5\tPaid"},
        {"booleans and an error",
         sheet(boolErr(0, 0, 1, false) + boolErr(0, 1, 0, false) + boolErr(0, 2, 0x07, true)),
         "TRUE\tFALSE\t#DIV/0!"},
        {"formula values: a number, a boolean, every error",
         sheet(formula(0, 0, f64(1180)) + formula(0, 1, special(1, 1)) +
               formula(1, 0, special(2, 0x00)) + formula(1, 1, special(2, 0x07)) +
               formula(1, 2, special(2, 0x0F)) + formula(1, 3, special(2, 0x17)) +
               formula(1, 4, special(2, 0x1D)) + formula(1, 5, special(2, 0x24)) +
               formula(1, 6, special(2, 0x2A))),
         "1180\tTRUE\t\t\t\t\t\n#NULL!\t#DIV/0!\t#VALUE!\t#REF!\t#NAME?\t#NUM!\t#N/A"},
        {"a formula's text in the STRING record after it, a shared formula between",
         sheet(formula(0, 0, special(0)) + rec(0x04BC, std::string(10, '\0')) +
               rec(0x0207, wide("Оплачен"))),
         "Оплачен"},
        {"a STRING going on in a CONTINUE record, there two bytes a character",
         sheet(formula(0, 0, special(0)) + rec(0x0207, u16(4) + '\0' + "ab") +
               rec(0x003C, '\x01' + utf16("Юг"))),
         "abЮг"},
        {"a formula whose text is empty, in a file a calculating program saved",
         sheet(formula(0, 0, special(3)) + number(0, 1, 1)), "\t1"},
        {"dates: a built-in date format, a FORMAT record's, a number format, no format",
         sheet(number(0, 0, 41348, 1) + number(0, 1, 41349, 2) + number(0, 2, 41348, 3) +
                   number(0, 3, 41348, 0) + rk(0, 4, 41348u << 2 | 2) + formula(0, 5, f64(41350)),
               dateGlobals),
         "15.03.2013\t16.03.2013\t41348\t41348\t41348\t41350"},
        {"a formula's value in a date format",
         sheet(rec(0x0006, at(0, 0, 1) + f64(41350) + std::string(8, '\0')), dateGlobals),
         "17.03.2013"},
        {"the 1904 date system",
         sheet(number(0, 0, 41348 - 1462, 1), dateGlobals + rec(0x0022, u16(1))), "15.03.2013"},
        {"a chart inside the sheet is skipped",
         sheet(number(0, 0, 1) + bof(0x0020, 0x0600) + number(0, 1, 2) + kEof + number(1, 0, 3)),
         "1\n3"},
        {"Excel 95: texts in the code page of the file",
         workbook(rec(0x0042, u16(1251)),
                  {{utf8ToCp1251("Лист"), rec(0x0204, at(0, 0) + u16(4) + utf8ToCp1251("Юг №"))}},
                  true),
         "Юг №"},
        {"Excel 95 in code page 1252",
         workbook(rec(0x0042, u16(1252)),
                  {{"S", rec(0x0204, at(0, 0) + u16(4) +
                                         "\xAB"
                                         "a\x80\xE9")}},
                  true),
         "«a€?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read(c.stream), c.expected) << c.label;
    }
}

// Strings of the shared table go on in CONTINUE records: where the characters are split, the
// next record starts with the option byte again; rich-text runs go on without it.
TEST(BiffWorkbookStream, SharedStringsSplitAcrossContinueRecordsAreWhole) {
    const std::string table =
        rec(0x00FC, u32(4) + u32(4) + narrow("AGENT") + u16(4) + '\0' + "ab") +
        rec(0x003C, '\x01' + utf16("Юг") + u16(2) + '\x08' + u16(1) + "xy" + u16(1)) +
        rec(0x003C, u16(0) + narrow("z"));
    const std::string cells = labelSst(0, 0, 0) + labelSst(0, 1, 1) + labelSst(0, 2, 2) +
                              labelSst(0, 3, 3) + labelSst(1, 0, 1);
    EXPECT_EQ(read(sheet(cells, table)), "AGENT\tabЮг\txy\tz\nabЮг\t\t\t");
}

TEST(BiffWorkbookStream, SheetsComeInTheirOrderAndTheRegistersIsRead) {
    const std::string stream =
        workbook(kRecalcId, {{"Примечания", label(0, 0, "note")},
                             {"Диаграмма", ""},
                             {"Реестр", label(0, 0, "AGENT_CUSTNO") + number(1, 0, 1)}});
    EXPECT_EQ(read(stream), "AGENT_CUSTNO\n1");
}

TEST(BiffWorkbookStream, AFileThatCannotBeReadSaysWhy) {
    const std::string cutShort = sheet(number(0, 0, 1));
    const std::string damaged = "! файл поврежден или записан не полностью (";
    const Case cases[] = {
        {"a formula xlwt writes: no value, marked as an empty text, no RECALCID in the file",
         sheet(number(1, 0, 1) + formula(2, 7, special(3)), ""),
         "! лист «Реестр», ячейка H3: формула без сохраненного значения. Откройте файл в "
         "табличной программе, пересчитайте и сохраните его"},
        {"a text formula without its STRING record",
         sheet(formula(0, 1, special(0)) + number(0, 0, 1)),
         "! лист «Реестр», ячейка B1: формула без сохраненного значения. Откройте файл в "
         "табличной программе, пересчитайте и сохраните его"},
        {"a password", sheet(number(0, 0, 1), rec(0x002F, std::string(54, '\0'))),
         "! книга защищена паролем. Снимите пароль в табличной программе, сохраните файл и "
         "откройте его снова"},
        {"a record cut short", cutShort.substr(0, cutShort.size() - 10),
         damaged + "запись 0x0203 обрывается)"},
        {"a sheet without its end", cutShort.substr(0, cutShort.size() - 4),
         damaged + "лист «Реестр» обрывается)"},
        {"the stream ends before a sheet", cutShort.substr(0, cutShort.find(bof(0x10, 0x600))),
         damaged + "поток книги обрывается перед листом)"},
        {"a record shorter than its fields", sheet(rec(0x0203, at(0, 0) + "\x01\x02")),
         damaged + "запись 0x0203 короче, чем нужно)"},
        {"a shared string the table lacks", sheet(labelSst(0, 0, 5)),
         damaged + "текст ячейки не найден в таблице строк)"},
        {"an error code no error has", sheet(boolErr(0, 2, 0x63, true)),
         damaged + "неизвестный код ошибки в ячейке C1)"},
        {"a string longer than its record", sheet(rec(0x0204, at(0, 0) + u16(900) + '\0' + "ab")),
         damaged + "запись 0x0204 короче, чем нужно)"},
        {"2^31 rows",
         sheet(rec(0x0200, u32(0) + u32(0x80000000u) + u16(0) + u16(10) + u16(0)) +
               number(0, 0, 1)),
         "! лист «Реестр» слишком велик или поврежден: в нем указано 2147483648 строк и 10 "
         "столбцов, а на листе .xls их не больше 65536 и 256"},
        {"no stream", "", damaged + "поток книги не начинается с записи BOF)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read(c.stream), c.expected) << c.label;
    }
}

// libgsf writes a stream under 4096 bytes into the compound file's mini-stream, as SheetJS and
// other writers of small files do.
std::string compoundFile(const char* streamName, const std::string& stream) {
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* file = gsf_outfile_msole_new(memory);
    GsfOutput* child = gsf_outfile_new_child(file, streamName, FALSE);
    gsf_output_write(child, stream.size(), reinterpret_cast<const guint8*>(stream.data()));
    gsf_output_close(child);
    gsf_output_close(GSF_OUTPUT(file));
    const std::string bytes(
        reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory))),
        static_cast<std::size_t>(gsf_output_size(memory)));
    g_object_unref(child);
    g_object_unref(file);
    g_object_unref(memory);
    return bytes;
}

std::string readXls(const std::string& fileBytes) {
    WorkbookCells book;
    readXlsWorkbook(fileBytes, book);
    return shown(book);
}

TEST(XlsWorkbook, TheWorkbookStreamOfACompoundFileIsReadWhereverTheFileKeepsIt) {
    const std::string stream = sheet(label(0, 0, "AGENT_CUSTNO") + number(1, 0, 10000001));
    ASSERT_LT(stream.size(), 4096u);
    EXPECT_EQ(readXls(compoundFile("Workbook", stream)), "AGENT_CUSTNO\n10000001");
    const std::string excel95 = workbook(
        rec(0x0042, u16(1251)), {{"S", rec(0x0204, at(0, 0) + u16(2) + "\xDE\xE3")}}, true);
    EXPECT_EQ(readXls(compoundFile("Book", excel95)), "Юг");
    EXPECT_EQ(readXls(compoundFile("WordDocument", stream)),
              "! это составной файл, но в нем нет книги .xls");
    const std::string cut = compoundFile("Workbook", stream).substr(0, 1024);
    EXPECT_EQ(readXls(cut).rfind("! файл поврежден или записан не полностью", 0), 0u)
        << readXls(cut);
}

std::string fixture(const std::string& name) {
    std::ifstream file(std::string(KESTRELON_REGISTER_FILES) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(XlsWorkbook, AFormulaXlwtWroteWithoutItsValueIsNamed) {
    EXPECT_EQ(readXls(fixture("bad_formula_without_value.xls")),
              "! лист «Реестр», ячейка H3: формула без сохраненного значения. Откройте файл в "
              "табличной программе, пересчитайте и сохраните его");
}

} // namespace
} // namespace kestrelon
