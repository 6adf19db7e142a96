#include "invoice_document.h"

#include "documents/page/layout_helpers.h"
#include "documents/words/amount_words.h"
#include "documents/words/div_st.h"
#include "documents/words/legal_form.h"
#include "documents/words/long_date.h"
#include "form_flow.h"
#include "form_items.h"
#include "form_measures.h"
#include "store/cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kestrelon {
namespace {

constexpr std::size_t kPlacedItems = 48;
constexpr std::size_t kPayeeCaption = 5;
constexpr std::size_t kBankCaption = 9;
constexpr std::size_t kTitle = 19;
constexpr std::size_t kLastBold = 43;

// Ruled boxes of the seller's requisites: the INN/KPP row, the payee and bank boxes on the
// left and the account captions on the right.
constexpr std::array<RuleLine, 10> kHeaderLines{{{20, 40, 175},
                                                 {20, 46, 92},
                                                 {20, 66, 175},
                                                 {112, 76, 83},
                                                 {20, 86, 175},
                                                 {20, 40, 46, true},
                                                 {66, 40, 6, true},
                                                 {112, 40, 46, true},
                                                 {132, 40, 46, true},
                                                 {195, 40, 46, true}}};

// Goods table: columns №, name, unit, quantity, price, sum between these x; a header row,
// the 10 mm goods row and three totals rows between these y.
constexpr std::array<double, 7> kGoodsColumns{20, 28, 105, 124, 143, 169, 195};
constexpr std::array<double, 6> kGoodsRows{126, 132, 142, 148, 154, 160};
// The right edge of the form's tables, and of every text that runs across the form.
constexpr double kFormRight = 195;

// The signers' names follow their signature lines, which end at 124 mm.
int signerX(const PageGeometry& g, const FormMeasures& f) {
    return g.x(124) + f.wWidth / 2;
}

// The payee's and the bank's boxes span 20 to 112 mm; their names are wrapped to the box less
// a "W" on either side.
int boxMeasure(const PageGeometry& g, const FormMeasures& f) {
    return g.x(112) - g.x(20) - 2 * f.wWidth;
}

// A box line starts a "W" inside the box. Printing keeps the lines the screen wrapped, and the
// screen's fonts come out a few percent narrower than the paper's: a line wider on paper than
// the box's measure is centred in the box instead, clear of both its rules.
int boxLineX(const std::string& line, const PageGeometry& g, const FormMeasures& f,
             const TextMetrics& m) {
    const int width = m.width(line, f.bold);
    return width <= boxMeasure(g, f) ? g.x(20) + f.wWidth : centred(g.x(20), g.x(112), width);
}

// The box is four rows high with its caption on the first; a name fills it from the bottom,
// so a four-line name takes the caption's row.
void fillBox(DocumentText& t, std::size_t caption, const std::string& text, int maxWidth,
             const FontSpec& font, const TextMetrics& metrics) {
    const std::size_t last = caption + 3;
    // Longer names than four lines keep four, the last one ending in an ellipsis: the box has
    // no fifth row, and the seller's name is printed whole above the boxes.
    const std::vector<std::string> lines = wrapWider(text, font, maxWidth, metrics).lines;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        t[last + 1 - lines.size() + k] = lines[k];
    }
}

void fillSeller(DocumentText& t, const DocumentFirm& seller, const DocumentInput& in,
                const PageGeometry& g, const TextMetrics& m) {
    t[0] = OOO(seller.name);
    t[1] = seller.address;
    t[2] = seller.phone;
    t[3] = "ИНН "_cp + seller.inn;
    t[4] = "КПП "_cp + seller.kpp;
    t[5] = "Получатель:"_cp;
    t[9] = "Банк получателя:"_cp;
    const FormMeasures f = formMeasures(g, m);
    fillBox(t, kPayeeCaption, t[0], boxMeasure(g, f), f.bold, m);
    fillBox(t, kBankCaption, seller.bankName, boxMeasure(g, f), f.bold, m);
    t[13] = "Р/Сч."_cp;
    t[14] = seller.settlementAccount;
    t[15] = "БИК"_cp;
    t[16] = seller.bik;
    t[17] = "К/Сч."_cp;
    t[18] = seller.corrAccount;
    const std::string date = FormatLongDate(in.invoiceDate);
    if (!date.empty()) {
        t[kTitle] = "СЧЕТ № "_cp + in.invoiceNo + " от "_cp + date;
    }
}

