#pragma once
// Reading a price list's text into the table: each line is a name followed by its price.

#include "price_table.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kestrelon::tariff {

struct ParseOutcome {
    std::size_t count = 0;          // lines read into the table
    std::size_t tooDear = 0;        // left out: a price above 655.35
    std::size_t beyondCapacity = 0; // left out: priced lines after the 2047th

    std::size_t leftOut() const { return tooDear + beyondCapacity; }
};

// Reads the lines of a cp1251 text into the table from slot 0 on, each at `percent` and
// without its own flag, and stores the count. A line is cut to 128 characters and loses its
// trailing blanks and control characters; its last word is the price and what comes before
// it, less one separating character, is the name. Lines without such a price are skipped.
// Lines the table cannot hold are left out and counted, never stored cut or wrapped.
ParseOutcome parsePriceText(std::string_view text, unsigned percent, char separator,
                            PriceTable& table);

// What to tell the user about the lines left out (cp1251); empty when none was.
std::string leftOutMessage(const ParseOutcome& outcome, char separator);

} // namespace kestrelon::tariff
