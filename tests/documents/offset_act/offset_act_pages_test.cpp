// An act of mutual offset over several sheets: each further sheet repeats the head of the
// invoice table, and every sheet names the act and itself at its foot.

#include "documents/layout_dump.h"
#include "offset_act_sample.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kestrelon {
namespace {

using namespace offset_act_sample;

// With every block on one line, the rows of the first page begin at 108.88 mm (see rowsTop);
// the closing text takes 9.72 mm for clause 3, 14.58 with clause 4 and 53.46 with clause 5
// and the seven lines of its signatures, and must end above 285 mm.
constexpr std::array<int, 6> kOneLine{1, 1, 1, 1, 1, 1};
// A row ends its page when its bottom lies below 279 mm: the first page takes 29 rows
// (108.88 + 29 * 6 = 282.88), a further one 42 under its header (29.78 + 42 * 6 = 281.78).
constexpr int kFirstPageRows = 29;
constexpr int kFurtherPageRows = 42;
// The page line: Times 3.5 mm is 14 pixels high and 7 wide a character, its top 10.5 mm above
// the paper's bottom edge.
constexpr int kPageLineY = 1188 - 42;
constexpr int kPageLineChar = 7;

std::string pageLine(const std::string& head, std::size_t page, std::size_t pages) {
    return head + " — лист "_cp + std::to_string(page) + " из "_cp + std::to_string(pages);
}

struct PagesCase {
    int rows;
    std::vector<int> rowsPerPage; // the last entry 0 when the closing text opens a page
    std::vector<int> tails;
};

std::vector<PagesCase> pagesCases() {
    // 801 rows: 29 on the first page, 18 pages of 42, and 16 under which everything fits.
    PagesCase full{801, {kFirstPageRows}, {0}};
    for (int p = 0; p < 18; ++p) {
        full.rowsPerPage.push_back(kFurtherPageRows);
        full.tails.push_back(0);
    }
    full.rowsPerPage.push_back(16);
    full.tails.push_back(35);
    return {
        {1, {1}, {35}},
        {20, {20}, {35}},        // the most rows under which it all fits: 228.88 + 53.46
        {21, {21, 0}, {34, 55}}, // clause 5 no longer fits under them
        {27, {27, 0}, {33, 45}}, // nor clause 4: 270.88 + 14.58
        {28, {28, 0}, {0, 35}},  // nor clause 3: 276.88 + 9.72
        {29, {29, 0}, {0, 35}},  // a full first page, the closing text alone on the next
        {30, {29, 1}, {0, 35}},  // one row under the repeated header
        {62, {29, 33}, {0, 35}}, // 29.78 + 33 * 6 + 53.46 = 281.24
        {63, {29, 34, 0}, {0, 34, 55}},
        full,
    };
}

TEST(OffsetActPages, EveryRowOnceAndEverySheetNamedWithItsNumberAndCount) {
    for (const PagesCase& c : pagesCases()) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows");
        const PlacedDocument doc =
            FillActZXY(numberedAct(static_cast<std::size_t>(c.rows), kOneLine), screen(), kMetrics);
        const std::size_t pages = c.rowsPerPage.size();
        ASSERT_EQ(doc.pages.size(), pages);
        EXPECT_EQ(tails(doc), c.tails);

        // Each row once, in order, on the page that holds its share of the rows.
        const auto at = textsOf(doc);
        std::size_t page = 0;
        int before = 0; // rows on the pages before `page`
        for (int r = 0; r < c.rows; ++r) {
            while (r >= before + c.rowsPerPage[page]) {
                before += c.rowsPerPage[page++];
            }
            const std::string row = "N" + std::to_string(r);
            ASSERT_EQ(at.count(row), 1u) << row;
            EXPECT_EQ(at.find(row)->second.first, page) << row;
        }
        for (std::size_t p = 0; p < pages; ++p) {
            EXPECT_EQ(doc.pages[p].tableRows, c.rowsPerPage[p]) << "page " << p + 1;
        }

        // A sheet with rows shows their header ("i35" is its "Номер счета"); every sheet of an
        // act of several names itself at its foot, right-aligned to the table's edge.
        for (std::size_t p = 0; p < pages; ++p) {
            int headers = 0;
            std::vector<TextItem> lines;
            for (const TextItem& t : doc.pages[p].texts) {
                headers += t.text == "i35";
                if (t.text.starts_with("i62")) {
                    lines.push_back(t);
                }
            }
            EXPECT_EQ(headers, c.rowsPerPage[p] > 0 ? 1 : 0) << "page " << p + 1;
            if (pages == 1) {
                EXPECT_TRUE(lines.empty()) << "an act of one page keeps its foot blank";
                continue;
            }
            ASSERT_EQ(lines.size(), 1u) << "page " << p + 1;
            const std::string expected = pageLine("i62", p + 1, pages);
            EXPECT_EQ(lines[0].text, expected) << "page " << p + 1;
            EXPECT_EQ(lines[0].x + static_cast<int>(expected.size()) * kPageLineChar, kRight);
            EXPECT_EQ(lines[0].y, kPageLineY);
            EXPECT_EQ(lines[0].font, (FontSpec{kTimes, 14, false}));
        }
    }
}

