#include "documents/fake_metrics.h"
#include "documents/forms/invoice_document.h"
#include "documents/layout_dump.h"
#include "documents/sample_input.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace kestrelon {
namespace {

// At 4 pixels a millimetre a millimetre value is easy to follow: L = 16, and with the fake
// metrics a bold character is 9 pixels, so Wd = 9, Ht = 16, e = (184 - 160 - 16) / 2 = 4 and
// the payee box allows Wmax = 448 - 80 - 18 = 350 pixels.
const PageGeometry kScreen{PageScale{4, 4}};
const FakeMetrics kMetrics;

DocumentText billTexts(const DocumentInput& in) {
    return FillBillSt(in, kScreen, kMetrics);
}

std::string item(const DocumentText& t, std::size_t i) {
    return cp1251ToUtf8(t.at(i));
}

TEST(InvoiceContent, FillsEveryItemFromTheReport) {
    const DocumentText t = billTexts(sampleInput());
    ASSERT_EQ(t.size(), 64u);
    const std::pair<std::size_t, const char*> expected[] = {
        {0, "ООО \"Ромашка\""},
        {1, "123456, г. Москва, ул. Лесная, д. 5"},
        {2, "495-123-45-67"},
        {3, "ИНН 5001000002"},
        {4, "КПП 500101001"},
        {8, "ООО \"Ромашка\""},
        {12, "ОАО Сбербанк России"},
        {14, "40702810400000001234"},
        {16, "044525225"},
        {18, "30101810400000000225"},
        {19, "СЧЕТ № 8 от 15 марта 2011 г."},
        {20, "Покупатель: ООО \"Тарвел\""},
        {21, "ИНН 7700000001 / 770001001"},
        {22, "Москва"},
        {33, "1500.00"},
        {34, "1500.00"},
        {35, "А-17"},
        {37, "1500.00"},
        {39, "0"},
        {41, "1500.00"},
        {42, "Всего наименований 1, на сумму 1500.00 руб."},
        {43, "Одна тысяча пятьсот рублей 00 копеек"},
        {45, "Главный бухгалтер "},
        {46, "(Иванов И. И.)"},
        {47, "(Петрова П. П.)"},
    };
    for (const auto& [i, text] : expected) {
        EXPECT_EQ(item(t, i), text) << "item " << i;
    }
    for (std::size_t i : {6, 7, 10, 11, 48, 63}) {
        EXPECT_EQ(t[i], "") << "item " << i;
    }
}

TEST(InvoiceContent, AnAccountantWhoIsNotTheChiefSignsAsBukhgalter) {
    DocumentInput in = sampleInput();
    in.chiefSigns = false;
    EXPECT_EQ(item(billTexts(in), 45), "Бухгалтер ");
}

TEST(InvoiceContent, MissingOrganizationsLeaveTheirItemsEmpty) {
    DocumentInput noAgent = sampleInput();
    noAgent.agent.reset();
    const DocumentText a = billTexts(noAgent);
    for (std::size_t i = 0; i <= 22; ++i) {
        EXPECT_EQ(a[i], "") << "item " << i << " without a seller";
    }
    for (std::size_t i = 23; i <= 47; ++i) {
        EXPECT_NE(a[i], "") << "item " << i << " is always there";
    }

    DocumentInput noPrincipal = sampleInput();
    noPrincipal.principal.reset();
    const DocumentText p = billTexts(noPrincipal);
    EXPECT_EQ(item(p, 19), "СЧЕТ № 8 от 15 марта 2011 г.");
    for (std::size_t i = 20; i <= 22; ++i) {
        EXPECT_EQ(p[i], "") << "item " << i << " without a buyer";
    }
}

TEST(InvoiceContent, BadDatesAndAmountsLeaveTheirLinesEmpty) {
    DocumentInput badDate = sampleInput();
    badDate.invoiceDate = "15032011";
    EXPECT_EQ(billTexts(badDate)[19], "");

    for (const char* amount : {"", "15a0"}) {
        DocumentInput in = sampleInput();
        in.remuneration = amount;
        const DocumentText t = billTexts(in);
        EXPECT_EQ(t[43], "") << "amount '" << amount << "'";
        EXPECT_EQ(t[33], amount);
        EXPECT_EQ(t[39], "0") << "VAT stays 0";
    }
}

// Seven-character words: four of them make 31 characters, 279 pixels, which fit the 350 pixels
// of the box; five make 39 characters, 351 pixels, which do not.
std::string words(int first, int last) {
    std::string text;
    for (int n = first; n <= last; ++n) {
        text += (text.empty() ? "" : " ") + std::string("слово") + (n < 10 ? "0" : "") +
                std::to_string(n);
    }
    return text;
}

TEST(InvoiceContent, PayeeAndBankNamesFillTheirBoxesFromTheBottom) {
    struct Case {
        int words;
        std::array<std::string, 4> rows; // the box's four rows, the caption's row first
    };
    const std::string c = "<caption>";
    const Case cases[] = {
        {4, {c, "", "", words(1, 4)}},
        {5, {c, "", words(1, 4), words(5, 5)}},
        {12, {c, words(1, 4), words(5, 8), words(9, 12)}},
        {16, {words(1, 4), words(5, 8), words(9, 12), words(13, 16)}},
        {17, {words(1, 4), words(5, 8), words(9, 12), words(13, 16) + "…"}},
    };
    for (const Case& k : cases) {
        DocumentInput in = sampleInput();
        in.agent->name = utf8ToCp1251(words(1, k.words));
        in.agent->bankName = in.agent->name;
        const DocumentText t = billTexts(in);
        for (std::size_t row = 0; row < 4; ++row) {
            const std::string payee = row == 0 && k.rows[0] == c ? "Получатель:" : k.rows[row];
            const std::string bank = row == 0 && k.rows[0] == c ? "Банк получателя:" : k.rows[row];
            EXPECT_EQ(item(t, 5 + row), payee) << k.words << " words, payee row " << row;
            EXPECT_EQ(item(t, 9 + row), bank) << k.words << " words, bank row " << row;
        }
    }
}

TEST(InvoiceContent, ANameWithoutBlanksIsBrokenAcrossTheBoxAndKeptWhole) {
    // 38 bold characters are 342 pixels, within the 350 of the box; 39 would be 351.
    DocumentInput in = sampleInput();
    in.agent->name =
        "Общество с ограниченной ответственностью \"АгентствоСвязиМеридианТелекомСеверЗапад\""_cp;
    const std::string zh(128, '\xC6'); // "Ж", the longest bank name the card holds
    in.agent->bankName = zh;
    const DocumentText t = billTexts(in);

    const char* const payee[] = {"Получатель:", "ООО", "\"АгентствоСвязиМеридианТелекомСеверЗап",
                                 "ад\""};
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_EQ(item(t, 5 + row), payee[row]) << "payee row " << row;
    }
    EXPECT_EQ(t[6] + " " + t[7] + t[8], t[0]) << "every character of the name is shown";

