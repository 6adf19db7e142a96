#include "sylk_date.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace kestrelon {
namespace {

constexpr long kLastDay = 2958465; // 31.12.9999
constexpr long kDaysFrom1899To1970 = 25569;

struct CivilDate {
    long year;
    int month;
    int day;
};

// The proleptic Gregorian date of a count of days since 01.01.1970.
CivilDate civilFromDays(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153; // March is 0
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

std::string twoDigits(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A run of `min` to `max` digits at text[pos], read as a number; pos moves past it.
std::optional<int> digitsAt(std::string_view text, std::size_t& pos, std::size_t min,
                            std::size_t max) {
    std::size_t end = pos;
    int value = 0;
    for (; end < text.size() && end - pos < max && isDigit(text[end]); ++end) {
        value = value * 10 + (text[end] - '0');
    }
    if (end - pos < min || (end < text.size() && isDigit(text[end]))) {
        return std::nullopt;
    }
    pos = end;
    return value;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// "H:MM", "H:MM:SS" or "H:MM:SS.fff", the hour with one or two digits: the whole of `text`.
bool isTimeOfDay(std::string_view text) {
    std::size_t pos = 0;
    const std::optional<int> hour = digitsAt(text, pos, 1, 2);
    if (!hour || *hour > 23 || pos == text.size() || text[pos++] != ':') {
        return false;
    }
    const std::optional<int> minute = digitsAt(text, pos, 2, 2);
    if (!minute || *minute > 59) {
        return false;
    }
    if (pos < text.size() && text[pos] == ':') {
        const std::optional<int> second = digitsAt(text, ++pos, 2, 2);
        if (!second || *second > 59) {
            return false;
        }
        if (pos < text.size() && text[pos] == '.') {
            return digitsAt(text, ++pos, 1, 9).has_value() && pos == text.size();
        }
    }
    return pos == text.size();
}

bool isLatinLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A run of letters that is a date code: only d, m and y, and more than a lone "m" or "mm".
bool isDateCode(std::string_view run) {
    const auto isCode = [](char c) { return c == 'd' || c == 'm' || c == 'y'; };
    return !run.empty() && std::all_of(run.begin(), run.end(), isCode) &&
           (run.find_first_of("dy") != std::string_view::npos || run.size() >= 3);
}

} // namespace

std::optional<std::string> dateFromDayNumber(std::string_view plain, long shift) {
    const std::string_view whole = plain.substr(0, plain.find('.'));
    if (whole.empty() || whole.size() > 7 || whole.front() == '-') {
        return std::nullopt;
    }
    long dayNumber = 0;
    std::from_chars(whole.data(), whole.data() + whole.size(), dayNumber);
    dayNumber += shift;
    if (dayNumber < 1 || dayNumber > kLastDay) {
        return std::nullopt;
    }
    const CivilDate date = civilFromDays(dayNumber - kDaysFrom1899To1970);
    return dateText(date.day, date.month, date.year);
}

std::optional<std::string> dateFromYearFirstText(std::string_view text) {
    std::size_t pos = 0;
    const std::optional<int> year = digitsAt(text, pos, 4, 4);
    if (!year || *year == 0 || pos == text.size() || (text[pos] != '-' && text[pos] != '/')) {
        return std::nullopt;
    }
    const char separator = text[pos++];
    const std::optional<int> month = digitsAt(text, pos, 1, 2);
    if (!month || *month < 1 || *month > 12 || pos == text.size() || text[pos++] != separator) {
        return std::nullopt;
    }
    const std::optional<int> day = digitsAt(text, pos, 1, 2);
    if (!day || *day < 1 || *day > daysInMonth(*year, *month)) {
        return std::nullopt;
    }
    if (pos < text.size() &&
        ((text[pos] != ' ' && text[pos] != 'T') || !isTimeOfDay(text.substr(pos + 1)))) {
        return std::nullopt;
    }
    return dateText(*day, *month, *year);
}

std::string dateText(int day, int month, long year) {
    const std::string digits = std::to_string(year);
    return twoDigits(day) + "." + twoDigits(month) + "." +
           std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

bool isDateFormat(std::string_view format) {
    std::string run; // letters seen in a row, lower-cased
    bool date = false;
    const auto endRun = [&] {
        date = date || isDateCode(run);
        run.clear();
    };
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (isLatinLetter(c)) {
            run += static_cast<char>(c | 0x20);
            continue;
        }
        endRun();
        if (c == '"' || c == '[') {
            // Quoted text and bracketed colours, conditions or locales show no date code.
            i = std::min(format.find(c == '"' ? '"' : ']', i + 1), format.size());
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // the next character is shown as it is, or is padding
        }
    }
    endRun();
    return date;
}

std::optional<std::string> dateFromIsoDateTime(std::string_view text) {
    return dateFromYearFirstText(text.substr(0, text.find('T')));
}

} // namespace kestrelon
