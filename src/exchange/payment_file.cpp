#include "payment_file.h"

#include "store/cp1251.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace kestrelon {
namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

PaymentFile preparePaymentFile(const DocumentInput& input, const std::string& number,
                               const std::string& date, const BankExchangeHeader& header) {
    PaymentBuild build = buildPaymentOrder(input, number, date);
    PaymentFile file;
    file.problems = std::move(build.problems);
    if (file.ok()) {
        file.bytes = writeBankExchange(header, build.order);
    }
    file.order = std::move(build.order);
    return file;
}

BankExchangeHeader bankExchangeHeaderNow() {
    const std::tm local = localNow();
    BankExchangeHeader header;
    header.sender = std::string("Kestrelon ") + KESTRELON_VERSION;
    header.created = CalendarDay{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    header.hour = local.tm_hour;
    header.minute = local.tm_min;
    header.second = std::min(local.tm_sec, 59);
    return header;
}

std::string todayText() {
    const std::tm local = localNow();
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900);
    return text;
}

std::string paymentFileName(const std::string& number, const Period& period) {
    return "Платежка " + cp1251ToUtf8(number) + " за " + cp1251ToUtf8(monthName(period.month)) +
           " " + cp1251ToUtf8(yearText(period.year)) + ".txt";
}

} // namespace kestrelon
