#include "each_locale.h"
#include "reports/register/slk_import.h"
#include "sheets/sylk_date.h"
#include "sheets/sylk_reader.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// A SYLK file with the given records between its ID and E records.
std::string sylk(const std::vector<std::string>& records, const std::string& eol = "\r\n") {
    std::string file = "ID;PWXL;N;E";
    for (const std::string& record : records) {
        file += eol + record;
    }
    return file + eol + "E" + eol;
}

// The pasted text, or "! " and the message; in UTF-8 so that a failure reads plainly.
std::string read(std::string_view bytes) {
    const SheetText r = registerTextFromSylk(bytes);
    return r.ok() ? cp1251ToUtf8(r.text) : "! " + cp1251ToUtf8(r.message);
}

struct Case {
    std::string label;
    std::string file;
    std::string expected;
};

void expectAll(const std::vector<Case>& cases) {
    underEachLocale([&] {
        for (const Case& c : cases) {
            EXPECT_EQ(read(c.file), c.expected) << c.label;
        }
    });
}

TEST(RegisterTextFromSylk, LaysOutTheCellsAsAPasteOfTheUsedArea) {
    expectAll({
        {"tidy",
         sylk({"B;Y2;X2;D0 0 1 1", "C;Y1;X1;K\"Name\"", "C;Y1;X2;K100", "C;Y2;X1;K\"Other\"",
               "C;Y2;X2;K200"}),
         "Name\t100\nOther\t200"},
        {"X and Y in either order, gaps as empty fields", sylk({"C;X3;Y1;K1", "C;Y3;X2;K2"}),
         "\t\t1\n\t\t\n\t2\t"},
        {"an omitted X keeps the column, an omitted Y the row, F moves too",
         sylk({"C;Y2;X1;K1", "C;X3;K3", "C;Y4;K4", "F;P0;FG0G;X2;Y5", "C;K5"}),
         "\t\t\n1\t\t3\n\t\t\n\t\t4\n\t5\t"},
        {"numbers in every form a writer uses",
         sylk({"C;Y1;X1;K1000", "C;X2;K1234.56", "C;X3;K0.5", "C;X4;K1.5E+3", "C;X5;K-2",
               "C;X6;K1.5e-2", "C;X7;K.5", "C;X8;K+007.250", "C;X9;K1.23456789012345678E+5",
               "C;X10;K-0.0", "C;X11;K12E-5"}),
         "1000\t1234.56\t0.5\t1500\t-2\t0.015\t0.5\t7.25\t123456.789012346\t0\t0.00012"},
        {"more than 15 significant digits are the double's, 15 or fewer stay as written",
         sylk({"C;Y1;X1;K707.28999999999999998", "C;X2;K-1456.7799999999999", "C;X3;K1234567890123",
               "C;X4;K123456789.012345", "C;X5;K1E+20"}),
         "707.29\t-1456.78\t1234567890123\t123456789.012345\t100000000000000000000"},
        {"texts, quotes doubled or not, TRUE and errors",
         sylk({"C;Y1;X1;K\"a;;b\"", "C;X2;K\"say \"\"hi\"\"\"", "C;X3;K\"say \"hi\"\"",
               "C;X4;K\"\"", "C;X5;KTRUE", "C;X6;K#N/A;E1/0", "C;X7;K\"open"}),
         "a;b\tsay \"hi\"\tsay \"hi\"\t\tTRUE\t#N/A\topen"},
        {"a cell keeps to one field of one line",
         sylk({"C;Y1;X1;K\"two\x1B :lines\"", "C;X2;K\"tab\there\"", "C;X3;K\"e\x1BNAe\"",
               "C;X4;K\"a\x1B:\x1B:b\""}),
         "two lines\ttab here\te?NAe\ta  b"},
        {"texts written year first show as dates in the date columns only",
         sylk({"C;Y1;X1;K\"INVOICE_DATE\"", "C;X2;K\"OTHER\"", "C;Y2;X1;K\"2013-03-15\"",
               "C;X2;K\"2013-03-15\"", "C;Y3;X1;K\"2013/02/29\""}),
         "INVOICE_DATE\tOTHER\n15.03.2013\t2013-03-15\n2013/02/29\t"},
        {"unknown records and cells without a value are skipped, and all after E",
         sylk({"O;L;D;V0;K47;G100 0.001", "NN;NTotal;ER1C1", "W;N1;A1 1", "P;FArial;M200",
               "C;Y1;X1;K1;ER1C1", "C;Y3;X4;ER1C1", "C;Y3;X5;K", "ZZ;X0"}) +
             "C;Y9;X9;K9\r\nnot a record",
         "1"},
        {"no cells", sylk({}), ""},
        {"LF", sylk({"C;Y1;X1;K1", "C;Y2;X2;K2"}, "\n"), "1\t\n\t2"},
        {"CR", sylk({"C;Y1;X1;K1", "C;Y2;X2;K2"}, "\r"), "1\t\n\t2"},
    });
}

