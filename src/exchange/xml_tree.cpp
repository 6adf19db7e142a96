#include "xml_tree.h"

#include "store/cp1251.h"

#include <cstdio>

namespace kestrelon {
namespace {

std::string codeName(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

class Writer {
public:
    void element(const XmlElement& e, int depth, const std::string& path) {
        const std::string here = path.empty() ? e.name : path + "/" + e.name;
        out_ += std::string(static_cast<std::size_t>(depth), '\t');
        out_ += "<" + encode(e.name, here);
        for (const auto& [name, value] : e.attributes) {
            if (!value.empty()) {
                out_ += " " + encode(name, here) + "=\"" +
                        encode(escapeXml(value), here + "/@" + name) + "\"";
            }
        }
        if (e.children.empty() && e.text.empty()) {
            out_ += "/>\r\n";
            return;
        }
        if (e.children.empty()) {
            out_ += ">" + encode(escapeXml(e.text), here) + "</" + encode(e.name, here) + ">\r\n";
            return;
        }
        out_ += ">\r\n";
        for (const XmlElement& c : e.children) {
            element(c, depth + 1, here);
        }
        out_ += std::string(static_cast<std::size_t>(depth), '\t') + "</" + encode(e.name, here) +
                ">\r\n";
    }

    XmlBytes finish() {
        XmlBytes result;
        result.problems = std::move(problems_);
        if (result.problems.empty()) {
            result.bytes = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n" + out_;
        }
        return result;
    }

private:
    // The text in windows-1251; every character that cannot be written is named once.
    std::string encode(std::string_view utf8, const std::string& where) {
        if (!isWellFormedUtf8(utf8)) {
            problems_.push_back(where + ": текст не в кодировке UTF-8");
            return {};
        }
        std::string bytes;
        for (std::size_t at = 0; at < utf8.size();) {
            const std::size_t start = at;
            const char32_t c = nextUtf8(utf8, at);
            const std::string_view seq = utf8.substr(start, at - start);
            // U+0080..U+009F: what the byte 0x98, undefined in windows-1251, reads as.
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F)) {
                problems_.push_back(where + ": управляющий знак " + codeName(c) +
                                    " не допускается в XML");
                continue;
            }
            const char single = cp1251Of(c);
            if (c != '?' && single == '?') {
                problems_.push_back(where + ": знак «" + std::string(seq) + "» (" + codeName(c) +
                                    ") не записывается в кодировке windows-1251");
                continue;
            }
            bytes += single;
        }
        return bytes;
    }

    std::string out_;
    std::vector<std::string> problems_;
};

} // namespace

std::string escapeXml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

XmlBytes writeXmlCp1251(const XmlElement& root) {
    Writer writer;
    writer.element(root, 0, {});
    return writer.finish();
}

} // namespace kestrelon