void fillBuyer(DocumentText& t, const DocumentFirm& buyer) {
    t[20] = "Покупатель: "_cp + OOO(buyer.name);
    t[21] = "ИНН "_cp + buyer.inn + " / " + buyer.kpp;
    t[22] = buyer.address;
}

void fillGoods(DocumentText& t, const DocumentInput& in) {
    const std::string& amount = in.remuneration;
    const std::array<std::string, 6> heads{"№"_cp,        "Наименование товара, работ, услуг"_cp,
                                           "Ед. изм."_cp, "Кол-во"_cp,
                                           "Цена"_cp,     "Сумма"_cp};
    std::copy(heads.begin(), heads.end(), t.begin() + 23);
    t[29] = "1";
    t[30] = "Агентское вознаграждение по контракту"_cp;
    t[31] = "шт."_cp;
    t[32] = "1";
    t[33] = amount;
    t[34] = amount;
    t[35] = in.contractNo;
    t[36] = "Итого:"_cp;
    t[37] = amount;
    // The agent's remuneration carries no VAT.
    t[38] = "НДС:"_cp;
    t[39] = "0";
    t[40] = "Всего:"_cp;
    t[41] = amount;
    t[42] = "Всего наименований 1, на сумму "_cp + amount + " руб."_cp;
    if (!amount.empty()) {
        t[43] = NumToLetRubleKopek(amount).value_or(std::string());
    }
}

void fillSignatures(DocumentText& t, const DocumentInput& in) {
    t[44] = "Руководитель предприятия"_cp;
    t[45] = in.chiefSigns ? "Главный бухгалтер "_cp : "Бухгалтер "_cp;
    t[46] = "(" + in.director + ")";
    t[47] = "(" + in.signingAccountant + ")";
}

// The texts that may run longer than their column: the seller's block, the buyer's block, the
// amount lines and the signers' names. Each wraps in its column and pushes the form below it
// down by its extra lines.
FormItems wrapLongTexts(const DocumentText& texts, const PageGeometry& g, const TextMetrics& m,
                        const FormMeasures& f) {
    FormItems items(texts, kPlacedItems);
    const int formWidth = g.x(kFormRight) - g.x(20);
    for (std::size_t i : {0, 1, 2, 20, 21, 22, 42, 43}) {
        items.wrap(i, f.bold, formWidth, f.lineStep, m);
    }
    for (std::size_t i : {46, 47}) {
        items.wrap(i, f.regular, g.x(kFormRight) - signerX(g, f), f.lineStep, m);
    }
    return items;
}

} // namespace

DocumentText FillBillSt(const DocumentInput& input, const PageGeometry& geometry,
                        const TextMetrics& metrics) {
    DocumentText t(kInvoiceTexts);
    if (input.agent) {
        fillSeller(t, *input.agent, input, geometry, metrics);
        if (input.principal) {
            fillBuyer(t, *input.principal);
        }
    }
    fillGoods(t, input);
    fillSignatures(t, input);
    return t;
}

