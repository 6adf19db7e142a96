#include "documents/offset_act/offset_act_document.h"

#include "documents/layout_dump.h"
#include "offset_act_sample.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace kestrelon {
namespace {

using namespace offset_act_sample;

// A page as wide as 20 pixels a millimetre with a 4-pixel font keeps every clause whole.
OffsetActText unwrapped(const DocumentInput& in) {
    return FillActZSt(in, screen(PageScale{20, 1}), kMetrics);
}

TEST(OffsetActText, ClausesNameTheAmountsInWords) {
    const OffsetActText act = unwrapped(offsetInput());
    EXPECT_EQ(act.lineCounts, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(act.items[44], "3.  На основании статьи 410 ГК РФ, стороны договорились о проведении "
                             "зачета взаимных требований на сумму одна тысяча пятьсот рублей 00 "
                             "копеек без учета НДС."_cp);
    EXPECT_EQ(act.items[48], "4.  Остаток задолженности в сумме одна тысяча рублей 00 копеек в "
                             "т.ч. НДС 18% - сто пятьдесят два рубля 54 копейки подлежит оплате "
                             "на расчетный счет ООО \"Тарвел\"."_cp);
    EXPECT_EQ(act.items[29], "2.  ООО \"Ромашка\" имеет задолженность перед ООО \"Тарвел\" за "
                             "услуги связи ООО \"Тарвел\", оказанные Абонентам и Пользователям  "
                             "за период Март 2011 г."_cp);
    EXPECT_EQ(act.items[61], "____________________ / (Петрова П. П.)"_cp);
    EXPECT_TRUE(act.items[45].empty()) << "a whole clause leaves the block's other items empty";

    DocumentInput noAmount = offsetInput();
    noAmount.remuneration.clear();
    EXPECT_TRUE(unwrapped(noAmount).items[44].ends_with("на сумму  без учета НДС."_cp));
}

// Clause 4 names the VAT rate in force in the report's month.
TEST(OffsetActText, ClauseFourNamesTheRateOfThePeriod) {
    const std::vector<std::pair<Period, std::string>> cases = {
        {Period{11, 8}, " в т.ч. НДС 18% - "_cp},  // December 2018
        {Period{0, 9}, " в т.ч. НДС 20% - "_cp},   // January 2019
        {Period{10, 16}, " в т.ч. НДС 22% - "_cp}, // November 2026
    };
    for (const auto& [period, text] : cases) {
        DocumentInput in = offsetInput();
        in.period = period;
        EXPECT_NE(unwrapped(in).items[48].find(text), std::string::npos)
            << period.calendarYear() << ": " << cp1251ToUtf8(unwrapped(in).items[48]);
    }
}

TEST(OffsetActText, DateLineShowsOnlyAFourDigitYear) {
    const std::string withYear = "\"    \" ____________ 2011  г."_cp;
    const std::string without = "\"    \" ____________   г."_cp;
    for (const auto& [date, line] :
         std::vector<std::pair<std::string, std::string>>{{"31.03.2011", withYear},
                                                          {"..31.03.2011", withYear},
                                                          {"31.03.11", without},
                                                          {"31032011", without},
                                                          {"31..2011", without},
                                                          {"", without}}) {
        DocumentInput in = offsetInput();
        in.offsetActDate = date;
        EXPECT_EQ(unwrapped(in).items[3], line) << date;
    }
}

TEST(OffsetActText, AClauseExactlyAsWideAsItsColumnStaysWhole) {
    // At 8 pixels a millimetre across the clause column is 1680 - 120 - 240 - 2 * 10 = 1300
    // pixels: 130 characters of 10.
    const PageGeometry wide = screen(PageScale{8, 4});
    const std::string prefix = "5.  Настоящий Акт составлен в двух экземплярах, по одному для "
                               "ООО \"Тарвел\" и "_cp;
    DocumentInput in = offsetInput();
    in.agent->name = std::string(130 - prefix.size(), 'R');
    const OffsetActText exact = FillActZSt(in, wide, kMetrics);
    EXPECT_EQ(exact.lineCounts[5], 1);
    EXPECT_EQ(exact.items[52], prefix + in.agent->name);

    in.agent->name += "R";
    const OffsetActText over = FillActZSt(in, wide, kMetrics);
    EXPECT_EQ(over.lineCounts[5], 2);
    EXPECT_EQ(over.items[53], in.agent->name);
    EXPECT_TRUE(over.items[54].empty());
}

TEST(OffsetActText, ALongAgentNameGivesWayInTheClausesAndStaysWholeUnderTheSignatures) {
    DocumentInput in = offsetInput();
    in.agent->name = std::string(128, 'A');
    const OffsetActText act = FillActZSt(in, screen(), kMetrics);
    struct Block {
        std::size_t first;
        int count;
        std::string ending; // the clause's own words after the name
    };
    const Block blocks[] = {
        {4, act.lineCounts[0],
         " в лице Главного бухгалтера Петровой П. П. с другой стороны, "
         "составили настоящий Акт о том, что:"_cp},
        {8, act.lineCounts[1],
         " за реализованные товары (работы, услуги) за период Март 2011 г. "
         "по следующим счетам:"_cp},
        {29, act.lineCounts[2],
         " имеет задолженность перед ООО \"Тарвел\" за услуги связи ООО "
         "\"Тарвел\", оказанные Абонентам и Пользователям за период Март "
         "2011 г."_cp},
        {52, act.lineCounts[5], ""},
    };
    for (const Block& b : blocks) {
        ASSERT_EQ(b.count, 4) << "block at " << b.first;
        std::string joined;
        for (int k = 0; k < b.count; ++k) {
            joined += (k > 0 ? " " : "") + act.items[b.first + static_cast<std::size_t>(k)];
        }
        const std::string shortened = "\x85" + b.ending;
        EXPECT_EQ(joined.substr(joined.size() - std::min(joined.size(), shortened.size())),
                  shortened)
            << cp1251ToUtf8(joined);
    }
    EXPECT_EQ(act.items[59], in.agent->name);
}

TEST(OffsetActLayout, FirstPagePositions) {
    const OffsetActText act = FillActZSt(offsetInput(), screen(), kMetrics);
    const PlacedDocument doc = FillActZXY(act, screen(), kMetrics);
    const auto at = textsOf(doc);
    const auto pos = [&](const std::string& t) {
        const TextItem& p = at.find(t)->second.second;
        return std::make_pair(p.x, p.y);
    };
    // 3 and 31 bold characters of 11 centred in 680 pixels from 100 (halves to even); the
    // lines 4.86 mm apart from the 15 mm margin, at 60, 79.44, 118.32 and 157.2 pixels.
    EXPECT_EQ(pos("АКТ"_cp), std::make_pair(424, 60));
    EXPECT_EQ(pos("ЗАЧЕТА ВЗАИМНЫХ ТРЕБОВАНИЙ № 12"_cp), std::make_pair(270, 79));
    EXPECT_EQ(pos("г. Москва"_cp), std::make_pair(kLeft, 118));
    EXPECT_EQ(pos(act.items[3]), std::make_pair(kRight - 28 * 10, 118));
    EXPECT_EQ(pos(act.items[4]), std::make_pair(kLeft, 157));
    EXPECT_EQ(pos(act.items[8]),
              std::make_pair(kClauseX, px(kTop + 5 * kHb + (act.lineCounts[0] + 1) * kHb)));
    // Headers: 12 and 8 bold characters of 9 centred in columns of 126 and 111 pixels; the
    // last column's stack of three 4.39 mm lines centred in the 14.78 mm header row, the first
    // column's stack of two likewise.
    const int firstTable = kTop + 5 * kHb + (act.lineCounts[0] + act.lineCounts[1] + 2) * kHb;
    EXPECT_EQ(pos("взаимозачета"_cp), std::make_pair(663, px(firstTable + 805 + kHt)));
    EXPECT_EQ(pos("договора"_cp), std::make_pair(100 + 20, px(firstTable + 3000 + kHt)));
}

TEST(OffsetActLayout, RowsFillTheirOwnColumns) {
    DocumentInput in = offsetInput();
    in.rows = {{"N101", "01.03.2011", "118.00", "18.00"}, {"N102", "02.03.2011", "2.36", "0.36"}};
    const OffsetActText act = FillActZSt(in, screen(), kMetrics);
    const PlacedDocument doc = FillActZXY(act, screen(), kMetrics);
    const int top = rowsTop(act.lineCounts);
    const auto at = textsOf(doc);
    // Characters of 8 pixels centred in columns 111, 110, 111 and 111 wide (halves to even).
    const int first = px(top + kInset);
    const int second = px(top + kRow + kInset);
    const std::vector<std::tuple<std::string, int, int>> cells{{"N101", 211 + 40, first},
                                                               {"01.03.2011", 322 + 15, first},
                                                               {"118.00", 432 + 32, first},
                                                               {"18.00", 543 + 36, first},
                                                               {"2.36", 432 + 40, second}};
    for (const auto& [text, x, y] : cells) {
        const TextItem& t = at.find(text)->second.second;
        EXPECT_EQ(std::make_pair(t.x, t.y), std::make_pair(x, y)) << text;
    }
    EXPECT_EQ(doc.pages[0].tableRows, 2);

    in.rows.clear();
    EXPECT_EQ(FillActZSt(in, screen(), kMetrics).cells,
              (std::vector<std::array<std::string, 4>>{{}}));
}

TEST(OffsetActLayout, ClosingBlocksMoveWholeToTheNextPage) {
    const std::array<int, 6> counts{1, 1, 1, 2, 2, 2};
    const int top = rowsTop(counts);
    // Under the last row: a line step and clause 3; clause 4; clause 5, three steps, the
    // name, the post, one step and the signature line.
    const int t3 = 3 * kHb, t34 = 2 * kHb + t3, t345 = t34 + (2 + 3 + 2 + 1 + 1) * kHb;
    // The most rows under which each part of the closing text still fits.
    const int fit345 = (kBottom - t345 - top) / kRow;
    const int fit34 = (kBottom - t34 - top) / kRow;
    const int fit3 = (kBottom - t3 - top) / kRow;
    ASSERT_LT(fit345 + 1, fit34);
    ASSERT_LE(fit34 + 1, fit3);
    ASSERT_LE(top + (fit3 + 1) * kRow, kRowLimit + kRow) << "all cases keep one table page";
    struct Case {
        int rows;
        std::vector<int> tails;
        int firstBlockY; // y of the first closing line on the table's page, or on the next
    };
    const std::vector<Case> cases{{3, {35}, top + 3 * kRow + kHb},
                                  {fit345, {35}, top + fit345 * kRow + kHb},
                                  {fit345 + 1, {34, 55}, top + (fit345 + 1) * kRow + kHb},
                                  {fit34, {34, 55}, top + fit34 * kRow + kHb},
                                  {fit34 + 1, {33, 45}, top + (fit34 + 1) * kRow + kHb},
                                  {fit3, {33, 45}, top + fit3 * kRow + kHb},
                                  {fit3 + 1, {0, 35}, kTop}};
    for (const Case& c : cases) {
        const PlacedDocument doc =
            FillActZXY(numberedAct(static_cast<std::size_t>(c.rows), counts), screen(), kMetrics);
        EXPECT_EQ(tails(doc), c.tails) << c.rows << " rows";
        EXPECT_EQ(textsOf(doc).find("i44")->second.second.y, px(c.firstBlockY))
            << c.rows << " rows";
    }
}

// The closing text stays under the table exactly while its signature line ends no lower
// than a page's last row may reach, half a row into the bottom margin. The second table's rows
// begin at 50.56 mm and 4.86 mm for each of nine lines plus the lines of the preamble and
// clauses 1 and 2 (see rowsTop); under the rows the closing blocks take 4.86 mm for each of
// eight lines (the step above clause 3 and the seven lines of signatures) plus those of
// clauses 3 to 5. So the signature line ends at
// 50.56 + 6 * rows + 4.86 * (17 + the sum of the line counts) millimetres.
TEST(OffsetActLayout, TheTailStaysWhileItsLastLineEndsNoLowerThanTheLastRowMay) {
    struct Case {
        std::array<int, 6> counts;
        int rows;
        int lastLineBottom; // as worked out above, in micrometres
        std::vector<int> tails;
    };
    const std::vector<Case> cases{
        {{2, 1, 1, 2, 1, 2}, 18, kBottom - 80, {35}},               // 0.08 mm above the limit
        {{3, 2, 2, 3, 2, 2}, 14, kBottom + 220, {34, 55}},          // 0.22 mm past it
        {{1, 1, 1, 1, 1, 1}, 3, 50560 + 3 * kRow + 23 * kHb, {35}}, // a short act
    };
    for (const Case& c : cases) {
        const PlacedDocument doc =
            FillActZXY(numberedAct(static_cast<std::size_t>(c.rows), c.counts), screen(), kMetrics);
        EXPECT_EQ(tails(doc), c.tails) << c.rows << " rows";
        const auto at = textsOf(doc);
        if (c.tails.size() == 1) {
            ASSERT_EQ(doc.pages.size(), 1u);
            EXPECT_EQ(at.find("i61")->second.second.y, px(c.lastLineBottom - kHb)) << c.rows;
        } else {
            // Clause 5 opens the next page: under clause 4 it would have ended in the margin.
            const TextItem& clause4 =
                at.find("i" + std::to_string(48 + c.counts[4] - 1))->second.second;
            EXPECT_EQ(clause4.y, px(c.lastLineBottom - (c.counts[5] + 8) * kHb));
        }
    }

    // A month of three invoices, as the report window lays it out, stays on one page.
    DocumentInput in = offsetInput();
    in.rows = {{"101", "01.03.2011", "118.00", "18.00"},
               {"102", "15.03.2011", "236.00", "36.00"},
               {"103", "31.03.2011", "1180.00", "180.00"}};
    const PlacedDocument month = FillActZXY(FillActZSt(in, screen(), kMetrics), screen(), kMetrics);
    EXPECT_EQ(tails(month), std::vector<int>{35});
    EXPECT_EQ(month.pages.size(), 1u);
}

TEST(OffsetActLayout, ALongAgentNameWrapsInItsSignatureColumnAndTheBlockGrows) {
    // The agent's column runs from the middle, 440, plus half a "W" to the right margin: 335
    // pixels hold 33 characters, so 100 take four lines.
    DocumentInput in = offsetInput();
    in.agent->name = std::string(100, 'A');
    const OffsetActText wrapped = FillActZSt(in, screen(), kMetrics);
    const std::vector<std::string> lines{std::string(33, 'A'), std::string(33, 'A'),
                                         std::string(33, 'A'), "A"};
    ASSERT_EQ(wrapped.signatures[3], lines);
    EXPECT_EQ(wrapped.signatures[0], std::vector<std::string>{"ООО \"Тарвел\""_cp});

    const std::array<int, 6> counts{1, 1, 1, 2, 2, 2};
    OffsetActText plain = numberedAct(3, counts);
    OffsetActText wide = plain;
    wide.signatures[3] = lines;
    const auto at = textsOf(FillActZXY(wide, screen(), kMetrics));
    for (const auto& [text, count] : {std::pair{lines[0], 3}, std::pair{lines[3], 1}}) {
        ASSERT_EQ(at.count(text), static_cast<std::size_t>(count)) << text;
        for (auto [it, end] = at.equal_range(text); it != end; ++it) {
            EXPECT_EQ(it->second.second.x + static_cast<int>(text.size()) * 10, kRight);
        }
    }
    // The names three steps under clause 5's last line, the posts a step under the names, the
    // signature lines one step further: a name of four lines moves both parties' rows below it
    // down by three.
    const int names = rowsTop(counts) + 3 * kRow + kHb + (2 + 2 + 2 + 3) * kHb;
    const auto y = [&](const std::string& t) { return at.find(t)->second.second.y; };
    EXPECT_EQ(y("i56"), px(names)) << "the principal's name keeps its row";
    EXPECT_EQ(y("A"), px(names + 3 * kHb));
    for (const char* post : {"i57", "i60"}) {
        EXPECT_EQ(y(post), px(names + 4 * kHb)) << post;
    }
    for (const char* line : {"i58", "i61"}) {
        EXPECT_EQ(y(line), px(names + 6 * kHb)) << line;
    }

    // The closing blocks stay under the table only while the taller block 5 fits there.
    const int top = rowsTop(counts);
    const int t345 = 3 * kHb + 2 * kHb + 9 * kHb;
    const int fitsPlain = (kBottom - t345 - top) / kRow;
    const int fitsWide = (kBottom - t345 - 3 * kHb - top) / kRow;
    ASSERT_LT(fitsWide, fitsPlain);
    for (int rows : {fitsWide, fitsPlain}) {
        OffsetActText act = numberedAct(static_cast<std::size_t>(rows), counts);
        EXPECT_EQ(tails(FillActZXY(act, screen(), kMetrics)), std::vector<int>{35}) << rows;
        act.signatures[3] = lines;
        const PlacedDocument doc = FillActZXY(act, screen(), kMetrics);
        const std::vector<int> expected =
            rows == fitsWide ? std::vector<int>{35} : std::vector<int>{34, 55};
        EXPECT_EQ(tails(doc), expected) << rows;
        for (const TextItem& t : doc.pages.back().texts) {
            if (!t.text.starts_with("i62")) { // the page line below the margin
                EXPECT_LE(t.y, px(kBottom - kHb)) << t.text << " with " << rows << " rows";
            }
        }
    }
}

TEST(OffsetActLayout, ABlockIsNeverDivided) {
    const std::array<std::pair<int, int>, 4> blocks{{{44, 3}, {48, 4}, {52, 2}, {56, 6}}};
    for (std::size_t rows = 1; rows <= 80; ++rows) {
        const PlacedDocument doc =
            FillActZXY(numberedAct(rows, {1, 1, 1, 3, 4, 2}), screen(), kMetrics);
        const auto at = textsOf(doc);
        std::size_t previous = 0;
        for (const auto& [first, lines] : blocks) {
            const std::size_t page = at.find("i" + std::to_string(first))->second.first;
            for (int k = 0; k < lines; ++k) {
                const std::string item = "i" + std::to_string(first + k);
                ASSERT_EQ(at.count(item), 1u) << item << " with " << rows << " rows";
                EXPECT_EQ(at.find(item)->second.first, page) << item << " with " << rows << " rows";
            }
            EXPECT_GE(page, previous);
            previous = page;
        }
    }
}

TEST(OffsetActLayout, AFullReportRunsPastSixteenPagesAndKeepsEveryRow) {
    DocumentInput in = offsetInput();
    for (int r = 1; r <= 801; ++r) {
        in.rows.push_back({"R" + std::to_string(r), "01.03.2011", "118.00", "18.00"});
    }
    const OffsetActText act = FillActZSt(in, screen(), kMetrics);
    const PlacedDocument doc = FillActZXY(act, screen(), kMetrics);
    const auto at = textsOf(doc);
    for (int r = 1; r <= 801; ++r) {
        ASSERT_EQ(at.count("R" + std::to_string(r)), 1u) << r;
    }
    // The first page takes rows until one ends below the limit, later pages from under the
    // header they repeat at the top margin.
    const int first = (kRowLimit - rowsTop(act.lineCounts)) / kRow + 1;
    const int later = (kRowLimit - kTop - kHeader) / kRow + 1;
    const std::size_t tablePages = 1 + static_cast<std::size_t>((801 - first + later - 1) / later);
    ASSERT_GE(doc.pages.size(), tablePages);
    EXPECT_GT(tablePages, 16u);
    EXPECT_EQ(doc.pages[0].tableRows, first);
    for (std::size_t p = 1; p + 1 < tablePages; ++p) {
        EXPECT_EQ(doc.pages[p].tableRows, later) << p;
        // The page's column lines frame its header at the top margin, then run from under
        // it down to its last row.
        int header = 0;
        int columns = 0;
        for (const PlacedLine& l : doc.pages[p].lines) {
            header += l.x1 == l.x2 && l.y1 == px(kTop) && l.y2 == px(kTop + kHeader);
            columns += l.x1 == l.x2 && l.y1 == px(kTop + kHeader) &&
                       l.y2 == px(kTop + kHeader + later * kRow);
        }
        EXPECT_EQ(header, 7) << p;
        EXPECT_EQ(columns, 7) << p;
    }
    EXPECT_EQ(at.count("А-17"_cp), tablePages + 1) << "the first table and once a table page";
}

TEST(OffsetActLayout, PrinterMovesEverythingByTheOffsetAndDrawsThickerLines) {
    const PageScale scale{12, 12};
    const OffsetActText act = FillActZSt(offsetInput(), screen(scale), kMetrics);
    const PlacedDocument onScreen = FillActZXY(act, screen(scale), kMetrics);
    const PlacedDocument printed = FillActZXY(act, PageGeometry{scale, 7, 11, true}, kMetrics);
    ASSERT_EQ(printed.pages.size(), onScreen.pages.size());
    for (std::size_t p = 0; p < printed.pages.size(); ++p) {
        const PlacedPage& a = onScreen.pages[p];
        const PlacedPage& b = printed.pages[p];
        ASSERT_EQ(a.texts.size(), b.texts.size());
        ASSERT_EQ(a.lines.size(), b.lines.size());
        for (std::size_t i = 0; i < a.texts.size(); ++i) {
            EXPECT_EQ(b.texts[i].x, a.texts[i].x - 7);
            EXPECT_EQ(b.texts[i].y, a.texts[i].y - 11);
        }
        for (std::size_t i = 0; i < a.lines.size(); ++i) {
            EXPECT_EQ(a.lines[i].penWidth, 1);
            EXPECT_EQ(b.lines[i].penWidth, 3) << "a quarter millimetre at 12 pixels";
            const PlacedLine& l = a.lines[i];
            EXPECT_EQ(std::tie(b.lines[i].x1, b.lines[i].y1, b.lines[i].x2, b.lines[i].y2),
                      std::make_tuple(l.x1 - 7, l.y1 - 11, l.x2 - 7, l.y2 - 11));
        }
    }
}

TEST(OffsetActLayout, SmallActMatchesItsGoldenLayout) {
    DocumentInput in = offsetInput();
    in.rows = {{"101", "01.03.2011", "118.00", "18.00"},
               {"102", "15.03.2011", "236.00", "36.00"},
               {"103", "31.03.2011", "1180.00", "180.00"}};
    const OffsetActText act = FillActZSt(in, screen(), kMetrics);
    expectGolden(dumpLayout(FillActZXY(act, screen(), kMetrics), kFour), "offset_act.txt");
}

} // namespace
} // namespace kestrelon
