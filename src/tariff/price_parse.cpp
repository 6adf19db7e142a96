#include "price_parse.h"

#include "price_line.h"
#include "price_token.h"
#include "store/cp1251.h"
#include "store/general_number.h"
#include "tariff_amount.h"
#include "text_lines.h"

#include <cstdint>

namespace kestrelon::tariff {
namespace {

constexpr std::size_t kLineLength = 128;
constexpr std::size_t kPriceTextLength = 7;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) < 33;
}

struct PricedLine {
    std::string_view name;
    std::string_view token;
};

// The name and the price word of a line; an empty token when the line has no name before it.
PricedLine splitLine(std::string_view line) {
    line = line.substr(0, kLineLength);
    while (!line.empty() && isBlank(line.back())) {
        line.remove_suffix(1);
    }
    std::size_t start = line.size();
    while (start > 0 && !isBlank(line[start - 1])) {
        --start;
    }
    if (start == 0) {
        return {}; // empty, or one word only
    }
    return {line.substr(0, start - 1), line.substr(start)};
}

} // namespace

ParseOutcome parsePriceText(std::string_view text, unsigned percent, char separator,
                            PriceTable& table) {
    ParseOutcome outcome;
    for (const std::string_view line : splitLines(text)) {
        const PricedLine priced = splitLine(line);
        const TokenPrice price = readPriceToken(priced.token);
        if (priced.token.empty() || price.reading == PriceReading::NotAPrice) {
            continue;
        }
        if (price.reading == PriceReading::TooDear) {
            ++outcome.tooDear;
            continue;
        }
        if (outcome.count == kMaxPriceLines) {
            ++outcome.beyondCapacity;
            continue;
        }
        PriceEntry& entry = table.Lines[outcome.count++];
        entry.Name = priced.name;
        entry.PriceText = normaliseSeparators(priced.token, separator).substr(0, kPriceTextLength);
        entry.BasePrice = price.kopecks;
        entry.Individual = 0;
        setLinePercent(entry, percent, separator);
    }
    table.Count = static_cast<std::uint32_t>(outcome.count);
    return outcome;
}

std::string leftOutMessage(const ParseOutcome& outcome, char separator) {
    if (outcome.leftOut() == 0) {
        return {};
    }
    std::string message = "Из прайс-листа не взято строк: "_cp + std::to_string(outcome.leftOut());
    if (outcome.tooDear > 0) {
        message += ".\n"_cp + "Цена выше "_cp + generalNumber(kMaxBasePrice, 2, separator) +
                   ": "_cp + std::to_string(outcome.tooDear);
    }
    if (outcome.beyondCapacity > 0) {
        message += ".\n"_cp + "Сверх "_cp + std::to_string(kMaxPriceLines) + " строк: "_cp +
                   std::to_string(outcome.beyondCapacity);
    }
    return message + ".";
}

} // namespace kestrelon::tariff