    // Four lines take the caption's row.
    const std::string bank[] = {zh.substr(0, 38), zh.substr(38, 38), zh.substr(76, 38),
                                zh.substr(114)};
    for (std::size_t row = 0; row < 4; ++row) {
        EXPECT_EQ(t[9 + row], bank[row]) << "bank row " << row;
    }
}

TEST(InvoiceLayout, PositionsFollowTheRuledLinesAndTheTextWidths) {
    const PlacedDocument doc = FillBillXY(billTexts(sampleInput()), kScreen, kMetrics);
    EXPECT_EQ(doc.pageWidth, 840);
    EXPECT_EQ(doc.pageHeight, 1188);
    ASSERT_EQ(doc.pages.size(), 1u);
    const std::vector<TextItem>& texts = doc.pages[0].texts;
    ASSERT_EQ(texts.size(), 48u);
    struct Case {
        std::size_t item;
        int x, y;
    };
    const Case cases[] = {
        {0, 80, 80},    // 20 mm, 20 mm
        {2, 80, 112},   // two lines of 16 below
        {3, 89, 164},   // x(20) + Wd, y(40) + e
        {4, 273, 164},  // x(66) + Wd
        {8, 89, 236},   // y(46) + e + 3 L
        {12, 89, 316},  // y(66) + e + 3 L
        {13, 466, 204}, // "Р/Сч." 45 wide: 448 + round(17.5); row 40-66: 160 + 44
        {14, 537, 204}, // x(132) + Wd, beside its caption
        {15, 474, 276}, // "БИК" 27 wide: 448 + round(26.5) (halves to even); 264 + 12
        {17, 466, 316}, // row 76-86: 304 + 12
        // 28 characters at 13 pixels in the 23-pixel title font, between 100 and 780.
        {19, 258, 380},
        {20, 80, 428},
        {22, 80, 460},
        {23, 92, 508},  // "№" 9 wide in 80-112: 80 + round(11.5)
        {30, 100, 532}, // 333 wide in the 308 of 112-420: 112 + round(-12.5)
        {33, 592, 540}, // "1500.00" 63 wide in 572-676: 572 + round(20.5); row 132-142
        {35, 248, 548}, // "А-17" 36 wide in 112-420; one line below item 30
        {39, 724, 596}, // "0" in 676-780: 676 + round(47.5); y(148) + e
        {41, 696, 620}, // 676 + round(20.5); y(154) + e
        {42, 80, 668},  // y(171) - L
        {43, 80, 684},
        {44, 80, 816},
        {46, 500, 816}, // x(124) + Wd / 2
        {47, 500, 932},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texts[c.item].x, c.x) << "item " << c.item;
        EXPECT_EQ(texts[c.item].y, c.y) << "item " << c.item;
    }
    EXPECT_EQ(texts[19].font, (FontSpec{kArial, 23, true}));
    EXPECT_EQ(texts[43].font, (FontSpec{kArial, 16, true}));
    EXPECT_EQ(texts[44].font, (FontSpec{kArial, 16, false}));
}

