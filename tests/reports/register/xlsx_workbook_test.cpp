#include "reports/register/register_file.h"

#include "sheets/zip_test_writer.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestrelon {
namespace {

using test::zipOf;
using test::ZipPart;

const std::string kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const std::string kStrictMain = "http://purl.oclc.org/ooxml/spreadsheetml/main";
const std::string kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const std::string kStrictRelationships = "http://purl.oclc.org/ooxml/officeDocument/relationships";
const std::string kPackage = "http://schemas.openxmlformats.org/package/2006/relationships";
const std::string kSheetPart = "xl/worksheets/sheet1.xml";

// An .xlsx package as spreadsheet libraries write one: a sheet "Лист1" whose <sheetData> holds
// `cells`, and the parts the variations add.
struct Xlsx {
    explicit Xlsx(std::string cells) : cells(std::move(cells)) {}

    Xlsx with(const std::function<void(Xlsx&)>& change) const {
        Xlsx changed = *this;
        change(changed);
        return changed;
    }

    std::string cells;
    std::string sharedStrings; // the <si> items; no part when empty
    std::string styles;        // what <styleSheet> holds; no part when empty
    std::string workbookPr = "<workbookPr/>";
    std::string packageTarget = "xl/workbook.xml"; // none: no package relationships
    std::string targetFolder;                      // "/xl/" for absolute targets
    std::string ns = kMain;
    std::string relationshipsNs = kRelationships;
};

std::string relationship(const std::string& id, const std::string& typeNs, const std::string& type,
                         const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + typeNs + "/" + type + "\" Target=\"" +
           target + "\"/>";
}

std::string relationships(const std::string& items) {
    return "<?xml version=\"1.0\"?><Relationships xmlns=\"" + kPackage + "\">" + items +
           "</Relationships>";
}

std::vector<ZipPart> partsOf(const Xlsx& x) {
    const std::string root = " xmlns=\"" + x.ns + "\" xmlns:r=\"" + x.relationshipsNs + "\"";
    std::vector<ZipPart> parts = {
        ZipPart("[Content_Types].xml", "<Types/>"),
        ZipPart("xl/workbook.xml", "<workbook" + root + ">" + x.workbookPr +
                                       "<sheets><sheet name=\"Лист1\" sheetId=\"1\" "
                                       "r:id=\"rId7\"/></sheets></workbook>"),
        ZipPart(kSheetPart, "<worksheet" + root + "><dimension ref=\"A1\"/><sheetData>" + x.cells +
                                "</sheetData></worksheet>"),
    };
    if (!x.packageTarget.empty()) {
        parts.emplace_back("_rels/.rels",
                           relationships(relationship("rId1", x.relationshipsNs, "officeDocument",
                                                      x.packageTarget)));
    }
    std::string items = relationship("rId7", x.relationshipsNs, "worksheet",
                                     x.targetFolder + "worksheets/sheet1.xml");
    if (!x.sharedStrings.empty()) {
        items += relationship("rId8", x.relationshipsNs, "sharedStrings",
                              x.targetFolder + "sharedStrings.xml");
        parts.emplace_back("xl/sharedStrings.xml",
                           "<sst" + root + ">" + x.sharedStrings + "</sst>");
    }
    if (!x.styles.empty()) {
        items += relationship("rId9", x.relationshipsNs, "styles", x.targetFolder + "styles.xml");
        parts.emplace_back("xl/styles.xml",
                           "<styleSheet" + root + ">" + x.styles + "</styleSheet>");
    }
    parts.emplace_back("xl/_rels/workbook.xml.rels", relationships(items));
    return parts;
}

// One part of the package changed as a damaged or hand-made file has it.
std::string changed(const std::vector<ZipPart>& parts, const std::string& name,
                    const std::function<ZipPart(const ZipPart&)>& change) {
    std::vector<ZipPart> all = parts;
    for (ZipPart& part : all) {
        part = part.name == name ? change(part) : part;
    }
    return zipOf(all);
}

std::string rows(int count) {
    std::string cells;
    for (int row = 1; row <= count; ++row) {
        cells += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) +
                 "\"><v>" + std::to_string(row) + "</v></c></row>";
    }
    return cells;
}

