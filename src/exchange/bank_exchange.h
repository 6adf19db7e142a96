#pragma once
// The text exchange format every Russian bank client program imports payment orders from,
// «1CClientBankExchange», version 1.03: windows-1251, CRLF line ends, one «Ключ=Значение» per
// line; a header, one section per document, «КонецФайла».

#include "payment_order.h"
#include "upd_file_name.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

struct BankExchangeHeader {
    std::string sender; // Отправитель: the program and its version
    CalendarDay created;
    int hour = 0, minute = 0, second = 0;
};

// The file of one payment order (cp1251 bytes); the interval is the order's date, the account
// the payer's.
std::string writeBankExchange(const BankExchangeHeader& header, const PaymentOrder& order);

// A file of the format read back: the header's keys, then each document section's. Nothing when
// the bytes are not such a file (no first line «1CClientBankExchange», a section left open, no
// «КонецФайла»). The program writes these files and does not read them; the tests do.
struct BankExchangeContent {
    std::map<std::string, std::string> header;
    std::vector<std::map<std::string, std::string>> documents; // СекцияДокумент included
};
std::optional<BankExchangeContent> readBankExchange(const std::string& bytes);

} // namespace kestrelon
