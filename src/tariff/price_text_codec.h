#pragma once
// Price-list text files as users have them: UTF-8 (with or without a byte-order mark) from
// newer programs, Windows-1251 from older ones, with Windows or Unix line ends. A list is
// written back the way it was read, so the program that made it reads it again.
//
// The file's text travels as UTF-8 with '\n' line breaks here, so that a list opened and
// saved again loses no character; the lines the tool reads and writes are cp1251 as always.

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::tariff {

enum class TextEncoding { Utf8, Cp1251 };
enum class LineEnd { Lf, CrLf, Cr };

// A text never opened from a file is written as UTF-8 with '\n' line ends.
struct TextFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    LineEnd lineEnd = LineEnd::Lf;
    bool operator==(const TextFormat&) const = default;
};

struct FileText {
    std::string utf8; // line breaks as '\n'
    TextFormat format;
};

// A file whose bytes after a byte-order mark, if any, are all well-formed UTF-8 is UTF-8; any
// other is cp1251 (a Russian cp1251 text is practically never valid UTF-8), and its leading
// bytes that look like a mark are text. The first line
// break found gives the line ends; every "\r\n" and lone "\r" is read as a line break.
FileText decodeTextFile(std::string_view bytes);

// The bytes of a file holding the text (UTF-8, '\n' line breaks) in the given format. A
// character cp1251 cannot hold is written as '?'.
std::string encodeTextFile(std::string_view utf8, const TextFormat& format);

// The bytes of a file holding the cp1251 lines, each followed by a line end.
std::string encodeLines(const std::vector<std::string>& lines, const TextFormat& format);

} // namespace kestrelon::tariff
