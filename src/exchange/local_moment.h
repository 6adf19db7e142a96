#pragma once
// The moment an exchange file is made, on this computer's clock, and how the formats write
// days and times.

#include "store/calendar_day.h"

#include <string>

namespace kestrelon {

struct LocalMoment {
    CalendarDay day;
    int hour = 0, minute = 0, second = 0; // a leap second reads as 59: no format has a 60th
};

LocalMoment localMomentNow();

// "07.03.2011".
std::string dayText(CalendarDay day);
// "09.05.07" with '.', "09:05:07" with ':'.
std::string timeText(int hour, int minute, int second, char separator);

// "Kestrelon 0.1.0": how the program names itself in the files it writes.
std::string programNameAndVersion();

} // namespace kestrelon