TEST(InvoiceLayout, TheScreenDrawsEveryLineOnePixelWide) {
    const PlacedDocument doc = FillBillXY(billTexts(sampleInput()), kScreen, kMetrics);
    const std::vector<PlacedLine>& lines = doc.pages[0].lines;
    ASSERT_EQ(lines.size(), 10u + 13u + 2u);
    for (const PlacedLine& l : lines) {
        EXPECT_EQ(l.penWidth, 1);
    }
    const auto has = [&](int x1, int y1, int x2, int y2) {
        for (const PlacedLine& l : lines) {
            if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has(80, 160, 780, 160));  // (20, 40, 175)
    EXPECT_TRUE(has(264, 160, 264, 184)); // (66, 40, 6) vertical
    EXPECT_TRUE(has(420, 504, 420, 640)); // goods column at 105 mm
    // Signature lines: after "Руководитель предприятия" (24 regular characters of 8) and
    // "Главный бухгалтер " (18) plus Wd / 2, at the caption's y + Ht, to 124 mm.
    EXPECT_TRUE(has(80 + 192 + 4, 832, 496, 832));
    EXPECT_TRUE(has(80 + 144 + 4, 948, 496, 948));
}

TEST(InvoiceLayout, HorizontalAndVerticalUseTheirOwnScales) {
    const PageGeometry tall{PageScale{4, 6}};
    const PlacedDocument doc =
        FillBillXY(FillBillSt(sampleInput(), tall, kMetrics), tall, kMetrics);
    const std::vector<TextItem>& texts = doc.pages[0].texts;
    // L = 24, a bold character 13: item 3 at x(20) + 13, y(40) + (276 - 240 - 24) / 2.
    EXPECT_EQ(texts[3].x, 93);
    EXPECT_EQ(texts[3].y, 246);
    EXPECT_EQ(texts[19].font.pixelHeight, 34); // round(5.66 * 6)
    EXPECT_EQ(doc.pageHeight, 1782);
}

TEST(InvoicePrinting, EveryPositionIsTakenOffByThePrintableAreasOffset) {
    PageGeometry printer{PageScale{4, 4}, 30, 50, true};
    const DocumentText t = billTexts(sampleInput());
    const PlacedPage screen = FillBillXY(t, kScreen, kMetrics).pages[0];
    const PlacedPage paper = FillBillXY(t, printer, kMetrics).pages[0];
    EXPECT_EQ(paper.texts[0].x, 80 - 30);
    EXPECT_EQ(paper.texts[0].y, 80 - 50);
    ASSERT_EQ(paper.texts.size(), screen.texts.size());
    for (std::size_t i = 0; i < screen.texts.size(); ++i) {
        EXPECT_EQ(paper.texts[i].x, screen.texts[i].x - 30) << "item " << i;
        EXPECT_EQ(paper.texts[i].y, screen.texts[i].y - 50) << "item " << i;
    }
    ASSERT_EQ(paper.lines.size(), screen.lines.size());
    for (std::size_t i = 0; i < screen.lines.size(); ++i) {
        EXPECT_EQ(paper.lines[i].x1, screen.lines[i].x1 - 30) << "line " << i;
        EXPECT_EQ(paper.lines[i].x2, screen.lines[i].x2 - 30) << "line " << i;
        EXPECT_EQ(paper.lines[i].y1, screen.lines[i].y1 - 50) << "line " << i;
        EXPECT_EQ(paper.lines[i].y2, screen.lines[i].y2 - 50) << "line " << i;
    }
}

TEST(InvoicePrinting, TablesAreDrawnHalfAMillimetreAndSignaturesAQuarter) {
    struct Case {
        double sy;
        int table, signature;
    };
    // 2.5 rounds to 2; below half a pixel a line is still drawn one pixel wide.
    for (const Case c : {Case{12, 6, 3}, Case{10, 5, 2}, Case{1.9, 1, 1}}) {
        const PageGeometry printer{PageScale{c.sy, c.sy}, 0, 0, true};
        const PlacedDocument doc =
            FillBillXY(FillBillSt(sampleInput(), printer, kMetrics), printer, kMetrics);
        const std::vector<PlacedLine>& lines = doc.pages[0].lines;
        ASSERT_EQ(lines.size(), 25u);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].penWidth, i < 23 ? c.table : c.signature)
                << "line " << i << " at " << c.sy << " pixels a millimetre";
        }
    }
}

TEST(InvoiceLayout, MatchesTheCheckedInPage) {
    const PlacedDocument doc = FillBillXY(billTexts(sampleInput()), kScreen, kMetrics);
    expectGolden(dumpLayout(doc, kScreen.scale), "invoice.txt");
}

} // namespace
} // namespace kestrelon
