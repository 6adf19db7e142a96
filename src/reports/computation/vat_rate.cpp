#include "vat_rate.h"

namespace kestrelon {

int vatRatePercent(int calendarMonth, int calendarYear) {
    const int month = calendarYear * 12 + (calendarMonth - 1);
    int percent = kVatRateChanges.front().percent;
    for (const VatRateChange& change : kVatRateChanges) {
        if (month >= change.year * 12 + (change.month - 1)) {
            percent = change.percent;
        }
    }
    return percent;
}

int vatRatePercent(const Period& period) {
    return vatRatePercent(period.month + 1, period.calendarYear());
}

} // namespace kestrelon
