#pragma once
// The texts of an Excel 95-2003 workbook stream, as cp1251: Excel 97 strings (UTF-16, or one
// byte a character when every character is below U+0100), which may go on in the CONTINUE
// records after their own, Excel 95 strings in the workbook's code page, and the shared
// strings table that text cells point into.

#include "biff_bytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon::biff {

// The bytes of a record and of the CONTINUE records after it, read as one run: each CONTINUE
// record is taken from `more` once the bytes before it are read, so that no count of records
// costs memory. Every read throws Damaged when the bytes end before it does.
class ContinuedBytes {
public:
    ContinuedBytes(std::uint16_t id, std::string_view body, RecordReader* more = nullptr);

    bool atEnd() const;
    std::uint8_t byte();
    std::uint16_t u16();
    std::uint32_t u32();
    void skip(std::size_t count);

    // An Excel 97 string appended to `out`: a character count of `countBytes` bytes (1 or 2),
    // its option flags, the characters, then its rich-text runs and phonetic data, skipped.
    // Where the characters go on in the next record, that record starts with the flags again,
    // as a writer may store each record's part one byte a character or two.
    void unicodeString(std::size_t countBytes, std::string& out);

private:
    void characters(std::size_t count, bool twoBytes, std::string& out);
    // Moves to the next record once the current one is read; false when there is none.
    bool nextFragment();

    std::uint16_t id_;
    std::string_view here_;
    std::size_t at_ = 0;
    RecordReader* more_;
};

// An Excel 95 string: one byte a character in the workbook's code page (the CODEPAGE record's).
// Code page 1251 stays as it is; 1252 goes through Unicode; of any other only ASCII is kept.
std::string byteString(std::string_view bytes, unsigned codePage);

// The shared strings table (SST): text cells of Excel 97 files give an index into it.
class SharedStrings {
public:
    // The table's record with its CONTINUE records.
    void read(ContinuedBytes& bytes);
    std::optional<std::string_view> text(std::uint32_t index) const;

private:
    // One run of every text, and where each ends: a hostile table of millions of empty
    // strings then costs four bytes each rather than a std::string.
    std::string texts_;
    std::vector<std::uint32_t> ends_;
};

} // namespace kestrelon::biff
