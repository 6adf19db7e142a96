#pragma once
// Text inside the program is code page 1251, one byte per character, as the
// records store it. These convert at the boundary to and from UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelon {

// A character that cp1251 cannot hold becomes '?'. Malformed UTF-8 bytes become '?' as well.
std::string utf8ToCp1251(std::string_view utf8);
std::string cp1251ToUtf8(std::string_view cp1251);

// The one codec of the program: every other place that meets UTF-8 or a character code goes
// through these.
// One character as cp1251; '?' for one that cp1251 cannot hold.
char cp1251Of(char32_t codePoint);
// The character of the UTF-8 text at `pos` (U+FFFD for a malformed sequence); advances `pos`.
char32_t nextUtf8(std::string_view text, std::size_t& pos);
// Appends one character as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

// Well-formed UTF-8 throughout: no overlong forms, no surrogates, nothing past U+10FFFF. A
// file that is well-formed UTF-8 is taken as UTF-8, any other as cp1251.
bool isWellFormedUtf8(std::string_view text);

// Russian literals in the core are written in UTF-8: "Дата"_cp is their cp1251 form.
inline std::string operator""_cp(const char* text, std::size_t size) {
    return utf8ToCp1251(std::string_view(text, size));
}

} // namespace kestrelon
