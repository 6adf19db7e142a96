#pragma once
// Amounts in Russian words (cp1251 texts).

#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// A whole number of 1..999 999 999 given as decimal digits (leading zeros allowed), in
// lower-case words, masculine units ("сто двадцать один"). Zero is spelled by the callers:
// it, and any text that is not such a number, gives the empty text.
std::string NumToLet(std::string_view digits);

// "Сто двадцать три рубля 45 копеек": rubles in words, kopecks as two digits, cut to 255
// characters, first letter capital. nullopt when the amount text is not an amount.
std::optional<std::string> NumToLetRubleKopek(std::string_view amount);

// The same line for use inside a sentence: first letter left in lower case
// ("одна тысяча пятьсот рублей 00 копеек").
std::optional<std::string> amountInWords(std::string_view amount);

} // namespace kestrelon
