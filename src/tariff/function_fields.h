#pragma once
// The sixteen fields of the function editor: eight "From" amounts (field 0 always 0) above
// eight "%" rates, shown from the working copy and committed back into it.

#include "store/tariff_function.h"

#include <array>
#include <cstdint>
#include <string>

namespace kestrelon::tariff {

inline constexpr int kFieldCount = 16;
inline constexpr int kFirstRateField = 8;
inline constexpr int kNoField = -1;

// Field texts in field order, cp1251.
using FieldTexts = std::array<std::string, kFieldCount>;

bool isFromField(int field);
bool isRateField(int field);

// The largest of the eight rates.
std::uint16_t MaxRate(const TariffFunction& function);

// "From" field k shows T[k] / 100 as a general number (100 -> "1", 150 -> "1.5" or "1,5"),
// "%" field 8 + i shows R[i]; field 0 shows "0".
FieldTexts FunctionFieldTexts(const TariffFunction& function, char separator);

struct CheckResult {
    // A "%" text was no whole number: the rates before it are committed, nothing after it.
    bool stopped = false;
    std::string message; // cp1251, set when stopped
    // The current "From" field held no valid amount: the window empties it.
    bool emptyCurrentField = false;
    // A "From" amount was committed: every field is to show the working copy again.
    bool showFunction = false;
    std::uint16_t maxRate = 0; // valid unless stopped
};

// Commits the editor's fields into the working copy: every "%" text becomes its rate (an empty
// text is 0), then the current field, when it is a "From" field 1..7, becomes its threshold
// with the thresholds around it kept in order.
CheckResult CheckFields(TariffFunction& edited, const FieldTexts& texts, int currentField);

} // namespace kestrelon::tariff