TEST(RegisterTextFromSylk, ReadsUtf8AndCp1251Texts) {
    const std::string utf8 = sylk({"C;Y1;X1;K\"ООО \"\"Ромашка\"\"\"", "C;X2;K\"Сумма;; руб.\""});
    const std::string expected = "ООО \"Ромашка\"\tСумма; руб."; // read() gives UTF-8
    expectAll({{"UTF-8", utf8, expected},
               {"cp1251", utf8ToCp1251(utf8), expected},
               {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8, expected}});
}

TEST(RegisterTextFromSylk, ShowsDatesByHeaderAndByFormat) {
    // Formats 0..4: General, 0.00, two date formats and a time.
    const std::string formats = "P;PGeneral\nP;P0.00\nP;Pdd/mm/yyyy\nP;Pdd\\.mm\\.yyyy\nP;Ph:mm";
    const std::string file = sylk(
        {formats, "F;P3;C5", "F;P0;DG0G8;M255", "C;Y1;X1;K\"INVOICE_DATE\"", "C;X2;K\"STATE_DATE\"",
         "C;X3;K\"OTHER\"", "C;X4;K\"CELL\"", "C;X5;K\"COLUMN\"",
         // 2: day numbers, a time of day dropped; a cell and a column with a date format.
         "C;Y2;X1;K41348", "C;X2;K41348.75", "C;X3;K41348", "F;P2;X4;Y2", "C;K36585.5",
         "C;X5;K36526",
         // 3: no dates: out of range, a text, a time format, a number format over the column's.
         "C;Y3;X1;K-5", "C;X2;K20130315", "C;X3;K\"41348\"", "F;P4;X4;Y3", "C;K41348", "F;P1;Y3;X5",
         "C;K41348",
         // 4: the first and last days a spreadsheet has, and one past them.
         "C;Y4;X1;K1", "C;X2;K2958465", "F;X4;Y4;P2", "C;K2958466", "C;X5;K0"});
    expectAll({{"dates", file,
                "INVOICE_DATE\tSTATE_DATE\tOTHER\tCELL\tCOLUMN\n"
                "15.03.2013\t15.03.2013\t41348\t29.02.2000\t01.01.2000\n"
                "-5\t20130315\t41348\t41348\t41348\n"
                "31.12.1899\t31.12.9999\t\t2958466\t0"}});
}

TEST(IsDateFormat, FindsDayMonthYearCodesOnly) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"dd/mm/yyyy", true},
        {"DD.MM.YYYY", true},
        {"dd\\.mm\\.yyyy", true},
        {"mmm-yy", true},
        {"mmmm", true},
        {"[$-F800]dddd\\, mmmm dd\\, yyyy", true},
        {"d/m/yy h:mm", true},
        {"General", false},
        {"Standard", false},
        {"0.00", false},
        {"#,##0.00\" руб.\""_cp, false},
        {"h:mm:ss", false},
        {"[h]:mm", false},
        {"\"day\" 0", false},
        {"0\\d", false},
        {"0.00E+00", false},
        {"[Red]0.00;[Blue]-0.00", false},
    };
    for (const auto& [format, date] : cases) {
        EXPECT_EQ(isDateFormat(format), date) << format;
    }
}

TEST(RegisterTextFromSylk, RefusesFilesThatAreNotSylkOrDamaged) {
    const std::string notSylk = "! Это не файл SYLK: первая строка должна начинаться с \"ID\"";
    expectAll({
        {"empty", "", notSylk},
        {"a text file", "Дата;Сумма\r\n15.03.2013;100\r\n", notSylk},
        {"no ID", "C;Y1;X1;K1\r\nE\r\n", notSylk},
        {"ID not first", "\r\nID;P\r\nE\r\n", notSylk},
        {"IDs", "IDS;P\r\nE\r\n", notSylk},
        {"X0", sylk({"C;Y1;X1;K1", "C;Y2;X0;K1"}),
         "! Строка 3 файла: неверный номер столбца \"X0\" (столбцы от 1 до 256)"},
        {"X257 in F", sylk({"F;P0;X257;Y1"}),
         "! Строка 2 файла: неверный номер столбца \"X257\" (столбцы от 1 до 256)"},
        {"Y65537", sylk({"C;Y65537;X1;K1"}),
         "! Строка 2 файла: неверный номер строки \"Y65537\" (строки от 1 до 65536)"},
        {"Y-1", sylk({"C;X1;Y-1;K1"}),
         "! Строка 2 файла: неверный номер строки \"Y-1\" (строки от 1 до 65536)"},
        {"Ya", sylk({"C;X1;Ya;K1"}),
         "! Строка 2 файла: неверный номер строки \"Ya\" (строки от 1 до 65536)"},
        {"K12abc", sylk({"C;Y1;X1;K12abc"}),
         "! Строка 2 файла: неверное значение ячейки \"K12abc\": не число и не текст в кавычках"},
        {"K1,5", sylk({"C;Y1;X1;K1,5"}),
         "! Строка 2 файла: неверное значение ячейки \"K1,5\": не число и не текст в кавычках"},
        {"K1E+999", sylk({"C;Y1;X1;K1E+999"}),
         "! Строка 2 файла: неверное значение ячейки \"K1E+999\": не число и не текст в "
         "кавычках"},
        {"lines counted over CR and blank lines", "ID\r\rC;Y1;X1;K1\rC;X0\rE",
         "! Строка 4 файла: неверный номер столбца \"X0\" (столбцы от 1 до 256)"},
        {"lines counted over CR LF and blank lines", "ID\r\n\r\n\nC;X0\r\nE",
         "! Строка 4 файла: неверный номер столбца \"X0\" (столбцы от 1 до 256)"},
        {"a text longer than any register's cell",
         sylk({"C;Y1;X1;K1", "C;Y2;X3;K\"" + std::string(4097, 'x') + "\""}),
         "! Строка 3 файла: лист «SYLK», ячейка C2: текст длиннее 4096 знаков; в реестре таких "
         "ячеек не бывает"},
        {"a sheet larger than any register", sylk({"C;Y1;X1;K1", "C;Y65536;X256;K2"}),
         "! Строка 3 файла: лист «SYLK» больше 100000 ячеек (занято 65536 строк по 256 "
         "столбцов); реестр столько не содержит"},
        {"cut off before E", "ID;P\r\nC;Y1;X1;K1\r\nC;Y2;X1;K12",
         "! Файл обрывается после строки 3: нет завершающей записи \"E\". Возможно, он записан "
         "не полностью."},
    });
}

