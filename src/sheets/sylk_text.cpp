#include "sylk_text.h"

#include "store/cp1251.h"

#include <cstddef>
#include <cstdint>

namespace kestrelon {
namespace {

constexpr char kEscape = '\x1B';

// The length of the line break at text[pos]: CR LF, or SYLK's ESC ":" (some writers put a
// space after the ESC). One line break is one space, whatever bytes write it.
std::size_t lineBreakAt(std::string_view text, std::size_t pos) {
    for (const std::string_view lineBreak : {"\r\n", "\x1B:", "\x1B :"}) {
        if (text.substr(pos, lineBreak.size()) == lineBreak) {
            return lineBreak.size();
        }
    }
    return 0;
}

} // namespace

std::string sylkFileText(std::string_view bytes) {
    if (bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return isWellFormedUtf8(bytes) ? utf8ToCp1251(bytes) : std::string(bytes);
}

std::string oneLineText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const std::size_t lineBreak = lineBreakAt(text, pos);
        const auto c = static_cast<std::uint8_t>(text[pos]);
        if (lineBreak != 0) {
            out += ' ';
            pos += lineBreak - 1;
        } else if (text[pos] == kEscape) {
            out += '?';
        } else {
            out += c < 0x20 || c == 0x7F ? ' ' : text[pos];
        }
    }
    return out;
}

std::string quotedText(std::string_view afterQuote) {
    if (!afterQuote.empty() && afterQuote.back() == '"') {
        afterQuote.remove_suffix(1);
    }
    std::string text;
    for (std::size_t pos = 0; pos < afterQuote.size(); ++pos) {
        text += afterQuote[pos];
        if (afterQuote[pos] == '"' && pos + 1 < afterQuote.size() && afterQuote[pos + 1] == '"') {
            ++pos;
        }
    }
    return text;
}

} // namespace kestrelon