// The text, or "! " and the message; in UTF-8 so that a failure reads plainly.
std::string read(const std::string& file) {
    const SheetText r = registerTextFromFile(file, "r.xlsx");
    return r.ok() ? cp1251ToUtf8(r.text) : "! " + cp1251ToUtf8(r.message);
}

const std::string kDamaged = "! Файл «r.xlsx»: файл поврежден или записан не полностью (";

TEST(XlsxWorkbook, CellsReadAsSpreadsheetLibrariesWriteThem) {
    const Xlsx dates(
        R"(<row r="1"><c r="A1" s="1"><v>41348</v></c><c r="B1" s="2"><v>41349</v></c>)"
        R"(<c r="C1" s="3"><v>41350</v></c><c r="D1" s="0"><v>41351</v></c></row>)");
    const std::string datesStyles =
        R"(<numFmts count="1"><numFmt numFmtId="165" formatCode="dd\.mm\.yyyy"/></numFmts>)"
        R"(<cellStyleXfs><xf numFmtId="14"/></cellStyleXfs>)"
        R"(<cellXfs><xf numFmtId="0"/><xf numFmtId="165"/><xf numFmtId="14"/><xf numFmtId="4"/>)"
        R"(</cellXfs><dxfs><dxf><numFmt numFmtId="0" formatCode="General"/></dxf></dxfs>)";
    const std::string sharedTexts =
        R"(<row r="1"><c r="A1" t="s"><v>0</v></c>)"
        R"(<c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>2</v></c></row>)";
    const struct {
        const char* label;
        Xlsx book;
        const char* pasted;
    } cases[] = {
        {"inline texts, rich runs without their phonetic guide, a formula's text",
         Xlsx(R"(<row r="1"><c r="A1" t="inlineStr"><is><t>Имя</t></is></c>)"
              R"(<c r="B1" t="inlineStr"><is><r><t>ООО </t></r><r><rPr><b/></rPr>)"
              R"(<t xml:space="preserve">"Ромашка" </t></r><rPh sb="0" eb="1"><t>ロ</t></rPh>)"
              R"(</is></c>)"
              R"(<c r="C1" t="str"><f>A1&amp;"!"</f><v>Имя!</v></c></row>)"),
         "Имя\tООО \"Ромашка\" \tИмя!"},
        {"shared texts, runs joined, escaped characters", Xlsx(sharedTexts).with([](Xlsx& x) {
             x.sharedStrings = "<si><t>AGENT_CUSTNO</t></si><si><r><t>Опла</t></r><r><t>чен</t>"
                               "</r><rPh><t>x</t></rPh></si><si><t>Счет_x005F_1</t></si>";
         }),
         "AGENT_CUSTNO\tОплачен\tСчет_1"},
        {"numbers as shown, booleans, errors and ISO dates",
         Xlsx(R"(<row r="1"><c r="A1"><v>1456.7799999999999</v></c><c r="B1" t="n"><v>1.5E+3</v>)"
              R"(</c><c r="C1"><v>1234567890123</v></c><c r="D1" t="b"><v>1</v></c>)"
              R"(<c r="E1" t="e"><v>#DIV/0!</v></c><c r="F1" t="d"><v>2013-03-15T00:00:00</v></c>)"
              R"(<c r="G1"><v>-0.30000000000000004</v></c></row>)"),
         "1456.78\t1500\t1234567890123\tTRUE\t#DIV/0!\t15.03.2013\t-0.3"},
        {"date formats of the cell formats only, built-in and written",
         dates.with([&](Xlsx& x) { x.styles = datesStyles; }),
         "15.03.2013\t16.03.2013\t41350\t41351"},
        {"the 1904 date system",
         Xlsx(R"(<row r="1"><c r="A1" s="1"><v>39886</v></c></row>)").with([](Xlsx& x) {
             x.workbookPr = R"(<workbookPr date1904="1"/>)";
             x.styles = R"(<cellXfs><xf numFmtId="0"/><xf numFmtId="14"/></cellXfs>)";
         }),
         "15.03.2013"},
        {"cells and rows without names follow the ones before",
         Xlsx(R"(<row><c><v>1</v></c><c><v>2</v></c></row><row><c r="C2"><v>3</v></c><c><v>4</v>)"
              R"(</c></row><row><c t="inlineStr"><is><t>x</t></is></c></row>)"),
         "1\t2\t\t\n\t\t3\t4\nx\t\t\t"},
        {"absolute targets", Xlsx(sharedTexts).with([](Xlsx& x) {
             x.sharedStrings = "<si><t>a</t></si><si><t>b</t></si><si><t>c</t></si>";
             x.packageTarget = "/xl/workbook.xml";
             x.targetFolder = "/xl/";
         }),
         "a\tb\tc"},
        {"targets through \"..\"",
         Xlsx(R"(<row r="1"><c r="A1"><v>7</v></c></row>)").with([](Xlsx& x) {
             x.targetFolder = "../xl/./";
         }),
         "7"},
        {"no package relationships",
         Xlsx(R"(<row r="1"><c r="A1"><v>7</v></c></row>)").with([](Xlsx& x) {
             x.packageTarget.clear();
         }),
         "7"},
        {"the strict variant", Xlsx(sharedTexts).with([](Xlsx& x) {
             x.ns = kStrictMain;
             x.relationshipsNs = kStrictRelationships;
             x.sharedStrings = "<si><t>a</t></si><si><t>b</t></si><si><t>c</t></si>";
         }),
         "a\tb\tc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read(zipOf(partsOf(c.book))), c.pasted) << c.label;
    }
}

TEST(XlsxWorkbook, ADamagedPartIsToldAndNothingOfTheFileIsRead) {
    const std::vector<ZipPart> register801 = partsOf(Xlsx(rows(801)));
    const std::vector<ZipPart> texts =
        partsOf(Xlsx(R"(<row r="1"><c r="A1" t="s"><v>5</v></c></row>)").with([](Xlsx& x) {
            x.sharedStrings = "<si><t>a</t></si>";
        }));
    const std::string sheet = kSheetPart;
    const struct {
        const char* label;
        std::string file;
        std::string said; // "…" at its end: libxml2's own words follow
    } cases[] = {
        {"the sheet's local header states half its size",
         changed(register801, sheet,
                 [](const ZipPart& p) { return p.localHeaderStates(p.data.size() / 2); }),
         kDamaged + "часть «xl/worksheets/sheet1.xml» не совпадает с оглавлением архива)"},
        {"the shared texts' CRC",
         changed(texts, "xl/sharedStrings.xml", [](const ZipPart& p) { return p.crcStated(7); }),
         kDamaged + "часть «xl/sharedStrings.xml» не сходится с контрольной суммой)"},
        {"a sheet stated at 1 GB",
         changed(register801, sheet, [](const ZipPart& p) { return p.bothState(1u << 30); }),
         kDamaged + "часть «xl/worksheets/sheet1.xml» больше 256 МБ)"},
        {"package relationships stated at 4 GB",
         changed(register801, "_rels/.rels",
                 [](const ZipPart& p) { return p.bothState(0xFFFFFFF0u); }),
         kDamaged + "часть «_rels/.rels» больше 256 МБ)"},
        {"a shared text that is not there", zipOf(texts),
         kDamaged + "часть «xl/worksheets/sheet1.xml»: ячейка A1 ссылается на текст 5, которого "
                    "нет)"},
        {"a sheet part that is not there",
         changed(register801, sheet, [](const ZipPart& p) { return ZipPart("x" + p.name, ""); }),
         kDamaged + "нет части «xl/worksheets/sheet1.xml»)"},
        {"a cell of no name", zipOf(partsOf(Xlsx(R"(<row><c r="1A"><v>1</v></c></row>)"))),
         kDamaged + "часть «xl/worksheets/sheet1.xml»: ячейка с неверным именем «1A»)"},
        {"XML that is not well-formed",
         zipOf(partsOf(Xlsx(R"(<row r="1"><c r="A1"><v>1</v></row>)"))),
         kDamaged + "часть «xl/worksheets/sheet1.xml», строка 1: …"},
        {"a formula without its value",
         zipOf(partsOf(Xlsx(R"(<row r="2"><c r="A2" t="str"><f>""</f><v></v></c>)"
                            R"(<c r="B2"><f>1+1</f><v></v></c></row>)"))),
         "! Файл «r.xlsx»: лист «Лист1», ячейка B2: формула без сохраненного значения. Откройте "
         "файл в табличной программе, пересчитайте и сохраните его"},
        {"a text document's package",
         zipOf({ZipPart("[Content_Types].xml", "<Types/>"),
                ZipPart("_rels/.rels",
                        relationships(relationship("rId1", kRelationships, "officeDocument",
                                                   "word/document.xml"))),
                ZipPart("word/document.xml", "<document xmlns=\"http://schemas.openxmlformats.org/"
                                             "wordprocessingml/2006/main\"/>")}),
         "! Файл «r.xlsx»: это архив zip, но в нем нет книги .xlsx или .ods"},
    };
    for (const auto& c : cases) {
        const std::string said = read(c.file);
        if (c.said.ends_with("…")) {
            const std::string start = c.said.substr(0, c.said.size() - std::string("…").size());
            EXPECT_EQ(said.substr(0, start.size()), start) << c.label;
        } else {
            EXPECT_EQ(said, c.said) << c.label;
        }
    }
    EXPECT_EQ(read(zipOf(register801)).substr(0, 8), "1\n2\n3\n4\n");
}

// OpenDocument spreadsheets are read once every entry of their zip is checked.
std::vector<ZipPart> odsParts(const std::string& tableExtras) {
    const std::string content =
        R"(<?xml version="1.0" encoding="UTF-8"?><office:document-content )"
        R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
        R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
        R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">)"
        R"(<office:body><office:spreadsheet><table:table table:name="Реестр" )"
        R"(table:print-ranges="$'Реестр'.$A$1:.$B$1"><table:table-row>)"
        R"(<table:table-cell office:value-type="string"><text:p>AGENT_CUSTNO</text:p>)"
        R"(</table:table-cell><table:table-cell office:value-type="float" )"
        R"(office:value="10000001"/>)"
        R"(</table:table-row></table:table>)" +
        tableExtras + "</office:spreadsheet></office:body></office:document-content>";
    return {ZipPart("mimetype", "application/vnd.oasis.opendocument.spreadsheet").stored(),
            ZipPart("content.xml", content), ZipPart("settings.xml", "<office:document-settings/>"),
            ZipPart("META-INF/manifest.xml",
                    R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:)"
                    R"(xmlns:manifest:1.0"><manifest:file-entry manifest:full-path="/" )"
                    R"(manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>)"
                    R"(</manifest:manifest>)")};
}

