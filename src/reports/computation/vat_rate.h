#pragma once
// The general VAT rate in force in a report's period: the rate of the month in which the
// agent's services were rendered. A change of the law is one more line in the table.

#include "reports/values/period.h"

#include <array>

namespace kestrelon {

struct VatRateChange {
    int year;  // calendar year from which the rate applies ...
    int month; // ... and month, 1..12
    int percent;
};

inline constexpr std::array kVatRateChanges{
    VatRateChange{2010, 1, 18}, // the first period the program knows
    VatRateChange{2019, 1, 20}, // from 01.01.2019
    VatRateChange{2026, 1, 22}, // from 01.01.2026
};

// The rate of a calendar month (1..12) of a year; the earliest rate before the table starts.
int vatRatePercent(int calendarMonth, int calendarYear);
int vatRatePercent(const Period& period);

} // namespace kestrelon