TEST(OffsetActPages, AFurtherSheetRepeatsTheHeaderAndItsFrameAtTheTopMargin) {
    const PlacedDocument doc =
        FillActZXY(numberedAct(kFirstPageRows + 3, kOneLine), screen(), kMetrics);
    ASSERT_EQ(doc.pages.size(), 2u);
    const int firstHeaderTop = rowsTop(kOneLine) - kHeader;
    const auto first = textsOf(FillActZXY(numberedAct(3, kOneLine), screen(), kMetrics));
    std::map<std::string, TextItem> second;
    for (const TextItem& t : doc.pages[1].texts) {
        second.emplace(t.text, t);
    }
    // The same eleven texts at the same x, each as far under the top of its header as on the
    // first sheet: the column's stack of one, two or three 4.39 mm lines centred in the
    // 14.78 mm header.
    const std::array<int, 11> below{3000, 3000 + kHt, 5195, 5195,      3000,         3000 + kHt,
                                    3000, 3000 + kHt, 805,  805 + kHt, 805 + 2 * kHt};
    for (int i = 33; i <= 43; ++i) {
        const std::string item = "i" + std::to_string(i);
        ASSERT_EQ(second.count(item), 1u) << item;
        const TextItem& was = first.find(item)->second.second;
        const int under = below[static_cast<std::size_t>(i - 33)];
        EXPECT_EQ(was.y, px(firstHeaderTop + under)) << item;
        EXPECT_EQ(second[item].x, was.x) << item;
        EXPECT_EQ(second[item].y, px(kTop + under)) << item;
        EXPECT_EQ(second[item].font, was.font) << item;
    }
    EXPECT_EQ(second.count("i12"), 0u) << "the first table's header stays on the first sheet";
    // Its frame: the top and bottom lines across the table, and the seven column lines.
    int across = 0;
    int columns = 0;
    for (const PlacedLine& l : doc.pages[1].lines) {
        across += l.y1 == l.y2 && l.x1 == kLeft && l.x2 == kRight &&
                  (l.y1 == px(kTop) || l.y1 == px(kTop + kHeader));
        columns += l.x1 == l.x2 && l.y1 == px(kTop) && l.y2 == px(kTop + kHeader);
    }
    EXPECT_EQ(across, 2);
    EXPECT_EQ(columns, 7);
    // The rows begin under the header, each cell centred in its 6 mm row.
    EXPECT_EQ(second["N" + std::to_string(kFirstPageRows)].y, px(kTop + kHeader + kInset));
    EXPECT_EQ(second["N" + std::to_string(kFirstPageRows + 2)].y,
              px(kTop + kHeader + 2 * kRow + kInset));
}

