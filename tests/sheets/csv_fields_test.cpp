#include "sheets/csv_fields.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

// Each field as "row,column:text", joined by "|"; or "! " and the error.
std::string fields(std::string_view text, char separator = ';') {
    std::string out;
    try {
        readCsvFields(text, separator,
                      [&](std::size_t row, std::size_t column, std::string_view f) {
                          out += (out.empty() ? "" : "|") + std::to_string(row) + "," +
                                 std::to_string(column) + ":" + std::string(f);
                      });
    } catch (const CsvSyntaxError& e) {
        return "! " + cp1251ToUtf8(e.what());
    }
    return out;
}

TEST(CsvFields, FieldsAndLinesAsSpreadsheetProgramsWriteThem) {
    const struct {
        std::string text;
        char separator;
        const char* fields;
    } cases[] = {
        {"a;b\nc;d\n", ';', "1,1:a|1,2:b|2,1:c|2,2:d"},
        {"a;b\r\nc\rd", ';', "1,1:a|1,2:b|2,1:c|3,1:d"},
        {"a;;\n\nb;", ';', "1,1:a|1,2:|1,3:|2,1:|3,1:b|3,2:"},
        {"\"x;y\";\"say \"\"hi\"\"\"\n\"two\r\nlines\";z", ';',
         "1,1:x;y|1,2:say \"hi\"|2,1:two\r\nlines|2,2:z"},
        {"\"\";a\"b\"", ';', "1,1:|1,2:a\"b\""},
        {"a\tb c\t\"d\te\"", '\t', "1,1:a|1,2:b c|1,3:d\te"},
        {"1,5;2", ',', "1,1:1|1,2:5;2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fields(c.text, c.separator), c.fields) << c.text;
    }
}

TEST(CsvFields, AQuoteThatBreaksAFieldNamesItsLine) {
    EXPECT_EQ(fields("a;b\n1;\"ООО \"Ромашка\"\"\n"),
              "! строка 2: после закрывающей кавычки поля идет текст");
    EXPECT_EQ(fields("a\n\"two\nlines\"x"),
              "! строка 3: после закрывающей кавычки поля идет текст");
    EXPECT_EQ(fields("a;b\n\"open\n;\n"), "! строка 2: кавычка поля не закрыта до конца текста");
}

} // namespace
} // namespace kestrelon
