#pragma once
// The report window's "Save": builds the record from the window's values and writes it as
// a report file, asking before a stored report is replaced and keeping to what the list and
// the record can hold.

#include "report_list.h"
#include "report_record.h"
#include "reports/values/report_values.h"
#include "reports/values/row_set.h"
#include "store/data_store.h"

#include <functional>
#include <string>

namespace kestrelon {

// Asked before a stored report is replaced; the two lines are cp1251. True replaces it.
using AskReplace = std::function<bool(const std::string& line1, const std::string& line2)>;
// Asked before a second report is saved for a month that has one; the question is cp1251.
// True saves it.
using AskSecondReport = std::function<bool(const std::string& question)>;

struct ReportSaveResult {
    enum class Outcome {
        Saved,        // a new report file was written
        Replaced,     // the stored report of the same number and period was written over
        NotReplaced,  // the user kept the stored report; nothing was written
        NotSecond,    // the user wanted no second report of the month; nothing was written
        LimitReached, // the list is full; nothing was written
        TooManyRows,  // the rows do not fit a report file; nothing was written
    };
    Outcome outcome = Outcome::Saved;
    bool firstReport = false; // the list was empty before this save
    std::string message;      // cp1251, to be shown; empty when there is nothing to say
    std::string fileName;     // the file written (cp1251), empty when nothing was written

    bool written() const { return outcome == Outcome::Saved || outcome == Outcome::Replaced; }
};

// `rows` is the set the window's mode selects; its ready flag is the caller's to check.
// The record is rebuilt (FillReport) only when a file is to be written; after a write the
// list is scanned again from store.DataFolder. A failed write throws IoError and leaves the
// record as built and the list as it was. A new report for a month that already has one asks
// first, naming that report.
ReportSaveResult SaveReportWithChecks(const ReportValues& values, const RowSet& rows,
                                      const DataStore& store, ReportRecord& record,
                                      ReportList& list, const AskReplace& askReplace,
                                      const AskSecondReport& askSecond);

} // namespace kestrelon
