#pragma once
// "15.03.2011" -> "15 марта 2011 г." (cp1251 texts).

#include <string>
#include <string_view>

namespace kestrelon {

// The empty text for anything that is not three pieces with a month 1..12 and a year of the
// report window's list.
std::string FormatLongDate(std::string_view date);

} // namespace kestrelon
