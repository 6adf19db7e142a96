#pragma once
// A day of the calendar, as the clock or a date field gives it.

namespace kestrelon {

struct CalendarDay {
    int year = 0, month = 0, day = 0;
};

} // namespace kestrelon
