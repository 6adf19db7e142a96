#pragma once
// The month's payment order as the file a bank's client program imports, ready to be written:
// its bytes, or every reason it cannot be written.

#include "bank_exchange.h"
#include "payment_order.h"

#include <string>
#include <vector>

namespace kestrelon {

struct PaymentFile {
    PaymentOrder order;
    std::string bytes;                 // cp1251
    std::vector<std::string> problems; // UTF-8
    std::vector<std::string> notes;    // UTF-8: what the bank's program may ask to complete
    bool ok() const { return problems.empty(); }
};

// `number` and `date` as typed (cp1251).
PaymentFile preparePaymentFile(const DocumentInput& input, const std::string& number,
                               const std::string& date, const BankExchangeHeader& header);

// The header of a file made now by this program.
BankExchangeHeader bankExchangeHeaderNow();

// Today as ДД.ММ.ГГГГ, the date an order is proposed with.
std::string todayText();

// «Платежка 12 за Март 2013.txt» (UTF-8), the name the file is proposed under.
std::string paymentFileName(const std::string& number, const Period& period);

} // namespace kestrelon
