#pragma once
// The texts of a SYLK file: the file's code page and the text of a quoted cell value.

#include <string>
#include <string_view>

namespace kestrelon {

// The byte-order mark some writers put before UTF-8 text.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The file's bytes as cp1251 text. Writers use either code page and do not say which: a file
// that is valid UTF-8 is read as UTF-8 (a byte-order mark dropped), any other is cp1251 already.
// A cp1251 Russian text is practically never valid UTF-8, so the guess does not go wrong.
std::string sylkFileText(std::string_view bytes);

// A cell's text kept to one field of one TAB-separated line: a line break (CR LF, LF, CR, or
// ESC ":" in SYLK) becomes one space, and so does a TAB or any other control character; any
// other ESC, whose sequence depends on the writer, becomes a '?'.
std::string oneLineText(std::string_view text);

// The text of a quoted value, given without its opening quote: up to the field's end, one
// closing quote dropped and "" read as ". Some writers double inner quotes and some do not;
// both give the same text. Its line breaks (ESC ":") are left to oneLineText, which every
// reader's cells pass through.
std::string quotedText(std::string_view afterQuote);

} // namespace kestrelon
