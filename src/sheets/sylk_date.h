#pragma once
// Dates in a spreadsheet file: day numbers and the number formats that show them as dates.

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// A spreadsheet keeps a date as the number of days since 30.12.1899 (41348 is 15.03.2013); a
// fraction is the time of day. The date as "DD.MM.YYYY", the time dropped. nullopt for a day
// number below 1 or past 31.12.9999: no register date, so it stays the number it is.
// `plain` is a number as plainDecimal writes it; `shift` days are added first, as the 1904
// date system needs.
std::optional<std::string> dateFromDayNumber(std::string_view plain, long shift = 0);

// A number format that shows a date: it has a day, year or month-name code ("d", "yy", "mmm")
// outside quoted text, [brackets] and escaped characters. "m" and "mm" alone may be minutes, as
// in "h:mm", so they do not make a date; words such as "General" are not codes at all.
bool isDateFormat(std::string_view format);

// A date written year first, as many programs export dates to text: "YYYY-MM-DD" or
// "YYYY/MM/DD", the month and the day with one or two digits, maybe followed by a time of day
// after a space or a "T" ("2013-03-15 14:30", "2013-03-15T14:30:05.5"). The date as
// "DD.MM.YYYY", the time dropped; nullopt for any other text and for a day that no calendar
// has (2013-02-29).
std::optional<std::string> dateFromYearFirstText(std::string_view text);

// A date cell as workbooks keep it, an ISO 8601 date with maybe a time and a zone after a "T"
// ("2013-03-15", "2013-03-15T00:00:00.000Z"): the date as "DD.MM.YYYY"; nullopt otherwise.
std::optional<std::string> dateFromIsoDateTime(std::string_view text);

// A date as the register shows it: "DD.MM.YYYY", the year with four digits.
std::string dateText(int day, int month, long year);

} // namespace kestrelon
