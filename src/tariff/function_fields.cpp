#include "function_fields.h"

#include "normalize_thresholds.h"
#include "store/general_number.h"
#include "tariff_amount.h"

#include <algorithm>
#include <optional>

namespace kestrelon::tariff {
namespace {

// Typing gives a rate field at most four digits, but a function written by another program
// may hold any 16-bit rate, and the field shows it whole: it is read back as it was shown.
// A text that is no such number (a sign, a separator, a letter, a larger number) is refused
// rather than stored wrapped.
constexpr unsigned kMaxRate = 65535;

std::optional<std::uint16_t> readRate(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    unsigned value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > kMaxRate) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint16_t>(value);
}

} // namespace

bool isFromField(int field) {
    return field >= 1 && field < kFirstRateField;
}

bool isRateField(int field) {
    return field >= kFirstRateField && field < kFieldCount;
}

std::uint16_t MaxRate(const TariffFunction& function) {
    std::uint16_t largest = 0;
    for (const LeU16& rate : function.Rates) {
        largest = std::max(largest, rate.get());
    }
    return largest;
}

FieldTexts FunctionFieldTexts(const TariffFunction& function, char separator) {
    FieldTexts texts{std::string("0")}; // field 0 is never edited
    for (std::size_t k = 1; k < 8; ++k) {
        texts[k] = generalNumber(function.Thresholds[k].get(), 2, separator);
    }
    for (std::size_t i = 0; i < 8; ++i) {
        texts[kFirstRateField + i] = std::to_string(function.Rates[i].get());
    }
    return texts;
}

CheckResult CheckFields(TariffFunction& edited, const FieldTexts& texts, int currentField) {
    CheckResult result;
    for (std::size_t i = 0; i < 8; ++i) {
        const std::string& text = texts[kFirstRateField + i];
        const std::optional<std::uint16_t> rate = readRate(text);
        if (!rate) {
            result.stopped = true;
            result.message.append("'").append(text).append("' is not a valid integer value");
            return result;
        }
        edited.Rates[i] = *rate;
    }
    if (isFromField(currentField)) {
        const std::optional<std::uint32_t> amount =
            ParseAmount(texts[static_cast<std::size_t>(currentField)]);
        if (amount) {
            NormalizeThresholds(edited, currentField, *amount);
            result.showFunction = true;
        } else {
            result.emptyCurrentField = true;
        }
    }
    result.maxRate = MaxRate(edited);
    return result;
}

} // namespace kestrelon::tariff
