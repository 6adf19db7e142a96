#include "register_fixture.h"

#include "each_locale.h"
#include "reports/register/register_file.h"
#include "reports/register/slk_import.h"
#include "sheets/csv_sheet.h"
#include "sheets/sylk_number.h"
#include "sheets/workbook_cells.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// The text, or "! " and the message; in UTF-8 so that a failure reads plainly.
std::string read(std::string_view bytes, std::string_view name = "r") {
    const SheetText r = registerTextFromFile(bytes, utf8ToCp1251(name));
    EXPECT_TRUE(r.ok() || r.text.empty()) << "a refused file gives no text";
    return r.ok() ? cp1251ToUtf8(r.text) : "! " + cp1251ToUtf8(r.message);
}

TEST(RegisterTextFromFile, EveryProgramsFileOfTheRegisterGivesThePastedTextAndTheSameReport) {
    const SlkImportResult pasted = parseRegister(utf8ToCp1251(kPastedRegister), "12345678");
    ASSERT_EQ(pasted.rows.count(), 3u);
    EXPECT_EQ(pasted.rows.rows[1].AmountKop, 123456u);
    underEachLocale([&] {
        for (const char* name :
             {"register.xlsx", "register.xls", "register.ods", "register.csv", "register.slk",
              "register_tab_cp1251.csv", "register_1904.xlsx", "register_1904.xls",
              "register_second_sheet.xlsx", "register_second_sheet.ods"}) {
            const SheetText file = registerTextFromFile(registerFixture(name), name);
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
    });
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
        {"bad_cut_short.xls",
         "файл поврежден или записан не полностью (не открывается составной файл"},
        {"bad_zip_without_workbook.zip", "это архив zip, но в нем нет книги .xlsx или .ods"},
        {"bad_password.xlsx", "книга защищена паролем"},
        {"bad_password.xls", "книга защищена паролем"},
        {"bad_password.ods", "книга защищена паролем"},
        {"bad_no_sheets.xlsx", "в книге нет ни одного листа"},
        {"bad_too_many_cells.xlsx",
         "лист «Реестр» больше 100000 ячеек (занято 10001 строк по 11 столбцов)"},
        {"bad_formula_without_value.xlsx",
         "лист «Реестр», ячейка F3: формула без сохраненного значения"},
        {"bad_stray_quote.csv",
         "текст CSV не читается (строка 2: после закрывающей кавычки поля идет текст)"},
    };
    for (const auto& c : cases) {
        const std::string said = read(registerFixture(c.file), c.file);
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
        // Said, so that "Open" does not put nothing in the place of a pasted register.
        {"an empty file", "", "! Файл «r»: файл пуст (0 байт)"},
        {"only line ends", "\r\n\n", "! Файл «r»: в файле нет ни одной заполненной ячейки"},
    };
    underEachLocale([&] {
        for (const auto& c : cases) {
            EXPECT_EQ(read(c.file), c.expected) << c.label;
        }
    });
}

// Gnumeric writes what it keeps as doubles with all their digits, and dates year first; a
// client's name may take two lines.
TEST(RegisterTextFromFile, AGnumericCsvRegisterImportsAsItsSpreadsheetShowsIt) {
    const std::string file =
        "Invoices register for 12345678\n"
        "AGENT_CUSTNO,CLIENT_CUSTNO,CLIENT_CUSTNAME,INVOICE,INVOICE_DATE,INVOICE_DUE,INVOICE_TAX,"
        "INVOICE_SUMM,STATE,STATE_DATE\n"
        "10000001,00020001,\"ООО \"\"Ромашка\"\"\r\n(филиал)\",1234567890123,2013/03/15,"
        "599.39999999999998,107.89000000000001,707.28999999999999998,Оплачен,"
        "2013-03-20 00:00:00\n";
    underEachLocale([&] {
        const SheetText sheet = registerTextFromFile(file, "gnumeric.csv");
        ASSERT_TRUE(sheet.ok()) << cp1251ToUtf8(sheet.message);
        EXPECT_EQ(cp1251ToUtf8(sheet.text.substr(sheet.text.rfind('\n') + 1)),
                  "10000001\t00020001\tООО \"Ромашка\" (филиал)\t1234567890123\t15.03.2013\t"
                  "599.4\t107.89\t707.29\tОплачен\t20.03.2013");
        const SlkImportResult imported = parseRegister(sheet.text, "12345678");
        EXPECT_TRUE(imported.messages.empty());
        ASSERT_EQ(imported.rows.count(), 1u);
        const InvoiceRow& row = imported.rows.rows[0];
        EXPECT_EQ(row.InvoiceDate, "15.03.2013");
        EXPECT_EQ(row.AmountKop, 59940u);
        EXPECT_EQ(row.VatKop, 10789u);
        EXPECT_EQ(row.GrossKop, 70729u);
    });
}

