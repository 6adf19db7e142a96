#pragma once
// The text exchange format every Russian bank client program imports payment orders from,
// «1CClientBankExchange», version 1.03: windows-1251, CRLF line ends, one «Ключ=Значение» per
// line; a header, one section per document, «КонецФайла».

#include "payment_order.h"
#include "upd_file_name.h"

#include <string>

namespace kestrelon {

struct BankExchangeHeader {
    std::string sender; // Отправитель: the program and its version
    CalendarDay created;
    int hour = 0, minute = 0, second = 0;
};

// The file of one payment order (cp1251 bytes); the interval is the order's date, the account
// the payer's.
std::string writeBankExchange(const BankExchangeHeader& header, const PaymentOrder& order);

} // namespace kestrelon
