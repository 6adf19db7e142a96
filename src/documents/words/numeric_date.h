#pragma once
// "7.3.2011" -> "07.03.2011": a date as the documents write it in figures.

#include <string>
#include <string_view>

namespace kestrelon {

// Day 1..31, month 1..12 and a year of four digits, or of one or two digits that stand for
// 20yy, each piece digits only and the pieces separated by points; day and month come out
// with two digits. Anything else gives the empty text, so that a document never shows a date
// that was not a date.
std::string numericDate(std::string_view date);

} // namespace kestrelon