TEST(RegisterTextFromFile, CsvNumbersBeyondADoublesDigitsReadAsTheDoubleTheyWrite) {
    const struct {
        const char* written;
        const char* read;
    } cases[] = {
        {"707.28999999999999998", "707.29"},
        {"-707.28999999999999998", "-707.29"},
        {"707.2899999999999999800", "707.29"},
        {"0.1000000000000000055511151231257827", "0.1"},
        {"1234567890123456", "1234567890123460"},
        {"123456789012345678", "123456789012346000"},
        // 15 significant digits or fewer, and what is not a plain decimal, stay as written.
        {"1234567890123", "1234567890123"},
        {"123456789.012345", "123456789.012345"},
        {"100000000000000000000", "100000000000000000000"},
        {"1500.00", "1500.00"},
        {"0012345678901234567", "0012345678901234567"},
        {"707,28999999999999998", "707,28999999999999998"},
        {"7.0728999999999999998E+2", "7.0728999999999999998E+2"},
        {"707.28999999999999998 руб.", "707.28999999999999998 руб."},
    };
    underEachLocale([&] {
        for (const auto& c : cases) {
            EXPECT_EQ(read("x;" + std::string(c.written) + "\n"), "x\t" + std::string(c.read))
                << c.written;
        }
    });
}

TEST(RegisterTextFromFile, CsvDatesWrittenYearFirstShowAsRegisterDatesInItsDateColumns) {
    const struct {
        const char* written;
        const char* shown; // nullptr: as written
    } cases[] = {
        {"2013-03-15", "15.03.2013"},
        {"2013/03/15", "15.03.2013"},
        {"2013-3-5", "05.03.2013"},
        {"2013-03-15 14:30", "15.03.2013"},
        {"2013/03/15 0:00:00", "15.03.2013"},
        {"2013-03-15T23:59:59.125", "15.03.2013"},
        {"2012-02-29", "29.02.2012"},
        {"2000-02-29", "29.02.2000"},
        {"1900-02-29", nullptr},
        {"2013-02-29", nullptr},
        {"2013-04-31", nullptr},
        {"2013-13-01", nullptr},
        {"2013-00-10", nullptr},
        {"0000-01-01", nullptr},
        {"2013-03-15 24:00", nullptr},
        {"2013-03-15 14:60", nullptr},
        {"2013-03-15 14", nullptr},
        {"2013-03-15 ", nullptr},
        {"2013-03/15", nullptr},
        {"2013-003-15", nullptr},
        {"13-03-15", nullptr},
        {"2013-03-15x", nullptr},
        {"15.03.2013", nullptr},
    };
    underEachLocale([&] {
        for (const auto& c : cases) {
            const std::string w = c.written;
            const std::string shown = c.shown != nullptr ? c.shown : w;
            EXPECT_EQ(read("INVOICE_DATE;OTHER;STATE_DATE\n" + w + ";" + w + ";" + w + "\n"),
                      "INVOICE_DATE\tOTHER\tSTATE_DATE\n" + shown + "\t" + w + "\t" + shown)
                << w;
        }
    });
}

TEST(RegisterTextFromFile, ACellLongerThanAnyRegistersIsRefusedNamingItsSheetAndCell) {
    const std::string longest(kMaxCellText, 'x');
    underEachLocale([&] {
        EXPECT_EQ(read("a;b\nc;" + longest + "\n"), "a\tb\nc\t" + longest);
        for (const std::string& cell :
             {longest + "x", "\"" + longest + "\"\"\"", std::string(kMaxCellText + 1, '7')}) {
            EXPECT_EQ(read("a;b\nc;" + cell + "\n", "long.csv"),
                      "! Файл «long.csv»: лист «CSV», ячейка B2: текст длиннее 4096 знаков; в "
                      "реестре таких ячеек не бывает");
        }
    });
}

