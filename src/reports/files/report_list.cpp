#include "report_list.h"

#include "reports/values/period.h"

#include <algorithm>
#include <utility>

namespace kestrelon {

std::uint32_t documentNumberValue(std::string_view text) {
    // Nine digits always fit 32 bits; anything longer or not a number names no document.
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    std::uint32_t value = 0;
    for (char c : text) {
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

ReportListEntry entryFromRecord(const ReportRecord& record, std::string fileName) {
    ReportListEntry e;
    e.AgentContractNo = record.AgentContractNo;
    e.OffsetActNo = record.OffsetActNo;
    e.ActNo = record.ActNo;
    e.InvoiceNo = record.InvoiceNo;
    e.GrossTotal = record.GrossTotal;
    e.Remuneration = record.Remuneration;
    e.ToPrincipal = record.ToPrincipal;
    e.PeriodMonth = record.PeriodMonth;
    e.PeriodYear = record.PeriodYear;
    e.MonthName = monthName(record.PeriodMonth);
    e.YearText = yearText(record.PeriodYear);
    e.FileName = std::move(fileName);
    return e;
}

void sortByOffsetActNo(std::vector<ReportListEntry>& entries) {
    // The exchange sort the list has always used: for each position, every later entry
    // with a smaller number is swapped into it.
    for (std::size_t j = 0; j + 1 < entries.size(); ++j) {
        for (std::size_t k = j + 1; k < entries.size(); ++k) {
            if (documentNumberValue(entries[j].OffsetActNo.view()) >
                documentNumberValue(entries[k].OffsetActNo.view())) {
                std::swap(entries[j], entries[k]);
            }
        }
    }
}

void recomputeMaxima(ReportList& list) {
    list.maxOffsetActNo = list.maxActNo = list.maxInvoiceNo = 0;
    for (const ReportListEntry& e : list.entries) {
        list.maxOffsetActNo =
            std::max(list.maxOffsetActNo, documentNumberValue(e.OffsetActNo.view()));
        list.maxActNo = std::max(list.maxActNo, documentNumberValue(e.ActNo.view()));
        list.maxInvoiceNo = std::max(list.maxInvoiceNo, documentNumberValue(e.InvoiceNo.view()));
    }
}

NextNumbers nextNumbers(const ReportList& list) {
    if (list.empty()) {
        return {"1", "1", "1"};
    }
    return {std::to_string(list.maxOffsetActNo + 1), std::to_string(list.maxInvoiceNo + 1),
            std::to_string(list.maxActNo + 1)};
}

std::optional<std::size_t> findDuplicate(const ReportList& list, std::string_view offsetActNo,
                                         std::uint8_t periodMonth, std::uint8_t periodYear,
                                         std::string_view agentContractNo) {
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const ReportListEntry& e = list.entries[i];
        if (e.OffsetActNo == offsetActNo && e.PeriodMonth == periodMonth &&
            e.PeriodYear == periodYear && e.AgentContractNo == agentContractNo) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace kestrelon
