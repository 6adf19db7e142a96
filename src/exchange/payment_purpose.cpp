#include "payment_purpose.h"

#include "reports/computation/vat_rate.h"
#include "store/cp1251.h"

namespace kestrelon {
namespace {

std::string reference(const PurposeParts& p, bool shortForm) {
    return (shortForm ? "Оплата по договору № "_cp : "Оплата по агентскому договору № "_cp) +
           p.contractNo + " за "_cp + monthName(p.period.month) + " " + yearText(p.period.year) +
           " г. "_cp + (shortForm ? "акт зачета № "_cp : "по акту зачета № "_cp) + p.offsetActNo +
           " от "_cp + p.offsetActDate + ".";
}

} // namespace

std::string vatClause(const Period& period, const std::string& vatAmount) {
    if (vatAmount.empty() || vatAmount == "0.00") {
        return "Без налога (НДС)"_cp;
    }
    return "В т.ч. НДС "_cp + std::to_string(vatRatePercent(period)) + " % - " + vatAmount +
           " руб."_cp;
}

std::string paymentPurpose(const PurposeParts& parts) {
    const std::string vat = " " + vatClause(parts.period, parts.vatAmount);
    std::string text = reference(parts, false);
    if (text.size() + vat.size() > kMaxPurposeLength) {
        text = reference(parts, true);
    }
    if (text.size() + vat.size() > kMaxPurposeLength) {
        const std::size_t room = kMaxPurposeLength - vat.size() - 3;
        const std::size_t blank = text.rfind(' ', room);
        text = text.substr(0, blank == std::string::npos ? room : blank) + "...";
    }
    return text + vat;
}

} // namespace kestrelon
