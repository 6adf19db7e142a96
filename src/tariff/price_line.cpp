#include "price_line.h"

#include "mark_up.h"
#include "store/general_number.h"

namespace kestrelon::tariff {

namespace {
constexpr std::size_t kPriceTextLength = 7;
} // namespace

std::string markedUpText(std::uint32_t markedUpKopecks, char separator) {
    return cutGeneralNumber(generalNumber(markedUpKopecks, 2, separator), kPriceTextLength,
                            separator);
}

void setLinePercent(PriceEntry& line, unsigned percent, char separator) {
    const std::uint32_t markedUp = MarkUpPrice(line.BasePrice.get(), percent);
    line.Percent = percent;
    line.MarkedUpPrice = markedUp;
    line.MarkedUpText = markedUpText(markedUp, separator);
}

} // namespace kestrelon::tariff
