// A text of the invoice or the act that is wider than its column wraps in it, and everything
// below it on the form moves down by the extra lines; a document whose texts fit is unchanged.

#include "documents/fake_metrics.h"
#include "documents/forms/act_document.h"
#include "documents/forms/invoice_document.h"
#include "documents/sample_input.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace kestrelon {
namespace {

// At 4 pixels a millimetre with the fake metrics: L = Ht = 16, a bold character 9 pixels, a
// regular one 8, Wd = 9. Columns: the invoice's 20-195 mm holds 77 bold characters (693 of
// 700 pixels), its signers' names after 124 mm + Wd / 2 hold 34 regular ones (272 of 280);
// the act's 25-190 mm holds 73 bold ones (657 of 660), its director's line up to 109 mm less
// Wd holds 40 regular ones (320 of 327).
const PageGeometry kScreen{PageScale{4, 4}};
const FakeMetrics kMetrics;

using Layout = PlacedDocument (*)(const DocumentText&, const PageGeometry&, const TextMetrics&);

struct Case {
    const char* what;
    Layout layout;
    std::size_t items; // items the document places
    std::size_t item;  // the long one
    std::string text;
    int lines;                     // that the long text takes
    double from;                   // everything from this millimetre down moves...
    std::set<std::size_t> stacked; // ...and so do these items stacked under the long one
};

std::string withoutBlanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

TEST(FormWrapping, AWrappedTextPushesTheFormBelowItDownByItsExtraLines) {
    const std::string a100(100, 'A');
    const DocumentText invoice = FillBillSt(sampleInput(), kScreen, kMetrics);
    const DocumentText act = FillActSt(sampleInput());
    const Case cases[] = {
        {"seller's name", FillBillXY, 48, 0, a100, 2, 40, {1, 2}},
        // "Покупатель:" stays alone on the first line, the name breaks over two more.
        {"buyer", FillBillXY, 48, 20, "Покупатель: "_cp + a100, 3, 126, {21, 22}},
        {"amount in words", FillBillXY, 48, 43, a100, 2, 204, {}},
        {"director's name", FillBillXY, 48, 46, "(" + std::string(40, 'A') + ")", 2, 233, {}},
        {"executor", FillActXY, 29, 1, a100, 2, 50, {2}},
        {"amount in words", FillActXY, 29, 19, a100, 2, 94, {}},
        {"executor's director", FillActXY, 29, 24, a100, 3, 138, {26}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DocumentText texts = c.layout == FillBillXY ? invoice : act;
        const PlacedPage before = c.layout(texts, kScreen, kMetrics).pages[0];
        texts[c.item] = c.text;
        const PlacedPage after = c.layout(texts, kScreen, kMetrics).pages[0];
        const int push = 16 * (c.lines - 1);

        ASSERT_EQ(after.texts.size(), c.items + static_cast<std::size_t>(c.lines - 1));
        for (std::size_t i = 0; i < c.items; ++i) {
            const bool moves = c.stacked.count(i) > 0 || before.texts[i].y >= kScreen.y(c.from);
            EXPECT_EQ(after.texts[i].y, before.texts[i].y + (moves ? push : 0)) << "item " << i;
            if (i != c.item) {
                EXPECT_EQ(after.texts[i].x, before.texts[i].x) << "item " << i;
            }
        }
        ASSERT_EQ(after.lines.size(), before.lines.size());
        for (std::size_t l = 0; l < before.lines.size(); ++l) {
            const int dy = before.lines[l].y1 >= kScreen.y(c.from) ? push : 0;
            EXPECT_EQ(after.lines[l].y1, before.lines[l].y1 + dy) << "line " << l;
            EXPECT_EQ(after.lines[l].y2, before.lines[l].y2 + dy) << "line " << l;
        }
        // The further lines follow the items, one line below the other, and lose nothing.
        std::string shown = after.texts[c.item].text;
        for (std::size_t k = 1; k < static_cast<std::size_t>(c.lines); ++k) {
            const TextItem& line = after.texts[c.items + k - 1];
            EXPECT_EQ(line.x, after.texts[c.item].x);
            EXPECT_EQ(line.y, after.texts[c.item].y + 16 * static_cast<int>(k));
            shown += line.text;
        }
        EXPECT_EQ(withoutBlanks(shown), withoutBlanks(c.text));
    }
}

// Printing keeps the lines the screen wrapped; on paper they may come out wider.
class WiderBoldMetrics : public FakeMetrics {
public:
    int width(const std::string& text, const FontSpec& font) const override {
        return font.bold ? roundHalfEven(9.4 * static_cast<double>(text.size()))
                         : FakeMetrics::width(text, font);
    }
};

TEST(FormWrapping, ABoxLineWiderOnPaperThanTheBoxMeasureIsCentredInTheBox) {
    DocumentInput in = sampleInput();
    in.agent->bankName = std::string(38 + 10, 'B'); // 38 on a line: 342 of the 350 pixels
    const DocumentText texts = FillBillSt(in, kScreen, kMetrics);
    ASSERT_EQ(texts[11], std::string(38, 'B'));
    const PlacedPage paper = FillBillXY(texts, kScreen, WiderBoldMetrics()).pages[0];
    // 357 pixels on paper: centred in the box's 368 between 80 and 448 (5.5 to even).
    EXPECT_EQ(paper.texts[11].x, 80 + 6);
    EXPECT_EQ(paper.texts[12].x, 80 + 9) << "a line that fits keeps its place";
}

} // namespace
} // namespace kestrelon
