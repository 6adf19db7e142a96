#pragma once
// Dates as the windows write them.

#include <string>

namespace kestrelon {

// Day without a leading zero, two-digit month, four-digit year: "7.01.2013".
std::string shortDateText(int day, int month, int year);

} // namespace kestrelon
