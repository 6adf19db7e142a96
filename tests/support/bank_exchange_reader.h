#pragma once
// The bank exchange file («1CClientBankExchange» 1.03) read back by its lines, as a bank's
// program reads it: the tests check what the program writes with it.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrelon {

// A file of the format read back: the header's keys, then each document section's. Nothing when
// the bytes are not such a file (no first line «1CClientBankExchange», a section left open, no
// «КонецФайла»).
struct BankExchangeContent {
    std::map<std::string, std::string> header;
    std::vector<std::map<std::string, std::string>> documents; // СекцияДокумент included
};
std::optional<BankExchangeContent> readBankExchange(const std::string& bytes);

} // namespace kestrelon
