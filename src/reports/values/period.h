#pragma once
// The report period: a month index (0 = January) and a year index (0 = 2010), and the
// texts derived from them.

#include "store/date_text.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kestrelon {

struct Period {
    static constexpr int kFirstYear = 2010;
    static constexpr int kYearCount = 90; // 2010 .. 2099

    std::uint8_t month = 0; // 0..11
    std::uint8_t year = 0;  // 0..89

    int calendarYear() const { return kFirstYear + year; }
    bool operator==(const Period&) const = default;
};

// "Январь" .. "Декабрь" (cp1251); empty for an index outside 0..11.
std::string monthName(int month);
// "2010" .. "2099"; empty for an index outside the list.
std::string yearText(int year);

// MM: month number in two digits; YY: PeriodYear + 10 in two digits; DD: the month's last day.
std::string periodMM(const Period& p);
std::string periodYY(const Period& p);
std::string periodLastDay(const Period& p);

// The period of a calendar month (1..12) and year, when the year lies in the list.
std::optional<Period> periodOf(int calendarMonth, int calendarYear);

// The month before the given date's month (January gives December of the year before),
// clamped into the year list.
Period previousMonth(int calendarMonth, int calendarYear);

} // namespace kestrelon
