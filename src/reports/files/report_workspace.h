#pragma once
// What the report windows share for the whole run: the report record in memory with its
// file name, the list of stored reports and the two row sets.

#include "report_list.h"
#include "report_record.h"
#include "reports/values/row_set.h"

#include <memory>
#include <string>

namespace kestrelon {

struct ReportWorkspace {
    // 55 KB: kept on the heap so that the context holding it can live on the stack.
    std::unique_ptr<ReportRecord> record = std::make_unique<ReportRecord>();
    std::string currentFileName; // cp1251
    ReportList list;
    ReportSets sets;
    // A stored report is open (from the list, or the first report of an empty folder was
    // saved): the documents then read the record instead of the window.
    bool StoredReportOpen = false;
};

} // namespace kestrelon
