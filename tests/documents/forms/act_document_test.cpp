#include "documents/fake_metrics.h"
#include "documents/forms/act_document.h"
#include "documents/layout_dump.h"
#include "documents/sample_input.h"
#include "store/data_store.h"

#include <gtest/gtest.h>
#include <string>

namespace kestrelon {
namespace {

// At 4 pixels a millimetre: L = 16; with the fake metrics a bold character is 9 pixels and a
// regular one 8, Wd = 9, Ht = 16 and e = (224 - 200 - 16) / 2 = 4.
const PageGeometry kScreen{PageScale{4, 4}};
const FakeMetrics kMetrics;

std::string item(const DocumentText& t, std::size_t i) {
    return cp1251ToUtf8(t.at(i));
}

TEST(ActContent, FillsEveryItemFromTheReport) {
    const DocumentText t = FillActSt(sampleInput());
    ASSERT_EQ(t.size(), 36u);
    const std::pair<std::size_t, const char*> expected[] = {
        {0, "АКТ № 9 от 31 марта 2011 г."},
        {1, "Исполнитель: ООО \"Ромашка\""},
        {2, "Заказчик: ООО \"Тарвел\""},
        {13, "1500.00"},
        {14, "1500.00"},
        {15, "А-17  (за Март 2011 г.)"},
        {16, "Итого: 1500.00"},
        {17, "Всего: 1500.00"},
        {19, "Одна тысяча пятьсот рублей 00 копеек"},
        {24, "Директор ООО \"Ромашка\""},
        {25, "ООО \"Тарвел\""},
        {26, "Иванов И. И."},
    };
    for (const auto& [i, text] : expected) {
        EXPECT_EQ(item(t, i), text) << "item " << i;
    }
    for (std::size_t i = 29; i < 36; ++i) {
        EXPECT_EQ(t[i], "") << "item " << i;
    }
}

TEST(ActContent, MissingOrganizationsLeaveOnlyTheirNamesOut) {
    DocumentInput in = sampleInput();
    in.agent.reset();
    in.principal.reset();
    const DocumentText t = FillActSt(in);
    EXPECT_EQ(item(t, 1), "Исполнитель: ");
    EXPECT_EQ(item(t, 2), "Заказчик: ");
    EXPECT_EQ(item(t, 24), "Директор ");
    EXPECT_EQ(item(t, 25), "ООО \"Тарвел\"");
    EXPECT_EQ(item(t, 0), "АКТ № 9 от 31 марта 2011 г.");
}

TEST(ActContent, TheCustomerSignsAsTheNamedPrincipalOrAsTarvelBeforeOneWasNamed) {
    DocumentInput in = sampleInput();
    in.principal->name = "Публичное акционерное общество Другое имя"_cp;
    const DocumentText named = FillActSt(in);
    EXPECT_EQ(item(named, 2), "Заказчик: Публичное акционерное общество Другое имя");
    EXPECT_EQ(item(named, 25), "ПАО Другое имя");

    in.principal->inn = PrincipalInn;
    const DocumentText fixed = FillActSt(in);
    EXPECT_EQ(item(fixed, 2), "Заказчик: Публичное акционерное общество Другое имя");
    EXPECT_EQ(item(fixed, 25), "ООО \"Тарвел\"") << "whatever the fixed INN's card says";
}

TEST(ActContent, BadDatesAndAmountsLeaveTheirLinesEmpty) {
    DocumentInput badDate = sampleInput();
    badDate.actDate = "31.03";
    EXPECT_EQ(FillActSt(badDate)[0], "");

    for (const char* amount : {"", "1,2,3"}) {
        DocumentInput in = sampleInput();
        in.remuneration = amount;
        const DocumentText t = FillActSt(in);
        EXPECT_EQ(t[19], "") << "amount '" << amount << "'";
        EXPECT_EQ(item(t, 16), std::string("Итого: ") + amount);
    }
}

TEST(ActLayout, PositionsFollowTheRuledLinesAndTheTextWidths) {
    const PlacedDocument doc = FillActXY(FillActSt(sampleInput()), kScreen, kMetrics);
    ASSERT_EQ(doc.pages.size(), 1u);
    const std::vector<TextItem>& texts = doc.pages[0].texts;
    ASSERT_EQ(texts.size(), 29u);
    struct Case {
        std::size_t item;
        int x, y;
    };
    const Case cases[] = {
        {0, 100, 60},   // 25 mm, 15 mm, not centred
        {2, 100, 144},  // y(32) + L
        {3, 112, 204},  // "№" 9 wide in 100-132: 100 + round(11.5); y(50) + e
        {4, 261, 204},  // "Услуга" 54 wide in 132-444
        {9, 112, 236},  // regular "1" 8 wide; row 56-66: 224 + 12
        {10, 140, 228}, // 296 wide in 132-444; y(56) + e
        {12, 528, 236}, // "шт." 24 wide in 508-572
        {13, 590, 236}, // "1500.00" 56 wide in 572-664
        {14, 684, 236}, // in 664-760
        {15, 196, 244}, // 23 characters, 184 wide; below item 10 by Ht
        {16, 634, 280}, // right edge 760 less 14 bold characters; y(66) + Ht
        {17, 634, 296}, {18, 100, 320}, {19, 100, 336}, {20, 100, 376},
        {21, 100, 392}, {22, 100, 464}, {23, 436, 464}, // 25 mm + 84 mm
        {24, 100, 496},                                 // y(128) - Ht
        {25, 576, 496},                                 // end of (109, 128, 35)
        {26, 240, 536},                                 // end of (25, 138, 35); y(138) - Ht
        {27, 150, 592}, // "М. П." 40 wide under 100-240; y(138) + 40
        {28, 486, 592}, // under 436-576
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texts[c.item].x, c.x) << "item " << c.item;
        EXPECT_EQ(texts[c.item].y, c.y) << "item " << c.item;
    }
    EXPECT_EQ(texts[0].font, (FontSpec{kArial, 23, true}));
    for (std::size_t i : {1, 8, 16, 17, 19, 22, 23}) {
        EXPECT_EQ(texts[i].font, (FontSpec{kArial, 16, true})) << "item " << i;
    }
    for (std::size_t i : {9, 10, 15, 18, 20, 24, 25, 26, 27, 28}) {
        EXPECT_EQ(texts[i].font, (FontSpec{kArial, 16, false})) << "item " << i;
    }
}

TEST(ActLayout, TheStampMarksDropByTheHorizontalScale) {
    const PageGeometry tall{PageScale{4, 6}};
    const PlacedDocument doc = FillActXY(FillActSt(sampleInput()), tall, kMetrics);
    EXPECT_EQ(doc.pages[0].texts[27].y, 828 + 40); // y(138) + round(10 * sx)
    EXPECT_EQ(doc.pages[0].texts[1].y, 192);       // y(32)
}

TEST(ActLayout, PensOnScreenAndOnPaper) {
    struct Case {
        bool printer;
        double sy;
        int title, table, signature;
    };
    const Case cases[] = {
        {false, 4, 2, 1, 1},
        {true, 12, 6, 4, 3},
        {true, 9, 4, 3, 2}, // 4.5 and 2.25 round down, 3 exactly
        {true, 2, 1, 1, 1}, // a quarter millimetre is half a pixel: still one pixel
    };
    for (const Case& c : cases) {
        const PageGeometry g{PageScale{c.sy, c.sy}, 0, 0, c.printer};
        const std::vector<PlacedLine> lines =
            FillActXY(FillActSt(sampleInput()), g, kMetrics).pages[0].lines;
        ASSERT_EQ(lines.size(), 14u);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            // The underline, three table lines, three signature lines, seven columns.
            const int expected = i == 0 ? c.title : (i >= 4 && i < 7) ? c.signature : c.table;
            EXPECT_EQ(lines[i].penWidth, expected) << "line " << i << " at " << c.sy;
        }
        EXPECT_EQ(lines[0].y1, g.y(28));
        EXPECT_EQ(lines[4].y1, g.y(138));
        EXPECT_EQ(lines[7].x1, g.x(25));
        EXPECT_EQ(lines[7].y2, g.y(50) + g.y(16));
    }
}

TEST(ActPrinting, EveryPositionIsTakenOffByThePrintableAreasOffset) {
    const PageGeometry printer{PageScale{4, 4}, 12, 20, true};
    const PlacedPage paper = FillActXY(FillActSt(sampleInput()), printer, kMetrics).pages[0];
    EXPECT_EQ(paper.texts[0].x, 100 - 12);
    EXPECT_EQ(paper.texts[0].y, 60 - 20);
    EXPECT_EQ(paper.texts[27].x, 150 - 12);
    EXPECT_EQ(paper.texts[27].y, 592 - 20);
    EXPECT_EQ(paper.lines[0].x1, 100 - 12);
    EXPECT_EQ(paper.lines[0].x2, 760 - 12);
    EXPECT_EQ(paper.lines[0].y1, 112 - 20);
}

TEST(ActLayout, MatchesTheCheckedInPage) {
    const PlacedDocument doc = FillActXY(FillActSt(sampleInput()), kScreen, kMetrics);
    expectGolden(dumpLayout(doc, kScreen.scale), "act.txt");
}

} // namespace
} // namespace kestrelon
