#pragma once
// The fields of CSV text as spreadsheet programs write it: cut at a separator, lines ended by
// "\n", "\r\n" or "\r"; a field in double quotes may hold the separator, line ends and doubled
// quotes. A quote inside a field that does not start with one is an ordinary character.

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace kestrelon {

// Text that cannot be cut into fields; what() is cp1251 and names the line.
class CsvSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Called for every field, an empty one too; `row` and `column` count from 1, rows as records
// (a quoted line break does not start one).
using CsvFieldSink =
    std::function<void(std::size_t row, std::size_t column, std::string_view text)>;

// CsvSyntaxError for text after a field's closing quote and for a quote never closed.
void readCsvFields(std::string_view text, char separator, const CsvFieldSink& field);

} // namespace kestrelon
