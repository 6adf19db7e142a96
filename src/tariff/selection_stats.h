#pragma once
// What the tool says about the rows selected in its grid.

#include "price_table.h"

#include <cstddef>
#include <string>

namespace kestrelon::tariff {

// "Selection - N (top..bottom)" for the lines top..bottom (0-based); the text numbers the rows
// from 1, as the rows under the grid's header are numbered and as the report list does.
std::string selectionRangeText(std::size_t top, std::size_t bottom);

// "Selection = N.    average = A.    min = m.    max = M." over the base prices of the lines
// top..bottom (which must be lines of the table), in rubles as general numbers; the average
// is rounded to kopecks, halves to even.
std::string selectionSummary(const PriceTable& table, std::size_t top, std::size_t bottom,
                             char separator);

} // namespace kestrelon::tariff
