#pragma once
// Money arithmetic: amounts are uint32 kopecks; amount texts are parsed the way the
// bookkeepers type them; VAT at the period's rate is converted in 80-bit extended precision.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrelon {

// The outcome of splitting an amount text into rubles and kopecks.
struct RubleKopek {
    enum Status { Valid = 0, Malformed = 1, TooManyDigits = 2 };
    std::string rubles;  // digits; "0" for a zero ruble part
    std::string kopecks; // empty or two digits
    Status status = Valid;
    std::string text; // the text as normalised ("12.5" -> "12.50", "12," -> "12"), or empty
};

// Splits an amount text: digits, then at most one of ",", "-", "." and at most two digits.
RubleKopek DivRubleKopek(std::string_view text);

// The largest ruble part RubToKop accepts: rubles x 100 must fit a signed 32-bit integer.
inline constexpr std::uint32_t kMaxRubles = 21474836;

// A report keeps its amounts as texts of at most 10 characters: "9999999.99" is the largest
// amount, or total, that a report file can hold without cutting digits off.
inline constexpr std::size_t kMaxAmountTextLength = 10;
inline constexpr std::uint32_t kMaxStoredKopecks = 999999999;

enum class AmountError { None, Malformed, TooLarge };

struct KopecksOrError {
    std::uint32_t kopecks = 0;
    AmountError error = AmountError::None;
    bool ok() const { return error == AmountError::None; }
};

// Rubles x 100 + kopecks. Both parts empty (a text DivRubleKopek rejected) is Malformed,
// a ruble part above kMaxRubles is TooLarge: neither produces a value.
KopecksOrError RubToKop(std::string_view rubles, std::string_view kopecks);

// DivRubleKopek followed by RubToKop.
KopecksOrError parseAmount(std::string_view text);

// MoneyText: rubles, ".", two kopeck digits ("1500.00", "0.05").
std::string KopToRub(std::uint32_t kopecks);
// The same for a sum of many amounts.
std::string kopecksText(std::uint64_t kopecks);
// As people write an amount: "1 234 567,89" (thousands apart by blanks, a decimal comma).
std::string groupedAmount(std::uint64_t kopecks);

// base - amount, refusing a base smaller than the amount (no unsigned wrap).
std::optional<std::uint32_t> KopMinusRub(std::uint32_t base, std::uint32_t amount);

// The constants of the VAT conversions at a rate of r percent, in 80-bit extended precision:
// r/100, r/(100+r) and (100+r)/100. At 18 % they are exactly 0.18L, 18.0L/118.0L and 1.18L.
struct VatFactors {
    long double share;          // r/100: VAT on a net amount
    long double containedShare; // r/(100+r): VAT contained in an amount with VAT
    long double grossFactor;    // (100+r)/100: amount with VAT per net amount
};
VatFactors vatFactors(int ratePercent);

// The six VAT conversions at a rate of r percent, rounded half to even; nullopt when the
// result does not fit 0..4294967295.
enum class NdsMode {
    VatFromNet = 0,   // x * r/100
    VatFromGross = 1, // x * r/(100+r)
    GrossFromNet = 2, // x * r/100 + x
    NetFromGross = 3, // x / ((100+r)/100)
    NetFromVat = 4,   // x / (r/100)
    GrossFromVat = 5, // x / (r/100) + x
};
std::optional<std::uint32_t> CalcNds(NdsMode mode, std::uint32_t kopecks, int ratePercent);

// Checked sum of kopecks; nullopt when it would pass 4294967295.
std::optional<std::uint32_t> addKopecks(std::uint32_t a, std::uint32_t b);

} // namespace kestrelon
