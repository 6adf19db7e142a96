#include "period.h"

#include "store/cp1251.h"

#include <array>

namespace kestrelon {
namespace {

std::string twoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

} // namespace

std::string monthName(int month) {
    static const std::array<std::string, 12> names = {
        "Январь"_cp, "Февраль"_cp, "Март"_cp,     "Апрель"_cp,  "Май"_cp,    "Июнь"_cp,
        "Июль"_cp,   "Август"_cp,  "Сентябрь"_cp, "Октябрь"_cp, "Ноябрь"_cp, "Декабрь"_cp};
    return month >= 0 && month < 12 ? names[month] : std::string();
}

std::string yearText(int year) {
    return year >= 0 && year < Period::kYearCount ? std::to_string(Period::kFirstYear + year)
                                                  : std::string();
}

std::string periodMM(const Period& p) {
    return twoDigits(p.month + 1);
}

std::string periodYY(const Period& p) {
    return twoDigits(p.year + 10);
}

std::string periodLastDay(const Period& p) {
    switch (p.month) {
    case 1:
        // The year list starts two years after a leap year.
        return (p.year + 2) % 4 == 0 ? "29" : "28";
    case 3:
    case 5:
    case 8:
    case 10:
        return "30";
    default:
        return "31";
    }
}

std::optional<Period> periodOf(int calendarMonth, int calendarYear) {
    if (calendarMonth < 1 || calendarMonth > 12 || calendarYear < Period::kFirstYear ||
        calendarYear >= Period::kFirstYear + Period::kYearCount) {
        return std::nullopt;
    }
    return Period{static_cast<std::uint8_t>(calendarMonth - 1),
                  static_cast<std::uint8_t>(calendarYear - Period::kFirstYear)};
}

Period previousMonth(int calendarMonth, int calendarYear) {
    int month = calendarMonth - 1;
    int year = calendarYear;
    if (month < 1) {
        month = 12;
        --year;
    }
    if (year < Period::kFirstYear) {
        return Period{0, 0};
    }
    if (year >= Period::kFirstYear + Period::kYearCount) {
        return Period{11, Period::kYearCount - 1};
    }
    return *periodOf(month, year);
}

} // namespace kestrelon
