#include "sheets/zipped/ods_content.h"

#include "sheets/zipped/zip_archive.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

std::string content(const std::string& tables, const std::string& settings = {}) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0">
<office:body><office:spreadsheet>)" +
           settings + tables + "</office:spreadsheet></office:body></office:document-content>";
}

// The paste text of the book, or "! " and its problem; UTF-8.
std::string pasted(const std::string& xml) {
    WorkbookCells book;
    try {
        readOpenDocumentContent(xml, book);
    } catch (const DamagedFile& e) {
        return "! " + cp1251ToUtf8(e.what());
    }
    const SheetText text = book.registerText();
    return text.ok() ? cp1251ToUtf8(text.text) : "! " + cp1251ToUtf8(text.message);
}

std::string table(const std::string& rows, const std::string& name = "Лист1") {
    return R"(<table:table table:name=")" + name + R"(">)" + rows + "</table:table>";
}

TEST(OpenDocumentContent, CellsAreReadAsTheSheetShowsThem) {
    const struct {
        const char* what;
        std::string rows;
        const char* text;
    } cases[] = {
        {"types",
         R"(<table:table-row>
              <table:table-cell office:value-type="float" office:value="1456.78"><text:p>1 456,78</text:p></table:table-cell>
              <table:table-cell office:value-type="date" office:date-value="2013-03-15T00:00:00"><text:p>15 мар</text:p></table:table-cell>
              <table:table-cell office:value-type="boolean" office:boolean-value="true"/>
              <table:table-cell office:value-type="string"><text:p>00020001</text:p></table:table-cell>
              <table:table-cell office:value-type="currency" office:value="99.900000000000006"/>
            </table:table-row>)",
         "1456.78\t15.03.2013\tTRUE\t00020001\t99.9"},
        {"text written as elements",
         R"(<table:table-row><table:table-cell office:value-type="string">
              <text:p>ИП<text:s text:c="2"/>Петров;<text:line-break/>филиал</text:p>
              <text:p><text:span>«Север»</text:span><text:tab/>x</text:p>
              <office:annotation><text:p>заметка</text:p></office:annotation>
            </table:table-cell></table:table-row>)",
         "ИП  Петров; филиал «Север» x"},
        {"repeated and covered cells, empty rows between",
         R"(<table:table-row><table:table-cell table:number-columns-repeated="2"/>
              <table:table-cell table:number-columns-repeated="2" office:value-type="float" office:value="7"/>
              <table:covered-table-cell/><table:table-cell office:value-type="string"><text:p>b</text:p></table:table-cell>
            </table:table-row>
            <table:table-row table:number-rows-repeated="2"><table:table-cell/></table:table-row>
            <table:table-row table:number-rows-repeated="2"><table:table-cell><text:p>c</text:p></table:table-cell></table:table-row>
            <table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>)",
         "\t\t7\t7\t\tb\n\t\t\t\t\t\n\t\t\t\t\t\nc\t\t\t\t\t\nc\t\t\t\t\t"},
        {"rows in groups and header rows",
         R"(<table:table-header-rows><table:table-row><table:table-cell><text:p>h</text:p></table:table-cell></table:table-row></table:table-header-rows>
            <table:table-row-group><table:table-row><table:table-cell><text:p>r</text:p></table:table-cell></table:table-row></table:table-row-group>)",
         "h\nr"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pasted(content(table(c.rows))), c.text) << c.what;
    }
}

TEST(OpenDocumentContent, NamedRangesAndTheDateSystemOfTheBook) {
    const std::string row =
        R"(<table:table-row><table:table-cell><text:p>INVOICE_DATE</text:p></table:table-cell></table:table-row>
           <table:table-row><table:table-cell office:value-type="float" office:value="39887"/></table:table-row>)";
    const std::string named =
        R"(<table:named-expressions><table:named-range table:name="Print_Area" table:base-cell-address="$'Реестр'.$A$1" table:cell-range-address="$'Реестр'.$A$1:.$J$5"/></table:named-expressions>)";
    EXPECT_EQ(pasted(content(table(row, "Реестр") + named)), "INVOICE_DATE\n15.03.2009");
    // The null date in any form ISO 8601 allows.
    for (const char* nullDate : {"1904-01-01", "1904-1-1", "1904-01-01T00:00:00"}) {
        SCOPED_TRACE(nullDate);
        const std::string in1904 =
            std::string(R"(<table:calculation-settings><table:null-date table:date-value=")") +
            nullDate + R"("/></table:calculation-settings>)";
        EXPECT_EQ(pasted(content(table(row), in1904)), "INVOICE_DATE\n16.03.2013");
    }
}

TEST(OpenDocumentContent, ARepeatedRowOfValuesIsRefusedAsTooLarge) {
    const std::string rows =
        R"(<table:table-row table:number-rows-repeated="1048576"><table:table-cell table:number-columns-repeated="16384" office:value-type="float" office:value="1"/></table:table-row>)";
    EXPECT_TRUE(pasted(content(table(rows))).starts_with("! лист «Лист1» больше 100000 ячеек"));
    EXPECT_TRUE(
        pasted(content("<table:table><table:table-row>")).starts_with("! часть «content.xml»"));
}

} // namespace
} // namespace kestrelon