TEST(OdsWorkbook, NamedRangesDoNotMatterAndEveryEntryIsCheckedFirst) {
    const std::vector<ZipPart> named = odsParts(
        R"(<table:named-expressions><table:named-range table:name="Область" )"
        R"(table:base-cell-address="$'Реестр'.$A$1" )"
        R"(table:cell-range-address="$'Реестр'.$A$1:.$B$1"/>)"
        R"(<table:named-range table:name="Чужое" table:base-cell-address="$'It''s.x'.$B$2" )"
        R"(table:cell-range-address="#REF!"/></table:named-expressions>)");
    const struct {
        const char* label;
        std::string file;
        std::string said;
    } cases[] = {
        {"named ranges and a print area", zipOf(named), "AGENT_CUSTNO\t10000001"},
        {"content stated at 1 GB",
         changed(named, "content.xml", [](const ZipPart& p) { return p.bothState(1u << 30); }),
         kDamaged + "часть «content.xml» больше 256 МБ)"},
        {"a wrong CRC in an entry the sheet does not need",
         changed(named, "settings.xml", [](const ZipPart& p) { return p.crcStated(3); }),
         kDamaged + "часть «settings.xml» не сходится с контрольной суммой)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read(c.file), c.said) << c.label;
    }
}

} // namespace
} // namespace kestrelon
