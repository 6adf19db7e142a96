#pragma once
// Numbers of a spreadsheet file written back as the plain decimals the register expects.

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// The number as plain decimal text: "." before the fraction, no exponent, no grouping, no
// leading or trailing zero that carries nothing ("1.5E+3" -> "1500", "1.5e-2" -> "0.015",
// ".5" -> "0.5", "+2.50" -> "2.5"). The digits are only moved, never recomputed, so nothing is
// rounded. nullopt when the text is not a number; an exponent beyond what a spreadsheet can
// hold counts as not a number too, rather than growing a text of any length.
std::optional<std::string> plainDecimal(std::string_view text);

// A number a workbook keeps as a double, as a spreadsheet shows it in its general format: 15
// significant digits, so that 1456.7799999999999, the double nearest to 1456.78, shows as
// "1456.78" rather than losing a kopeck when its fraction is cut. Infinity and NaN, which no
// file should hold, give "0".
std::string plainDecimal(double value);

// A number in a file of text (CSV, SYLK) as a spreadsheet that opens the file keeps it: as a
// double. Up to 15 significant digits that changes nothing, and the text stays as written (a
// 13-digit invoice number, "1500.00"); more digits, which only a writer's floating-point noise
// gives ("707.28999999999999998"), become what plainDecimal(double) shows ("707.29"). Only a
// plain decimal (an optional "-", digits, and "." and digits) is a number here, and not one
// whose whole part starts with a 0, which is a code ("00020001"); any other text, and a number
// beyond what a double holds, stays as it is.
std::string spreadsheetDigits(std::string text);

// A number as its cell keeps it, as plainDecimal writes it: its digits as written, but for the
// 16th and 17th digits that files keep of a double and spreadsheets never show
// ("1456.7799999999999" is 1456.78). nullopt when the text is no number.
std::optional<std::string> cellNumber(std::string_view written);

} // namespace kestrelon
