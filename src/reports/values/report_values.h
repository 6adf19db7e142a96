#pragma once
// The report window's values as plain texts and indexes, so that filling a report record
// from the window and back needs no window.

#include "period.h"
#include "row_set.h"

#include <array>
#include <string>
#include <vector>

namespace kestrelon {

struct ReportValues {
    // Edit1..Edit6: numbers and dates of the act of mutual offset, the invoice and the act.
    std::string OffsetActNo, InvoiceNo, ActNo;
    std::string OffsetActDate, InvoiceDate, ActDate;
    // Edit7..Edit11: "Начисл. доход", "Ндс", "C Ндс", "Вознагражд.", "Тарвелу".
    std::string IncomeTotal, VatTotal, GrossTotal, Remuneration, ToPrincipal;
    Period period;
    bool chiefSigns = false; // the box "Документ сдан"
    ReportMode mode = ReportMode::Slk;
};

// One data row of the report grid: "Договор", "Счет", "Дата", "Сумма", "НДС", "С НДС".
using GridRow = std::array<std::string, 6>;
using GridRows = std::vector<GridRow>;

} // namespace kestrelon
