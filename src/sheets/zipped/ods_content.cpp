#include "ods_content.h"

#include "sheets/sylk_date.h"
#include "sheets/sylk_number.h"
#include "store/cp1251.h"
#include "xml_reader.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon {
namespace {

using Node = XmlReader::Node;

constexpr std::string_view kOfficeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kTextNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

constexpr int kLastColumn = 16384;
constexpr int kLastRow = 1048576;

bool is(const XmlReader& xml, std::string_view ns, std::string_view name) {
    return xml.node() == Node::Start && xml.localName() == name && xml.namespaceUri() == ns;
}

// A count attribute ("table:number-rows-repeated"); 1 when missing or unreadable, and never
// more than `most`, so that a hostile count cannot make a loop run on.
int repeatCount(XmlReader& xml, std::string_view name, int most) {
    const std::optional<std::string> text = xml.attribute(name, kTableNs);
    int count = 1;
    if (text) {
        const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), count);
        if (error != std::errc() || end != text->data() + text->size() || count < 1) {
            count = 1;
        }
    }
    return std::min(count, most);
}

class ContentReader {
public:
    ContentReader(std::string_view xml, WorkbookCells& book)
        : xml_(xml, "content.xml"), book_(book) {}

    void read() {
        while (xml_.read() && !book_.failed()) {
            if (is(xml_, kTableNs, "table")) {
                startSheet();
            } else if (is(xml_, kTableNs, "null-date")) {
                // In any form ISO 8601 allows: "1904-01-01", "1904-1-1", with a time.
                if (dateFromIsoDateTime(xml_.attribute("date-value", kTableNs).value_or("")) ==
                    "01.01.1904") {
                    book_.useDateSystem1904();
                }
            } else if (is(xml_, kTableNs, "table-row") && sheet_) {
                readRow();
            } else if (is(xml_, kOfficeNs, "annotation") || is(xml_, kTableNs, "shapes")) {
                xml_.skipElement();
            }
        }
    }

private:
    struct Placed {
        int x = 0;
        SheetCell cell;
    };

    void startSheet() {
        sheet_ = book_.addSheet(utf8ToCp1251(xml_.attribute("name", kTableNs).value_or("")));
        nextRow_ = 1;
    }

    // A row, repeated as its count says; rows past the sheet's last are written by programs
    // only to say that the rest of the sheet is empty.
    void readRow() {
        const int repeated = repeatCount(xml_, "number-rows-repeated", kLastRow);
        std::vector<Placed> cells;
        if (!xml_.emptyElement()) {
            const int depth = xml_.depth();
            int nextColumn = 1;
            while (xml_.read() && !(xml_.node() == Node::End && xml_.depth() == depth)) {
                if (is(xml_, kTableNs, "table-cell") || is(xml_, kTableNs, "covered-table-cell")) {
                    readCell(nextColumn, cells);
                }
            }
        }
        for (int r = 0; r < repeated && !cells.empty() && nextRow_ + r <= kLastRow; ++r) {
            for (const Placed& placed : cells) {
                book_.setCell(*sheet_, placed.x, nextRow_ + r, placed.cell);
            }
            if (book_.failed()) {
                return;
            }
        }
        nextRow_ = std::min(nextRow_ + repeated, kLastRow + 1);
    }

    void readCell(int& nextColumn, std::vector<Placed>& cells) {
        const int repeated = repeatCount(xml_, "number-columns-repeated", kLastColumn);
        std::optional<SheetCell> value = valueOf();
        if (value && !value->text.empty()) {
            for (int c = 0; c < repeated && nextColumn + c <= kLastColumn; ++c) {
                cells.push_back({nextColumn + c, *value});
            }
        }
        nextColumn = std::min(nextColumn + repeated, kLastColumn + 1);
    }

    // The cell's value as its type says, from its attributes or from the text it shows.
    std::optional<SheetCell> valueOf() {
        const std::string type = xml_.attribute("value-type", kOfficeNs).value_or("");
        const auto attribute = [&](std::string_view name) {
            return xml_.attribute(name, kOfficeNs);
        };
        std::optional<SheetCell> value;
        if (type == "float" || type == "percentage" || type == "currency") {
            if (const auto number = cellNumber(attribute("value").value_or(""))) {
                value = SheetCell{*number, true};
            }
        } else if (type == "date") {
            if (const auto date = dateFromIsoDateTime(attribute("date-value").value_or(""))) {
                value = SheetCell{*date, false};
            }
        } else if (type == "boolean") {
            const std::string b = attribute("boolean-value").value_or("");
            value = SheetCell{b == "true" || b == "1" ? "TRUE" : "FALSE", false};
        } else if (type == "string") {
            if (const auto text = attribute("string-value")) {
                value = SheetCell{utf8ToCp1251(*text), false};
            }
        }
        const std::string shown = shownText();
        if (!value && !shown.empty()) {
            value = SheetCell{utf8ToCp1251(shown), false};
        }
        return value;
    }

    // The paragraphs of a cell, one per line; notes and pictures are not the cell's text.
    std::string shownText() {
        std::string text;
        if (xml_.emptyElement()) {
            return text;
        }
        const int depth = xml_.depth();
        bool firstParagraph = true;
        while (xml_.read() && !(xml_.node() == Node::End && xml_.depth() == depth)) {
            if (is(xml_, kTextNs, "p") || is(xml_, kTextNs, "h")) {
                text += firstParagraph ? "" : "\n";
                firstParagraph = false;
                text += paragraphText();
            } else if (xml_.node() == Node::Start) {
                xml_.skipElement();
            }
        }
        return text;
    }

    // Spaces, tabs and line breaks written as elements become what they stand for; spans and
    // links give their text.
    std::string paragraphText() {
        std::string text;
        if (xml_.emptyElement()) {
            return text;
        }
        const int depth = xml_.depth();
        while (xml_.read() && !(xml_.node() == Node::End && xml_.depth() == depth)) {
            if (xml_.node() == Node::Text) {
                text += xml_.value();
            } else if (is(xml_, kTextNs, "s")) {
                const std::optional<std::string> c = xml_.attribute("c", kTextNs);
                int spaces = 1;
                if (c) {
                    std::from_chars(c->data(), c->data() + c->size(), spaces);
                }
                text.append(static_cast<std::size_t>(std::clamp(spaces, 1, 1000)), ' ');
            } else if (is(xml_, kTextNs, "tab")) {
                text += '\t';
            } else if (is(xml_, kTextNs, "line-break")) {
                text += '\n';
            } else if (xml_.node() == Node::Start && xml_.namespaceUri() != kTextNs) {
                xml_.skipElement();
            }
        }
        return text;
    }

    XmlReader xml_;
    WorkbookCells& book_;
    std::optional<std::size_t> sheet_;
    int nextRow_ = 1;
};

} // namespace

void readOpenDocumentContent(std::string_view contentXml, WorkbookCells& book) {
    ContentReader(contentXml, book).read();
}

} // namespace kestrelon
