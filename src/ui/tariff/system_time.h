#pragma once
// The time of day in the system's long time format, as the tariff functions record it.

#include <QLocale>
#include <QTime>

namespace kestrelon {

// The long format without its time zone ("14:05:09", "2:05:09 PM"): the zone is no part of a
// time of day, and with it a short record field would keep only part of the seconds.
inline QString systemLongTime(const QTime& time) {
    const QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    QString withoutZone;
    bool quoted = false;
    for (const QChar c : format) {
        quoted = c == QLatin1Char('\'') ? !quoted : quoted;
        if (quoted || c != QLatin1Char('t')) {
            withoutZone += c;
        }
    }
    return QLocale::system().toString(time, withoutZone.trimmed());
}

} // namespace kestrelon
