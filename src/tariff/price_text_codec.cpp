#include "price_text_codec.h"

#include "store/cp1251.h"

#include <cstdint>

namespace kestrelon::tariff {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

LineEnd firstLineEnd(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos || text[at] == '\n') {
        return LineEnd::Lf;
    }
    return at + 1 < text.size() && text[at + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

std::string withLineFeeds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

std::string_view lineEndText(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::Lf:
        break;
    }
    return "\n";
}

} // namespace

FileText decodeTextFile(std::string_view bytes) {
    FileText file;
    // A cp1251 list may begin with the letters "п»ї", the same three bytes as the mark; they
    // are a mark only when the rest is UTF-8 too, else the names would read as "?" and be
    // written so.
    const bool marked = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
    const bool utf8 = isWellFormedUtf8(marked ? bytes.substr(kByteOrderMark.size()) : bytes);
    file.format.byteOrderMark = marked && utf8;
    if (file.format.byteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    file.format.encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::Cp1251;
    file.format.lineEnd = firstLineEnd(bytes);
    file.utf8 = withLineFeeds(utf8 ? std::string(bytes) : cp1251ToUtf8(bytes));
    return file;
}

std::string encodeTextFile(std::string_view utf8, const TextFormat& format) {
    std::string text;
    text.reserve(utf8.size() + utf8.size() / 16);
    const std::string_view lineEnd = lineEndText(format.lineEnd);
    for (const char c : utf8) {
        if (c == '\n') {
            text += lineEnd;
        } else {
            text += c;
        }
    }
    if (format.encoding == TextEncoding::Cp1251) {
        return utf8ToCp1251(text);
    }
    return format.byteOrderMark ? std::string(kByteOrderMark) + text : text;
}

std::string encodeLines(const std::vector<std::string>& lines, const TextFormat& format) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return encodeTextFile(cp1251ToUtf8(text), format);
}

} // namespace kestrelon::tariff
