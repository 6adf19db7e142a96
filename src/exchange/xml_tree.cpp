#include "xml_tree.h"

#include "store/cp1251.h"

#include <cstdio>

namespace kestrelon {
namespace {

// The UTF-8 sequence starting at `at` (well-formed input assumed checked by the caller).
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead >> 5) == 0x6) {
        return 2;
    }
    if ((lead >> 4) == 0xE) {
        return 3;
    }
    return 4;
}

char32_t codePoint(std::string_view seq) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(seq[i]); };
    switch (seq.size()) {
    case 1:
        return b(0);
    case 2:
        return ((b(0) & 0x1Fu) << 6) | (b(1) & 0x3Fu);
    case 3:
        return ((b(0) & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu);
    default:
        return ((b(0) & 0x07u) << 18) | ((b(1) & 0x3Fu) << 12) | ((b(2) & 0x3Fu) << 6) |
               (b(3) & 0x3Fu);
    }
}

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
            const std::size_t n =
                std::min(sequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
            const std::string_view seq = utf8.substr(at, n);
            at += n;
            const char32_t c = codePoint(seq);
            // U+0080..U+009F: what the byte 0x98, undefined in windows-1251, reads as.
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F)) {
                problems_.push_back(where + ": управляющий знак " + codeName(c) +
                                    " не допускается в XML");
                continue;
            }
            const std::string single = utf8ToCp1251(seq);
            if (c != '?' && single == "?") {
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