TEST(RegisterTextFromSylk, GivesARegisterThatTheImportReads) {
    const std::vector<std::string> header = {
        "AGENT_CUSTNO", "CLIENT_CUSTNO", "CLIENT_CUSTNAME", "INVOICE", "INVOICE_DATE",
        "INVOICE_DUE",  "INVOICE_TAX",   "INVOICE_SUMM",    "STATE",   "STATE_DATE"};
    std::vector<std::string> records = {"P;PGeneral", "P;Pdd/mm/yyyy", "F;P1;C10",
                                        "C;Y1;X1;K\"Invoices register for 12345678\""};
    for (std::size_t x = 0; x < header.size(); ++x) {
        records.push_back("C;X" + std::to_string(x + 1) + ";Y2;K\"" + header[x] + "\"");
    }
    records.insert(
        records.end(),
        {"C;Y3;X1;K\"A0000001\"", "C;X2;K\"C0000001\"", "C;X3;K\"ООО \"Ромашка\"\"",
         "C;X4;K\"I000000000001\"", "C;X5;K41348", "C;X6;K1234.56", "C;X7;K222.22", "C;X8;K1456.78",
         "C;X9;K\"Оплачен\"", "C;X10;K41353",
         // The next row written by a writer that puts X first and fills the row by X alone.
         "C;X1;Y4;K\"A0000001\"", "C;X2;K\"C0000002\"", "C;X3;K\"ИП Иванов\"",
         "C;X4;K\"I000000000002\"", "C;X5;K\"31.03.2013\"", "C;X6;K1.5E+3", "C;X7;K270",
         "C;X8;K1770", "C;X9;K\"Выставлен\"", "C;X10;K41364.5"});
    underEachLocale([&] {
        const SheetText sylkText = registerTextFromSylk(sylk(records));
        ASSERT_TRUE(sylkText.ok()) << cp1251ToUtf8(sylkText.message);
        EXPECT_EQ(cp1251ToUtf8(sylkText.text.substr(sylkText.text.rfind('\n') + 1)),
                  "A0000001\tC0000002\tИП Иванов\tI000000000002\t31.03.2013\t1500\t270\t1770\t"
                  "Выставлен\t31.03.2013");

        const SlkImportResult imported = parseRegister(sylkText.text, "12345678");
        EXPECT_TRUE(imported.messages.empty());
        ASSERT_EQ(imported.rows.count(), 2u);
        const InvoiceRow& first = imported.rows.rows[0];
        EXPECT_EQ(first.ClientContractNo, "C0000001");
        EXPECT_EQ(first.InvoiceNo, "I000000000001");
        EXPECT_EQ(first.InvoiceDate, "15.03.2013");
        EXPECT_EQ(first.AmountKop, 123456u);
        EXPECT_EQ(first.VatKop, 22222u);
        EXPECT_EQ(first.GrossKop, 145678u);
        const InvoiceRow& second = imported.rows.rows[1];
        EXPECT_EQ(second.ClientContractNo, "C0000002");
        EXPECT_EQ(second.InvoiceDate, "31.03.2013");
        EXPECT_EQ(second.AmountText, "1500");
        EXPECT_EQ(second.AmountKop, 150000u);
        EXPECT_EQ(second.GrossKop, 177000u);

        EXPECT_EQ(parseRegister(sylkText.text, "87654321").rows.count(), 0u)
            << "the title still names the contract";
    });
}

} // namespace
} // namespace kestrelon
