#pragma once
// Cutting a SYLK file into records and their fields.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// One line of the file. The first field is the record's type ("ID", "C", "F", ...); each other
// field starts with the letter that names it ("X12", "K\"text\"").
struct SylkRecord {
    std::size_t line = 0; // 1-based, counted over every line of the file
    std::vector<std::string> fields;

    std::string_view type() const { return fields.front(); }
};

// The records of a file whose lines end in CR LF, LF or CR; empty lines give none. Fields are
// cut at ";", and ";;" is a ";" inside a field; empty fields are dropped.
std::vector<SylkRecord> sylkRecords(std::string_view text);

} // namespace kestrelon
