#pragma once
// The purpose of the month's payment: the contract, the month, the act of mutual offset, and on
// its own the VAT as the act's clause 4 states it (cp1251).

#include "reports/values/period.h"

#include <string>

namespace kestrelon {

// What a bank takes in the purpose field of a payment order.
inline constexpr std::size_t kMaxPurposeLength = 210;

struct PurposeParts {
    std::string contractNo;
    Period period;
    std::string offsetActNo, offsetActDate; // the date as ДД.ММ.ГГГГ
    std::string vatAmount;                  // rubles "." kopecks; "0.00" when there is none
};

// «В т.ч. НДС 22 % - 330.33 руб.» at the rate of the period, «Без налога (НДС)» at VAT 0.
std::string vatClause(const Period& period, const std::string& vatAmount);

// «Оплата по агентскому договору № А-17 за Март 2013 г. по акту зачета № 5 от 31.03.2013.»
// then the VAT clause. A text longer than kMaxPurposeLength is shortened by one rule: the
// reference loses the words «агентскому» and «по акту зачета» → «акт зачета» first, and what is
// still too long is cut at the last blank that fits and marked «...»; the VAT clause is never
// cut.
std::string paymentPurpose(const PurposeParts& parts);

} // namespace kestrelon
