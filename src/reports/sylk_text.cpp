#include "sylk_text.h"

#include "store/cp1251.h"

#include <cstddef>
#include <cstdint>

namespace kestrelon {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kEscape = '\x1B';

std::uint8_t byteAt(std::string_view text, std::size_t pos) {
    return static_cast<std::uint8_t>(text[pos]);
}

// The length of the well-formed UTF-8 sequence at text[pos], or 0: no overlong forms, no
// surrogates, nothing past U+10FFFF.
std::size_t utf8SequenceAt(std::string_view text, std::size_t pos) {
    const std::uint8_t lead = byteAt(text, pos);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80; // the range of the byte after the lead
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size() || byteAt(text, pos + 1) < low || byteAt(text, pos + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byteAt(text, pos + i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceAt(text, pos);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

// The length of the line break ESC ":" (some writers put a space after the ESC) at text[pos].
std::size_t lineBreakAt(std::string_view text, std::size_t pos) {
    for (const std::string_view lineBreak : {"\x1B:", "\x1B :"}) {
        if (text.substr(pos, lineBreak.size()) == lineBreak) {
            return lineBreak.size();
        }
    }
    return 0;
}

} // namespace

std::string sylkFileText(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    return isValidUtf8(bytes) ? utf8ToCp1251(bytes) : std::string(bytes);
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
    return oneLineText(text);
}

} // namespace kestrelon
