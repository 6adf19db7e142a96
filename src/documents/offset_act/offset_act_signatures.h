#pragma once
// The signatures that close the act of mutual offset, under clause 5.

#include "offset_act_layout.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace kestrelon::offset_act {

// The signatures stand in two columns that meet in the middle of the text column, a "W"
// apart: the principal's from the left margin, the agent's right-aligned to the right one. A
// text wider than its column wraps in it, and the rows under it move down for both parties,
// so that their captions and signature lines stay level.
struct Signatures {
    static constexpr std::size_t kRows = 3; // the name, the signer's post, the signature line
    // Empty lines above each row: three under clause 5, the post right under the name, and
    // one before the signature line.
    static constexpr std::array<int, kRows> kGapBefore{3, 0, 1};
    std::array<std::vector<std::string>, kRows> principal;
    std::array<std::vector<std::string>, kRows> agent;

    int rowLines(std::size_t row) const {
        return static_cast<int>(std::max(principal[row].size(), agent[row].size()));
    }
    // The line steps from clause 5's last line down to the bottom of the signature line.
    int lines() const {
        int lines = 0;
        for (std::size_t row = 0; row < kRows; ++row) {
            lines += kGapBefore[row] + rowLines(row);
        }
        return lines;
    }
};

// Each party's texts of items 56..61 wrapped in its column, as OffsetActText keeps them.
std::array<std::vector<std::string>, 6> wrapSignatures(const DocumentText& items, const Measures& m,
                                                       const TextMetrics& metrics);

// The wrapped signatures the act's texts keep, by party.
Signatures signaturesOf(const OffsetActText& texts);

// The three rows from the fourth line step under clause 5's last line on.
void placeSignatures(const Context& c, PageWriter& page, const Signatures& s, int clause5Y);

} // namespace kestrelon::offset_act