TEST(RegisterTextFromFile, ALibrarysWordsInAMessageStayOnOneLine) {
    const struct {
        std::string words;
        std::string shown;
    } cases[] = {
        {"", ""},
        {"cut short", "cut short"},
        {"line one\nline two\r\n", "line one line two"},
        {" \t\x01tab  and\x7F control ", "tab and control"},
        {std::string(150, 'a') + "\n\n" + std::string(150, 'b'),
         std::string(150, 'a') + " " + std::string(49, 'b')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(libraryWords(c.words), c.shown) << c.words;
    }
    EXPECT_EQ(cp1251ToUtf8(damagedFileProblem("entry\nbroken\n")),
              "файл поврежден или записан не полностью (entry broken)");
    EXPECT_EQ(cp1251ToUtf8(damagedFileProblem("\r\n")), "файл поврежден или записан не полностью");
    const std::string csv = read(registerFixture("bad_stray_quote.csv"));
    EXPECT_EQ(csv.find_first_of("\r\n"), std::string::npos) << csv;
}

TEST(WorkbookCells, EveryReadersTextKeepsToOneFieldOfItsRow) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"ООО\nРомашка", "ООО Ромашка"},
        {"ООО\r\nРомашка", "ООО Ромашка"},
        {"ООО\rРомашка", "ООО Ромашка"},
        {"ООО\tРомашка", "ООО Ромашка"},
        {"a\n\nb", "a  b"},
        {"\x01z\x7F", " z "},
    };
    for (const auto& c : cases) {
        WorkbookCells book;
        const std::size_t sheet = book.addSheet("Реестр"_cp);
        book.setCell(sheet, 1, 1, {utf8ToCp1251(c.text), false});
        book.setCell(sheet, 2, 1, {"1", true});
        EXPECT_EQ(cp1251ToUtf8(book.registerText().text), c.shown + "\t1") << c.text;
    }

    WorkbookCells book;
    const std::size_t sheet = book.addSheet("Реестр"_cp);
    book.setCell(sheet, 1, 1, {std::string(kMaxCellText, 'x'), false});
    book.setCell(sheet, 27, 3, {std::string(kMaxCellText + 1, 'x'), false});
    book.setCell(sheet, 1, 4, {"later", false});
    EXPECT_EQ(cp1251ToUtf8(book.registerText().message),
              "лист «Реестр», ячейка AA3: текст длиннее 4096 знаков; в реестре таких ячеек не "
              "бывает");
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

// A CSV of formatted cells from a Russian spreadsheet: digit groups apart by a no-break space
// or a narrow one, in UTF-8.
TEST(RegisterTextFromFile, AmountsWithDigitGroupsFromACsvAreRead) {
    const std::string csv =
        "AGENT_CUSTNO;CLIENT_CUSTNO;CLIENT_CUSTNAME;INVOICE;INVOICE_DATE;INVOICE_DUE;"
        "INVOICE_TAX;INVOICE_SUMM;STATE;STATE_DATE\r\n"
        "A0000001;11111111;Клиент;1000000000001;15.03.2013;1\u00A0000,00;180,00;"
        "1\u202F180,00;paid;x\r\n";
    const SheetText text = registerTextFromFile(csv, "r.csv");
    ASSERT_TRUE(text.ok()) << cp1251ToUtf8(text.message);
    const SlkImportResult read = parseRegister(text.text, "12345678");
    ASSERT_EQ(read.rows.count(), 1u);
    EXPECT_EQ(read.rows.rows[0].AmountKop, 100000u);
    EXPECT_EQ(read.rows.rows[0].GrossKop, 118000u);
}

// Every entry of a zipped book is checked, for .xlsx as for .ods: damage in a part that holds no
// cell (here the document's properties) still makes the file a damaged one.
TEST(RegisterTextFromFile, DamageInAnyEntryOfAZippedBookIsSaid) {
    for (const char* name : {"register.xlsx", "register.ods"}) {
        SCOPED_TRACE(name);
        std::string bytes = registerFixture(name);
        const std::string part =
            std::string(name).ends_with(".xlsx") ? "docProps/app.xml" : "meta.xml";
        const std::size_t named = bytes.find(part);
        ASSERT_NE(named, std::string::npos) << part;
        // A byte inside the entry's packed data, past its local header.
        const std::size_t header = bytes.rfind("PK\x03\x04", named);
        ASSERT_NE(header, std::string::npos);
        const auto le16 = [&](std::size_t at) {
            return static_cast<std::size_t>(static_cast<unsigned char>(bytes[at])) |
                   static_cast<std::size_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        };
        const std::size_t data = header + 30 + le16(header + 26) + le16(header + 28);
        bytes[data + 2] = static_cast<char>(bytes[data + 2] ^ 0x55);
        const std::string said = read(bytes, name);
        EXPECT_EQ(said.rfind("! Файл «" + std::string(name) +
                                 "»: файл поврежден или записан не полностью",
                             0),
                  0u)
            << said;
    }
}

} // namespace
} // namespace kestrelon
