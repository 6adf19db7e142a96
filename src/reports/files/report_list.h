#pragma once
// The stored reports as the report list shows them, the numbers they have used and the
// duplicate rule. Texts are cp1251.

#include "report_record.h"
#include "store/short_str.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

struct ReportListEntry {
    ShortStr<8> AgentContractNo;
    ShortStr<10> OffsetActNo;
    ShortStr<10> ActNo;
    ShortStr<10> InvoiceNo;
    ShortStr<10> GrossTotal;
    ShortStr<10> Remuneration;
    ShortStr<10> ToPrincipal;
    std::uint8_t PeriodMonth = 0;
    std::uint8_t PeriodYear = 0;
    std::string MonthName; // empty for a month outside the list
    std::string YearText;  // empty for a year outside the list
    std::string FileName;  // whole, so that the file can be opened again by it

    bool operator==(const ReportListEntry&) const = default;
};

struct ReportList {
    static constexpr std::size_t kMaxEntries = 64;

    std::vector<ReportListEntry> entries; // at most kMaxEntries
    std::size_t selected = 0;
    // The largest OffsetActNo, ActNo and InvoiceNo among the entries, read as integers.
    std::uint32_t maxOffsetActNo = 0;
    std::uint32_t maxActNo = 0;
    std::uint32_t maxInvoiceNo = 0;

    std::size_t count() const { return entries.size(); }
    bool empty() const { return entries.empty(); }
    bool full() const { return entries.size() >= kMaxEntries; }
};

// A document number as an integer: a text of 1 to 9 digits is read whole; an empty or
// otherwise non-numeric text counts as 0.
std::uint32_t documentNumberValue(std::string_view text);

ReportListEntry entryFromRecord(const ReportRecord& record, std::string fileName);

// Ascending by OffsetActNo read as an integer; equal numbers keep no particular order.
void sortByOffsetActNo(std::vector<ReportListEntry>& entries);

// Sets the three maxima from the entries (0 each for an empty list).
void recomputeMaxima(ReportList& list);

// The numbers proposed for a new report: each maximum + 1, as decimal text.
struct NextNumbers {
    std::string OffsetActNo;
    std::string InvoiceNo;
    std::string ActNo;
};
NextNumbers nextNumbers(const ReportList& list);

// The first entry with this OffsetActNo text and period under this agent contract number.
// The contract number is compared whole, so one longer than the stored 8 characters never
// matches.
std::optional<std::size_t> findDuplicate(const ReportList& list, std::string_view offsetActNo,
                                         std::uint8_t periodMonth, std::uint8_t periodYear,
                                         std::string_view agentContractNo);

} // namespace kestrelon
