#pragma once
// What the report list asks of the report window.

#include "reports/files/report_list.h"

namespace kestrelon {

class ReportListHost {
public:
    virtual ~ReportListHost() = default;
    // The record and the current file name were just read from the list's selected file:
    // show the report in view-only state on its report tab.
    virtual void openStoredReport() = 0;
    // Asked before a stored report is opened in the report's place: a computed report not yet
    // saved is saved or let go as on closing. False when the user put it off (or the save
    // failed): nothing is opened.
    virtual bool mayReplaceReport() { return true; }
    // The numbers proposed for a new report changed (a report was deleted).
    virtual void showNextNumbers(const NextNumbers& numbers) = 0;
};

} // namespace kestrelon
