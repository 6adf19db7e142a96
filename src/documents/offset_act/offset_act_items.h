#pragma once
// Where the blocks of the act of mutual offset sit in its list of texts.

#include <array>
#include <cstddef>

namespace kestrelon::offset_act {

inline constexpr std::size_t kTitle = 0; // 0, 1
inline constexpr std::size_t kCity = 2;
inline constexpr std::size_t kDate = 3;
inline constexpr std::size_t kPreamble = 4;      // 4..7
inline constexpr std::size_t kClause1 = 8;       // 8..11
inline constexpr std::size_t kFirstHeader = 12;  // 12..22
inline constexpr std::size_t kFirstRow = 23;     // 23..28: contract, number, date, sum, VAT, offset
inline constexpr std::size_t kClause2 = 29;      // 29..32
inline constexpr std::size_t kSecondHeader = 33; // 33..43
inline constexpr std::size_t kClause3 = 44;      // 44..47
inline constexpr std::size_t kClause4 = 48;      // 48..51
inline constexpr std::size_t kClause5 = 52;      // 52..55
inline constexpr std::size_t kSignatures = 56;   // 56..58 the principal's, 59..61 the agent's
inline constexpr std::size_t kPageLine = 62;     // the act named on each sheet, without the sheet

inline constexpr std::size_t kContractCell = kFirstRow; // merged into the second table too
inline constexpr std::size_t kOffsetSumCell = kFirstRow + 5;

inline constexpr std::size_t kBlockItems = 4;
inline constexpr std::size_t kColumns = 6;
inline constexpr std::size_t kHeaderTexts = 11;
// The header texts stack in their columns: "Номер" / "договора", "Номер счета", ...
inline constexpr std::array<int, kColumns> kHeaderLines{2, 1, 1, 2, 2, 3};

// Indexes into OffsetActText::lineCounts.
enum Block : std::size_t { Preamble, Clause1, Clause2, Clause3, Clause4, Clause5 };

} // namespace kestrelon::offset_act
