#pragma once
// "15.03.2011" -> "15 марта 2011 г." (cp1251 texts).

#include <string>
#include <string_view>

namespace kestrelon {

// The day is kept as typed; the month must be digits for 1..12. The year piece must be digits:
// a four-character piece counts by its last two ("1911" reads as 2011 too), any other piece is
// the year yy itself, and 2000 + yy must be one of the report window's years 2010..2099.
// Anything else gives the empty text, which leaves the document's title line empty.
std::string FormatLongDate(std::string_view date);

} // namespace kestrelon
