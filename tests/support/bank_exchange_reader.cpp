#include "bank_exchange_reader.h"

#include "store/cp1251.h"

namespace kestrelon {

std::optional<BankExchangeContent> readBankExchange(const std::string& bytes) {
    BankExchangeContent content;
    std::map<std::string, std::string>* section = nullptr;
    bool first = true;
    bool ended = false;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) {
            return std::nullopt; // every line ends with CRLF, the last one too
        }
        const std::string line = bytes.substr(at, end - at);
        at = end + 2;
        if (first) {
            if (line != "1CClientBankExchange") {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        if (ended) {
            return std::nullopt;
        }
        if (line == "КонецФайла"_cp) {
            ended = section == nullptr;
            if (!ended) {
                return std::nullopt;
            }
            continue;
        }
        if (line == "КонецДокумента"_cp) {
            if (section == nullptr) {
                return std::nullopt;
            }
            section = nullptr;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            return std::nullopt;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "СекцияДокумент"_cp) {
            if (section != nullptr) {
                return std::nullopt;
            }
            section = &content.documents.emplace_back();
        }
        (section != nullptr ? *section : content.header)[key] = value;
    }
    if (!ended) {
        return std::nullopt;
    }
    return content;
}

} // namespace kestrelon
