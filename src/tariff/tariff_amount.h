#pragma once
// Amounts typed into the tariff tools ("From" fields, price tokens, the copy limit). Stricter
// than the report amounts: a separator must be followed by one or two digits ("12." is not an
// amount here), and only "," and "." separate.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelon::tariff {

// The amount in hundredths: digits, then optionally one "," or "." and one or two digits.
// "1,5" and "1.5" read alike whatever the system's separator; the value is number x 100,
// which is whole for two fraction digits. nullopt for a text that is not such an amount, or
// whose hundredths do not fit 32 bits.
std::optional<std::uint32_t> ParseAmount(std::string_view text);

// The text with every "," and "." written as the system's decimal separator.
std::string normaliseSeparators(std::string_view text, char systemSeparator);

} // namespace kestrelon::tariff