// Every item 0..47 is placed, empty ones included, so that placed text i is item i (its first
// line, when it is wrapped).
PlacedDocument FillBillXY(const DocumentText& texts, const PageGeometry& g, const TextMetrics& m) {
    const FormMeasures f = formMeasures(g, m);
    const FontSpec titleFont{kArial, g.y(5.66), true};
    const int L = f.lineStep;
    const int wd = f.wWidth;
    const int e = f.rowInset(g.y(40), g.y(46));
    const FormItems items = wrapLongTexts(texts, g, m, f);

    // The requisites' boxes start under the seller's block, the goods table under the buyer's,
    // the signatures under the amount lines, and the second signature under the first.
    FormFlow flow(g);
    flow.pushFrom(40, L * items.extraLines(0, 3));
    flow.pushFrom(126, L * items.extraLines(20, 23));
    flow.pushFrom(204, L * items.extraLines(42, 44));
    flow.pushFrom(233, L * items.extraLines(46, 47));
    const auto y = [&](double mm) { return flow.y(mm); };
    // In a stack of items each stands below the lines of the ones before it.
    const auto below = [&](std::size_t first, std::size_t i) {
        return L * items.linesOf(first, i);
    };

    const auto font = [&](std::size_t i) {
        return i == kTitle ? titleFont : i <= kLastBold ? f.bold : f.regular;
    };
    const auto inColumn = [&](std::size_t i, double a, double b) {
        return centred(g.x(a), g.x(b), m.width(items.text(i), font(i)));
    };
    const auto inGoodsColumn = [&](std::size_t i, std::size_t column) {
        return inColumn(i, kGoodsColumns[column], kGoodsColumns[column + 1]);
    };
    const auto inRow = [&](double p, double q) { return centred(y(p), y(q), f.wHeight); };

    std::array<PixelPoint, kPlacedItems> at{};
    for (std::size_t i = 0; i <= 2; ++i) {
        at[i] = {g.x(20), y(20) + below(0, i)};
    }
    at[3] = {g.x(20) + wd, y(40) + e};
    at[4] = {g.x(66) + wd, y(40) + e};
    for (int k = 0; k < 4; ++k) {
        const std::size_t payee = kPayeeCaption + k;
        const std::size_t bank = kBankCaption + k;
        at[payee] = {boxLineX(items.text(payee), g, f, m), y(46) + e + L * k};
        at[bank] = {boxLineX(items.text(bank), g, f, m), y(66) + e + L * k};
    }
    // Account captions centred in their cells, each value after the column line on its right.
    constexpr std::array<std::pair<double, double>, 3> accountRows{{{40, 66}, {66, 76}, {76, 86}}};
    for (std::size_t k = 0; k < accountRows.size(); ++k) {
        const std::size_t caption = 13 + 2 * k;
        at[caption] = {inColumn(caption, 112, 132),
                       inRow(accountRows[k].first, accountRows[k].second)};
        at[caption + 1] = {g.x(132) + wd, at[caption].y};
    }
    at[kTitle] = {centred(g.x(25), g.pageWidth() - g.x(15), m.width(items.text(kTitle), titleFont)),
                  y(95)};
    for (std::size_t i = 20; i <= 22; ++i) {
        at[i] = {g.x(20), y(107) + below(20, i)};
    }
    for (std::size_t c = 0; c < 6; ++c) {
        at[23 + c] = {inGoodsColumn(23 + c, c), y(126) + e};
        at[29 + c] = {inGoodsColumn(29 + c, c), inRow(132, 142)};
    }
    at[30] = {inGoodsColumn(30, 1), y(132) + e};
    at[35] = {inGoodsColumn(35, 1), y(132) + e + L};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::size_t label = 36 + 2 * k;
        const int rowY = y(kGoodsRows[2 + k]) + e;
        at[label] = {inGoodsColumn(label, 4), rowY};
        at[label + 1] = {inGoodsColumn(label + 1, 5), rowY};
    }
    at[42] = {g.x(20), y(171) - L};
    at[43] = {g.x(20), y(171) - L + below(42, 43)};

    PlacedDocument doc{g.pageWidth(), g.pageHeight(), {PlacedPage{}}};
    PlacedPage& page = doc.pages.front();
    const int tablePen = g.printer ? g.printerPen(0.5) : 1;
    const int signaturePen = g.printer ? g.printerPen(0.25) : 1;
    for (const RuleLine& line : kHeaderLines) {
        page.lines.push_back(flow.line(line, tablePen));
    }
    for (double rowY : kGoodsRows) {
        page.lines.push_back(flow.line(RuleLine{20, rowY, 175}, tablePen));
    }
    for (double x : kGoodsColumns) {
        page.lines.push_back(flow.line(RuleLine{x, 126, 34, true}, tablePen));
    }
    // Each signature line runs from just after its caption to 124 mm; the name in brackets
    // follows it.
    constexpr std::array<double, 2> signatureRows{204, 233};
    for (std::size_t k = 0; k < signatureRows.size(); ++k) {
        const std::size_t caption = 44 + k;
        const int rowY = y(signatureRows[k]);
        const int start = g.x(20) + m.width(items.text(caption), f.regular) + wd / 2;
        const int lineY = rowY + f.wHeight;
        page.lines.push_back(placeLine(start, lineY, g.x(124), lineY, signaturePen, g));
        at[caption] = {g.x(20), rowY};
        at[caption + 2] = {signerX(g, f), rowY};
    }
    items.place(page, at, font, g);
    return doc;
}

} // namespace kestrelon
