#pragma once
// The act of mutual offset as its layout tests lay it out: the measures of a page at 4 pixels
// per millimetre with the fake metrics, a report's values, and ways to find where texts went.

#include "documents/offset_act_document.h"
#include "fake_metrics.h"
#include "sample_input.h"
#include "store/cp1251.h"

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kestrelon::offset_act_sample {

// The act at 4 pixels per millimetre with the fake metrics, worked out by hand: Times 4.86 mm
// is 19 pixels high and 10 wide a character; Times 4.39 mm is 18 high, 9 wide (10 bold); the
// inset of a 6 mm row is (24 - 18) / 2.
inline constexpr PageScale kFour{4, 4};
inline constexpr int kHb = 19, kHt = 18, kInset = 3, kRow = 24;
inline constexpr int kLeft = 100, kRight = 780, kTop = 60, kClauseX = 120;
inline constexpr int kBottom = 1188 - 60;      // the closing blocks end above this
inline constexpr int kRowLimit = kBottom - 12; // a row lower than this ends its page
inline constexpr int kHeader = 3 * kHt + 2 * kInset;
// "wвзаимозачетаw" is 14 bold characters; the other 540 pixels make five columns of 108.
inline constexpr std::array<int, 7> kColumns{100, 208, 316, 424, 532, 640, 780};

inline const FakeMetrics kMetrics;

inline PageGeometry screen(PageScale scale = kFour) {
    return PageGeometry{scale, 0, 0, false};
}

// The y of the second table's header bottom for the line counts of the preamble and clauses.
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
