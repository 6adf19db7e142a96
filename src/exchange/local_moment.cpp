#include "local_moment.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace kestrelon {

LocalMoment localMomentNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalMoment{CalendarDay{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                       local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)};
}

std::string dayText(CalendarDay day) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day.day, day.month, day.year);
    return text;
}

std::string timeText(int hour, int minute, int second, char separator) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", hour, separator, minute, separator,
                  second);
    return text;
}

std::string programNameAndVersion() {
    return std::string("Kestrelon ") + KESTRELON_VERSION;
}

} // namespace kestrelon
