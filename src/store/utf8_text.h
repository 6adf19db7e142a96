#pragma once
// Text in UTF-8: what the windows show, messages, file names, command-line arguments and the
// exchange documents' data. The records' cp1251 strings are plain std::string; this type keeps
// the two apart, so that neither can be written as the other, and converts between them
// through the program's one codec.

#include "cp1251.h"

#include <string>
#include <string_view>
#include <utility>

namespace kestrelon {

class Utf8Text {
public:
    Utf8Text() = default;

    // Bytes already in UTF-8 (a literal of the source, an argument, a system message).
    static Utf8Text fromUtf8(std::string bytes) { return Utf8Text(std::move(bytes)); }
    // A record's text.
    static Utf8Text fromCp1251(std::string_view cp1251) { return Utf8Text(cp1251ToUtf8(cp1251)); }

    const std::string& utf8() const { return bytes_; }
    // As a record stores it: a character cp1251 cannot hold becomes '?'.
    std::string toCp1251() const { return utf8ToCp1251(bytes_); }
    bool empty() const { return bytes_.empty(); }

    friend bool operator==(const Utf8Text&, const Utf8Text&) = default;

private:
    explicit Utf8Text(std::string bytes) : bytes_(std::move(bytes)) {}

    std::string bytes_;
};

} // namespace kestrelon
