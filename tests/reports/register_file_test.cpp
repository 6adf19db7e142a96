#include "reports/csv_sheet.h"
#include "reports/register_file.h"
#include "reports/slk_import.h"
#include "reports/sylk_number.h"
#include "reports/workbook_cells.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kestrelon {
namespace {

std::string fixture(const std::string& name) {
    std::ifstream file(std::string(KESTRELON_REGISTER_FILES) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The text, or "! " and the message; in UTF-8 so that a failure reads plainly.
std::string read(std::string_view bytes, std::string_view name = "r") {
    const SheetText r = registerTextFromFile(bytes, utf8ToCp1251(name));
    EXPECT_TRUE(r.ok() || r.text.empty()) << "a refused file gives no text";
    return r.ok() ? cp1251ToUtf8(r.text) : "! " + cp1251ToUtf8(r.message);
}

// What a paste of the fixtures' sheet from a spreadsheet program gives.
const std::string kPastedRegister =
    "Invoices register for 12345678\t\t\t\t\t\t\t\t\t\n"
    "AGENT_CUSTNO\tCLIENT_CUSTNO\tCLIENT_CUSTNAME\tINVOICE\tINVOICE_DATE\tINVOICE_DUE\t"
    "INVOICE_TAX\tINVOICE_SUMM\tSTATE\tSTATE_DATE\n"
    "10000001\t00020001\tООО \"Ромашка\"\t1234567890123\t15.03.2013\t1000\t180\t1180\tОплачен\t"
    "20.03.2013\n"
    "10000001\t00020002\tИП Петров; филиал «Север»\t1234567890124\t16.03.2013\t1234.56\t222.22\t"
    "1456.78\tВыставлен\t25.03.2013\n"
    "10000001\t00020003\tАО \"Связь\" (бывш. \"Плюс\")\t1234567890125\t17.03.2013\t99.9\t17.98\t"
    "117.88\tОплачен\t31.03.2013";

TEST(RegisterTextFromFile, EveryProgramsFileOfTheRegisterGivesThePastedTextAndTheSameReport) {
    const SlkImportResult pasted = parseRegister(utf8ToCp1251(kPastedRegister), "12345678");
    ASSERT_EQ(pasted.rows.count(), 3u);
    EXPECT_EQ(pasted.rows.rows[1].AmountKop, 123456u);
    for (const char* name :
         {"register.xlsx", "register.xls", "register.ods", "register.csv", "register.slk",
          "register_tab_cp1251.csv", "register_1904.xlsx", "register_1904.xls",
          "register_second_sheet.xlsx", "register_second_sheet.ods"}) {
        const SheetText file = registerTextFromFile(fixture(name), name);
        EXPECT_EQ(cp1251ToUtf8(file.text + file.message), kPastedRegister) << name;
        const SlkImportResult imported = parseRegister(file.text, "12345678");
        ASSERT_EQ(imported.rows.count(), pasted.rows.count()) << name;
        for (std::size_t i = 0; i < imported.rows.count(); ++i) {
            const InvoiceRow& a = imported.rows.rows[i];
            const InvoiceRow& b = pasted.rows.rows[i];
            EXPECT_TRUE(a.InvoiceNo == b.InvoiceNo.view() &&
                        a.InvoiceDate == b.InvoiceDate.view() && a.AmountKop == b.AmountKop &&
                        a.VatKop == b.VatKop && a.GrossKop == b.GrossKop &&
                        a.GrossText == b.GrossText.view())
                << name << " row " << i;
        }
    }
}

TEST(RegisterTextFromFile, ABadFileSaysWhichFileAndWhatIsWrong) {
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"bad_picture.png",
         "это не таблица. Откройте реестр в файле .slk, .xlsx, .xls, .ods или .csv"},
        {"bad_cut_short.xlsx", "файл поврежден или записан не полностью"},
        {"bad_cut_short.ods", "файл поврежден или записан не полностью"},
        {"bad_cut_short.xls", "файл поврежден или записан не полностью (FreeXL: ошибка -8)"},
        {"bad_zip_without_workbook.zip", "это архив zip, но в нем нет книги .xlsx или .ods"},
        {"bad_password.xlsx", "книга защищена паролем"},
        {"bad_password.xls", "книга защищена паролем"},
        {"bad_password.ods", "книга защищена паролем"},
        {"bad_no_sheets.xlsx", "в книге нет ни одного листа"},
        {"bad_too_many_cells.xlsx",
         "лист «Реестр» больше 100000 ячеек (занято 10001 строк по 11 столбцов)"},
        {"bad_formula_without_value.xlsx",
         "лист «Реестр», ячейка F3: формула без сохраненного значения"},
        {"bad_stray_quote.csv", "текст CSV не читается (expected a delimiter)"},
    };
    for (const auto& c : cases) {
        const std::string said = read(fixture(c.file), c.file);
        EXPECT_EQ(said.rfind("! Файл «" + std::string(c.file) + "»: " + c.message, 0), 0u) << said;
    }
    EXPECT_EQ(read(std::string(kMaxRegisterFileBytes + 1, ';'), "big.csv"),
              "! Файл «big.csv»: файл больше 64 МБ; реестр такого размера не бывает");
    EXPECT_EQ(
        read("ID;P\r\nC;Y1;X1;K1\r\n", "old.slk").rfind("! Файл «old.slk»: Файл обрывается", 0),
        0u);
}

TEST(RegisterTextFromFile, CsvTextsStayAsWrittenAndOnlyDayNumbersInDateColumnsChange) {
    const struct {
        const char* label;
        std::string file;
        std::string expected;
    } cases[] = {
        {"separator after the header's first name wins over commas in the title",
         "Invoices register for 1, 2, 3\r\nAGENT_CUSTNO;INVOICE_DATE\r\n0100;41349\r\n",
         "Invoices register for 1, 2, 3\t\nAGENT_CUSTNO\tINVOICE_DATE\n0100\t16.03.2013"},
        {"quoted header, comma", "\"AGENT_CUSTNO\",\"STATE_DATE\"\n\"a,b\",41349.75\n",
         "AGENT_CUSTNO\tSTATE_DATE\na,b\t16.03.2013"},
        {"no header: the most frequent separator outside quotes", "\"a;b;c\",1,2\nx,y,z",
         "a;b;c\t1\t2\nx\ty\tz"},
        {"doubled quotes, a line break and a TAB inside quotes",
         "AGENT_CUSTNO\tB\n\"say \"\"hi\"\"\"\t\"two\nlines\tand tab\"\n",
         "AGENT_CUSTNO\tB\nsay \"hi\"\ttwo lines and tab"},
        {"amounts and day numbers outside date columns as written", "1500.00;41349;0,5\r",
         "1500.00\t41349\t0,5"},
        {"UTF-8 with its mark and cp1251 read alike", "\xEF\xBB\xBFИмя;Сумма\n", "Имя\tСумма"},
        {"cp1251", utf8ToCp1251("Имя;Сумма\n"), "Имя\tСумма"},
        {"an empty file is an empty register", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read(c.file), c.expected) << c.label;
    }
}

TEST(WorkbookCells, TheRegistersSheetIsReadElseTheFirstAndCellsAreNamedAsSpreadsheetsDo) {
    WorkbookCells notes;
    notes.setCell(notes.addSheet("a"), 1, 1, {"first", false});
    notes.setCell(notes.addSheet("b"), 1, 1, {"second", false});
    EXPECT_EQ(notes.registerText().text, "first");

    WorkbookCells book;
    book.setCell(book.addSheet("a"), 2, 1, {"note", false});
    book.setCell(book.addSheet("b"), 1, 2, {"AGENT_CUSTNO", false});
    book.noteFormulaWithoutValue(book.addSheet("c"), 1, 1); // past the register: not read
    book.setCell(2, 1, 1, {"x", false});
    EXPECT_EQ(book.registerText().text, "\nAGENT_CUSTNO");

    for (const auto& [x, y, name] : {std::tuple{1, 1, "A1"},
                                     {26, 9, "Z9"},
                                     {27, 10, "AA10"},
                                     {16384, 1048576, "XFD1048576"}}) {
        EXPECT_EQ(cellName(x, y), name);
        const std::optional<CellPlace> place = cellPlace(std::string("$Лист!$") + name);
        ASSERT_TRUE(place) << name;
        EXPECT_EQ(std::pair(place->x, place->y), std::pair(x, y)) << name;
    }
    for (const char* wrong : {"", "A", "1", "A0", "a1", "XFE1", "A1048577", "A1B"}) {
        EXPECT_FALSE(cellPlace(wrong)) << wrong;
    }
}

TEST(PlainDecimal, ADoubleShowsAsItsSpreadsheetShowsItSoNoKopeckIsLost) {
    const struct {
        double value;
        const char* shown;
    } cases[] = {{1456.7799999999999, "1456.78"},
                 {0.1 + 0.2, "0.3"},
                 {1234567890123.0, "1234567890123"},
                 {1e20, "100000000000000000000"},
                 {-0.0, "0"},
                 {2.5e-7, "0.00000025"},
                 {1.0 / 0.0, "0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(plainDecimal(c.value), c.shown) << c.value;
    }
}

} // namespace
} // namespace kestrelon
