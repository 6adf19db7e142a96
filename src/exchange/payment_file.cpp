#include "payment_file.h"

#include "store/cp1251.h"

namespace kestrelon {

PaymentFile preparePaymentFile(const DocumentInput& input, const std::string& number,
                               const std::string& date, const BankExchangeHeader& header) {
    PaymentBuild build = buildPaymentOrder(input, number, date);
    PaymentFile file;
    file.problems = std::move(build.problems);
    file.notes = std::move(build.notes);
    if (file.ok()) {
        file.bytes = writeBankExchange(header, build.order);
    }
    file.order = std::move(build.order);
    return file;
}

BankExchangeHeader bankExchangeHeaderNow() {
    const LocalMoment now = localMomentNow();
    return BankExchangeHeader{programNameAndVersion(), now.day, now.hour, now.minute, now.second};
}

std::string todayText() {
    return dayText(localMomentNow().day);
}

std::string paymentFileName(const std::string& number, const Period& period) {
    return "Платежка " + cp1251ToUtf8(number) + " за " + cp1251ToUtf8(monthName(period.month)) +
           " " + cp1251ToUtf8(yearText(period.year)) + ".txt";
}

} // namespace kestrelon
