#include "xlsx_parts.h"

#include "sheets/sylk_date.h"
#include "sheets/workbook_cells.h"
#include "store/cp1251.h"
#include "xlsx_package.h"
#include "zip_archive.h"

#include <charconv>
#include <map>
#include <optional>

namespace kestrelon {
namespace {

// Far beyond any register's workbook; the limits keep a small hostile file from making the
// reader hold gigabytes of sheets, texts or formats.
constexpr std::size_t kMaxSheets = 4096;
constexpr std::size_t kMaxSharedTexts = 10 * kMaxSheetCells;
// Spreadsheet programs keep fewer formats than this; numbers beyond it name no date format.
constexpr std::size_t kMaxFormats = 65536;

using Node = XmlReader::Node;

std::optional<std::size_t> unsignedNumber(std::string_view text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The root element must be `rootName`; DamagedFile otherwise.
void readRoot(XmlReader& xml, std::string_view rootName, std::string_view part) {
    while (xml.read()) {
        if (xml.node() == Node::Start) {
            if (!isSpreadsheetMl(xml, rootName)) {
                break;
            }
            return;
        }
    }
    throw DamagedFile("часть «"_cp + utf8ToCp1251(part) + "» не та, что указана в книге"_cp);
}

// The elements one level below the root: `take` is given each one's start and leaves the
// reader on its end.
template <typename Take> void forEachChild(XmlReader& xml, Take&& take) {
    while (xml.read()) {
        if (xml.node() == Node::Start && xml.depth() == 1) {
            take();
        }
    }
}

// The built-in formats of Office Open XML that a file names without a code: 14-17 and 22 are
// dates, 27-36 and 50-58 the dates of East Asian locales.
bool isBuiltInDateFormat(std::size_t id) {
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

} // namespace

WorkbookPart readWorkbookPart(std::string_view xml, std::string_view part) {
    XmlReader reader(xml, part);
    readRoot(reader, "workbook", part);
    WorkbookPart workbook;
    forEachChild(reader, [&] {
        if (isSpreadsheetMl(reader, "workbookPr")) {
            const std::string date1904 = reader.attribute("date1904").value_or("");
            workbook.dateSystem1904 = date1904 == "1" || date1904 == "true";
        } else if (isSpreadsheetMl(reader, "sheets") && !reader.emptyElement()) {
            while (reader.read() && reader.depth() > 1) {
                if (reader.node() != Node::Start || !isSpreadsheetMl(reader, "sheet")) {
                    continue;
                }
                if (workbook.sheets.size() == kMaxSheets) {
                    throw NotARegister("в книге больше "_cp + std::to_string(kMaxSheets) +
                                       " листов; реестр столько не содержит"_cp);
                }
                std::optional<std::string> id = reader.attribute("id", kRelationshipsNs);
                if (!id) {
                    id = reader.attribute("id", kStrictRelationshipsNs);
                }
                workbook.sheets.push_back({reader.attribute("name").value_or(""), id.value_or("")});
            }
            return;
        }
        reader.skipElement();
    });
    return workbook;
}

bool isWorkbookPart(std::string_view xml, std::string_view part) {
    XmlReader reader(xml, part);
    while (reader.read()) {
        if (reader.node() == Node::Start) {
            return isSpreadsheetMl(reader, "workbook");
        }
    }
    return false;
}

std::vector<std::string> readSharedStrings(std::string_view xml, std::string_view part) {
    XmlReader reader(xml, part);
    readRoot(reader, "sst", part);
    std::vector<std::string> texts;
    forEachChild(reader, [&] {
        if (!isSpreadsheetMl(reader, "si")) {
            reader.skipElement();
            return;
        }
        if (texts.size() == kMaxSharedTexts) {
            throw NotARegister("в книге больше "_cp + std::to_string(kMaxSharedTexts) +
                               " текстов; реестр столько не содержит"_cp);
        }
        texts.push_back(readRichText(reader));
    });
    return texts;
}

std::vector<bool> readDateFormats(std::string_view xml, std::string_view part) {
    XmlReader reader(xml, part);
    readRoot(reader, "styleSheet", part);
    std::map<std::size_t, bool> codeShowsDate; // by the number a cell format names
    std::vector<std::size_t> cellFormats;      // each one's number format
    // A number format of the list, or a cell format of the list.
    const auto readList = [&](std::string_view item, auto&& take) {
        if (reader.emptyElement()) {
            return;
        }
        while (reader.read() && reader.depth() > 1) {
            if (reader.node() == Node::Start && reader.depth() == 2 &&
                isSpreadsheetMl(reader, item)) {
                take(unsignedNumber(reader.attribute("numFmtId").value_or("0")));
            }
        }
    };
    forEachChild(reader, [&] {
        if (isSpreadsheetMl(reader, "numFmts")) {
            readList("numFmt", [&](std::optional<std::size_t> id) {
                if (id && *id < kMaxFormats) {
                    codeShowsDate[*id] = isDateFormat(reader.attribute("formatCode").value_or(""));
                }
            });
        } else if (isSpreadsheetMl(reader, "cellXfs")) {
            readList("xf", [&](std::optional<std::size_t> id) {
                if (cellFormats.size() < kMaxFormats) {
                    cellFormats.push_back(id.value_or(0));
                }
            });
        } else {
            reader.skipElement();
        }
    });
    std::vector<bool> showsDate;
    for (const std::size_t id : cellFormats) {
        const auto code = codeShowsDate.find(id);
        showsDate.push_back(code != codeShowsDate.end() ? code->second : isBuiltInDateFormat(id));
    }
    return showsDate;
}

std::string readRichText(XmlReader& xml) {
    std::string text;
    if (xml.emptyElement()) {
        return text;
    }
    const int start = xml.depth();
    while (xml.read() && !(xml.node() == Node::End && xml.depth() == start)) {
        if (xml.node() != Node::Start || isSpreadsheetMl(xml, "r")) {
            continue; // a run's text is read as it comes
        }
        if (isSpreadsheetMl(xml, "t")) {
            text += xml.elementText();
        } else {
            xml.skipElement(); // run properties, phonetic runs and their properties
        }
    }
    return spreadsheetText(text);
}

std::string spreadsheetText(std::string_view utf8) {
    std::string decoded;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        std::size_t code = 0;
        if (utf8[i] == '_' && i + 6 < utf8.size() && utf8[i + 1] == 'x' && utf8[i + 6] == '_') {
            const std::string_view hex = utf8.substr(i + 2, 4);
            const auto [end, error] =
                std::from_chars(hex.data(), hex.data() + hex.size(), code, 16);
            if (error == std::errc() && end == hex.data() + hex.size()) {
                appendUtf8(decoded, static_cast<char32_t>(code));
                i += 6;
                continue;
            }
        }
        decoded += utf8[i];
    }
    return utf8ToCp1251(decoded);
}

} // namespace kestrelon