TEST(OffsetActPages, TheFootNamesTheActsNumberAndDate) {
    const std::string head = "Акт зачета взаимных требований № 12"_cp;
    const struct {
        const char* date;
        std::string line;
    } cases[] = {
        {"31.03.2011", head + " от 31.03.2011"_cp},
        {"1.3.2011", head + " от 01.03.2011"_cp}, // as the report window writes a date
        {"31.03.11", head + " от 31.03.2011"_cp},
        {"31.13.2011", head}, // not a date: left out rather than shown half-right
        {"", head},
    };
    for (const auto& c : cases) {
        DocumentInput in = offsetInput();
        in.offsetActDate = c.date;
        for (int r = 0; r < 40; ++r) {
            in.rows.push_back({"R" + std::to_string(r), "01.03.2011", "118.00", "18.00"});
        }
        const PlacedDocument doc =
            FillActZXY(FillActZSt(in, screen(), kMetrics), screen(), kMetrics);
        ASSERT_EQ(doc.pages.size(), 2u) << c.date;
        const auto at = textsOf(doc);
        for (std::size_t p = 0; p < 2; ++p) {
            const auto found = at.find(pageLine(c.line, p + 1, 2));
            ASSERT_NE(found, at.end()) << c.date << ", page " << p + 1;
            EXPECT_EQ(found->second.first, p);
            // The dash is the em dash of the documents' code page.
            EXPECT_EQ(found->first.substr(c.line.size()),
                      " \x97 " + "лист "_cp + std::to_string(p + 1) + " из 2"_cp);
        }
    }
}

// Which sheet every text is on, and what each sheet carries.
std::pair<std::multimap<std::string, std::size_t>, std::vector<int>>
sheetsOf(const PlacedDocument& doc) {
    std::multimap<std::string, std::size_t> sheets;
    std::vector<int> carried;
    for (const auto& [text, at] : textsOf(doc)) {
        sheets.emplace(text, at.first);
    }
    for (const PlacedPage& page : doc.pages) {
        carried.push_back(page.tableRows);
        carried.push_back(page.tailCode);
    }
    return {sheets, carried};
}

TEST(OffsetActPages, TheSameTextsBreakAlikeAtEveryResolution) {
    // Screens of 72, 96 and 144 dpi, and printers of 300, 600 and 1200 dpi with a printable
    // area inside the sheet: their fonts are as many whole pixels high as each holds, yet every
    // text lands on the sheet it lands on at 4 pixels a millimetre.
    const std::vector<PageGeometry> devices{
        screen(PageScale{72 / 25.4, 72 / 25.4}),
        screen(PageScale{96 / 25.4, 96 / 25.4}),
        screen(PageScale{144 / 25.4, 144 / 25.4}),
        PageGeometry{PageScale{300 / 25.4, 300 / 25.4}, 50, 50, true},
        PageGeometry{PageScale{600 / 25.4, 600 / 25.4}, 100, 120, true},
        PageGeometry{PageScale{1200 / 25.4, 1200 / 25.4}, 200, 200, true},
    };
    const std::array<std::array<int, 6>, 3> counts{
        {{1, 1, 1, 1, 1, 1}, {3, 2, 2, 3, 3, 2}, {4, 4, 4, 4, 4, 4}}};
    for (const auto& lines : counts) {
        for (std::size_t rows = 1; rows <= 120; ++rows) {
            const OffsetActText act = numberedAct(rows, lines);
            const auto expected = sheetsOf(FillActZXY(act, screen(), kMetrics));
            for (const PageGeometry& device : devices) {
                EXPECT_EQ(sheetsOf(FillActZXY(act, device, kMetrics)), expected)
                    << rows << " rows at " << device.scale.sy * 25.4 << " dpi, block lines "
                    << lines[0] << lines[1] << lines[2] << lines[3] << lines[4] << lines[5];
            }
        }
    }
}

std::vector<OffsetActRow> invoices(int count) {
    std::vector<OffsetActRow> rows;
    for (int r = 1; r <= count; ++r) {
        rows.push_back({"R" + std::to_string(r), "01.03.2011", "118.00", "18.00"});
    }
    return rows;
}

TEST(OffsetActPages, LongActsMatchTheirGoldenLayouts) {
    const struct {
        int rows;
        std::size_t pages;
        const char* file;
    } cases[] = {{30, 2, "offset_act_two_pages.txt"}, {801, 20, "offset_act_801.txt"}};
    for (const auto& c : cases) {
        DocumentInput in = offsetInput();
        in.rows = invoices(c.rows);
        const PlacedDocument doc =
            FillActZXY(FillActZSt(in, screen(), kMetrics), screen(), kMetrics);
        EXPECT_EQ(doc.pages.size(), c.pages) << c.file;
        expectGolden(dumpLayout(doc, kFour), c.file);
    }
}

} // namespace
} // namespace kestrelon
