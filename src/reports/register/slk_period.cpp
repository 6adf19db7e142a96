#include "slk_period.h"

#include "store/cp1251.h"

#include <string_view>

namespace kestrelon {
namespace {

// The value of a piece made of digits only; nullopt for any other piece.
std::optional<int> digitsValue(std::string_view piece) {
    int value = 0;
    for (char c : piece) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<Period> periodOfInvoiceDate(std::string_view date) {
    if (date.size() < 10) {
        return std::nullopt;
    }
    const auto month = digitsValue(date.substr(3, 2));
    const auto year = digitsValue(date.substr(6, 4));
    if (!month || !year) {
        return std::nullopt;
    }
    return periodOf(*month, *year);
}

SlkPeriodResult periodFromFirstRow(const RowSet& rows) {
    if (rows.empty()) {
        return {};
    }
    const std::string_view date = rows.rows.front().InvoiceDate.view();
    if (const auto period = periodOfInvoiceDate(date)) {
        return {period, {}};
    }
    const int lastYear = Period::kFirstYear + Period::kYearCount - 1;
    return {std::nullopt, "Дата первой строки реестра «"_cp + std::string(date) +
                              "» не задает отчетный период (месяц 01–12, год "_cp +
                              std::to_string(Period::kFirstYear) + "–"_cp +
                              std::to_string(lastYear) + "). Отчетный период не изменен."_cp};
}

GridRows slkGridRows(const RowSet& rows) {
    GridRows grid;
    grid.reserve(rows.count());
    for (const InvoiceRow& row : rows.rows) {
        grid.push_back({row.ClientContractNo.str(), row.InvoiceNo.str(), row.InvoiceDate.str(),
                        row.AmountText.str(), row.VatText.str(), row.GrossText.str()});
    }
    return grid;
}

} // namespace kestrelon
