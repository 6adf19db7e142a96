#include "selection_stats.h"

#include "store/general_number.h"

#include <algorithm>
#include <cstdint>

namespace kestrelon::tariff {
namespace {

// sum / n rounded to the nearest whole number, an exact half to the even one.
std::uint64_t roundedAverage(std::uint64_t sum, std::uint64_t n) {
    const std::uint64_t quotient = sum / n;
    const std::uint64_t twiceRest = 2 * (sum % n);
    if (twiceRest > n || (twiceRest == n && quotient % 2 == 1)) {
        return quotient + 1;
    }
    return quotient;
}

} // namespace

std::string selectionRangeText(std::size_t top, std::size_t bottom) {
    return "Selection - " + std::to_string(bottom - top + 1) + " (" + std::to_string(top + 1) +
           ".." + std::to_string(bottom + 1) + ")";
}

std::string selectionSummary(const PriceTable& table, std::size_t top, std::size_t bottom,
                             char separator) {
    std::uint64_t sum = 0;
    std::uint32_t least = table.Lines[top].BasePrice.get();
    std::uint32_t greatest = least;
    for (std::size_t i = top; i <= bottom; ++i) {
        const std::uint32_t price = table.Lines[i].BasePrice.get();
        sum += price;
        least = std::min(least, price);
        greatest = std::max(greatest, price);
    }
    const std::uint64_t n = bottom - top + 1;
    const auto rubles = [separator](std::uint64_t kopecks) {
        return generalNumber(kopecks, 2, separator);
    };
    return "Selection = " + std::to_string(n) + ".    average = " + rubles(roundedAverage(sum, n)) +
           ".    min = " + rubles(least) + ".    max = " + rubles(greatest) + ".";
}

} // namespace kestrelon::tariff
