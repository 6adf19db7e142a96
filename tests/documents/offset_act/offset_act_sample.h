#pragma once
// The act of mutual offset as its layout tests lay it out: the measures of a page at 4 pixels
// per millimetre with the fake metrics, a report's values, and ways to find where texts went.

#include "documents/fake_metrics.h"
#include "documents/offset_act/offset_act_document.h"
#include "documents/sample_input.h"
#include "store/cp1251.h"

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon::offset_act_sample {

// The act at 4 pixels per millimetre with the fake metrics, worked out by hand.
//
// Down the page the act is laid out in micrometres, whatever the device: body lines 4.86 mm
// apart, table lines 4.39 mm, a 6 mm row with 0.805 mm above and below its line, margins of
// 15 mm. px() gives the pixel row of such a length at 4 pixels per millimetre.
inline constexpr PageScale kFour{4, 4};
inline constexpr int kHb = 4860, kHt = 4390, kInset = 805, kRow = 6000;
inline constexpr int kTop = 15000;
inline constexpr int kMargin = 297000 - 15000;   // where the bottom margin begins
inline constexpr int kRowLimit = kMargin - 3000; // a row lower than this ends its page
// The closing blocks end above this: no lower than a page's last row reaches.
inline constexpr int kBottom = kMargin + 3000;
inline constexpr int kHeader = 3 * kHt + 2 * kInset;
inline int px(int um) {
    return roundHalfEven(um * 4 / 1000.0);
}

// Across the page, in pixels. A font's cell is the most whole pixels its line step holds:
// Times 4.86 mm is 19 pixels (of 19.44) and 10 wide a character, 11 bold; Times 4.39 mm is 17
// (of 17.56) and 8 wide, 9 bold.
inline constexpr int kLeft = 100, kRight = 780, kClauseX = 120;
// "wвзаимозачетаw" is 14 bold characters, 126 pixels; the other 554 make five columns of
// 110.8.
inline constexpr std::array<int, 7> kColumns{100, 211, 322, 432, 543, 654, 780};

inline const FakeMetrics kMetrics;

inline PageGeometry screen(PageScale scale = kFour) {
    return PageGeometry{scale, 0, 0, false};
}

// The y (micrometres) of the second table's header bottom for the line counts of the preamble
// and clauses.
inline int rowsTop(const std::array<int, 6>& n) {
    const int preamble = kTop + 3 * kHb + 2 * kHb;
    const int firstTable = preamble + (n[0] + 1) * kHb + (n[1] + 1) * kHb;
    const int clause2 = firstTable + kHeader + kHt + 2 * kInset + kHb;
    return clause2 + (n[2] + 1) * kHb + kHeader;
}

// Every item names itself ("i44"), so a test finds where each one went.
inline OffsetActText numberedAct(std::size_t rows, const std::array<int, 6>& lineCounts) {
    OffsetActText act;
    for (int i = 0; i < 64; ++i) {
        act.items.push_back("i" + std::to_string(i));
    }
    act.lineCounts = lineCounts;
    for (std::size_t i = 0; i < act.signatures.size(); ++i) {
        act.signatures[i] = {act.items[56 + i]};
    }
    for (std::size_t r = 0; r < rows; ++r) {
        act.cells.push_back({"N" + std::to_string(r), "d", "g", "v"});
    }
    return act;
}

// Where each text went: its pages and positions, in page order.
inline std::multimap<std::string, std::pair<std::size_t, TextItem>>
textsOf(const PlacedDocument& d) {
    std::multimap<std::string, std::pair<std::size_t, TextItem>> all;
    for (std::size_t p = 0; p < d.pages.size(); ++p) {
        for (const TextItem& t : d.pages[p].texts) {
            all.emplace(t.text, std::make_pair(p, t));
        }
    }
    return all;
}

inline std::vector<int> tails(const PlacedDocument& d) {
    std::vector<int> codes;
    for (const PlacedPage& p : d.pages) {
        codes.push_back(p.tailCode);
    }
    return codes;
}

inline DocumentInput offsetInput() {
    DocumentInput in = sampleInput();
    in.offsetActNo = "12";
    in.offsetActDate = "31.03.2011";
    in.toPrincipal = "1000.00";
    in.vatTotal = "152.54";
    in.principalChiefAccountantGenitive = "Сидоровой С. С."_cp;
    in.agentChiefAccountantGenitive = "Петровой П. П."_cp;
    in.principalChiefAccountant = "Сидорова С. С."_cp;
    return in;
}

} // namespace kestrelon::offset_act_sample
