#include "sylk_date.h"

#include <algorithm>
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
    const long dayNumber = std::stol(std::string(whole)) + shift;
    if (dayNumber < 1 || dayNumber > kLastDay) {
        return std::nullopt;
    }
    const CivilDate date = civilFromDays(dayNumber - kDaysFrom1899To1970);
    return dateText(date.day, date.month, date.year);
}

std::string dateText(int day, int month, long year) {
    return twoDigits(day) + "." + twoDigits(month) + "." + std::to_string(year);
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

} // namespace kestrelon
