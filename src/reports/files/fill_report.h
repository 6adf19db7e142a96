#pragma once
// Between the report window's values and the stored record.

#include "report_record.h"
#include "reports/values/report_values.h"
#include "store/data_store.h"

#include <cstdint>
#include <string>

namespace kestrelon {

// Fills the record from the window's values, the agent contract, the rows of the set the
// mode selects and the principal's and agent's organizations (a block whose organization is
// not known is left as it was). The rows are cut to what the record holds; callers refuse
// larger sets first. Returns the report's file name (cp1251).
std::string FillReport(const ReportValues& values, const RowSet& rows, const DataStore& store,
                       ReportRecord& record);

// "7_0313_12345678.rep": offset act number, MM, YY, agent contract. Characters that cannot
// stand in a file name become "_".
std::string reportFileName(const ReportRecord& record);

// The name FillReport will give the report of these window values under this agent contract.
std::string reportFileName(const ReportValues& values, const AgentRecord& agent);

struct OpenedReport {
    ReportValues values; // chiefSigns is not taken from the record
    GridRows grid;       // RowCount rows
    std::string rememberedRemuneration;
    std::string rememberedIncome;
};

// The record's content as the report window shows it.
OpenedReport FillFromReport(const ReportRecord& record);

} // namespace kestrelon
