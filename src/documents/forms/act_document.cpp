#include "act_document.h"

#include "documents/input/principal_name.h"
#include "documents/page/layout_helpers.h"
#include "documents/words/amount_words.h"
#include "documents/words/legal_form.h"
#include "documents/words/long_date.h"
#include "form_flow.h"
#include "form_items.h"
#include "form_measures.h"
#include "store/cp1251.h"

#include <algorithm>
#include <array>

namespace kestrelon {
namespace {

constexpr std::size_t kPlacedItems = 29;
constexpr std::size_t kTitle = 0;

constexpr RuleLine kTitleUnderline{25, 28, 165};
// The service table: columns №, service, quantity, unit, price, sum between these x; the
// header row and the service row between these y.
constexpr std::array<double, 7> kTableColumns{25, 33, 111, 127, 143, 166, 190};
constexpr std::array<double, 3> kTableRows{50, 56, 66};
// Executor's director; customer's name after it; customer's signature.
constexpr RuleLine kExecutorSignature{25, 138, 35};
constexpr RuleLine kCustomerName{109, 128, 35};
constexpr RuleLine kCustomerSignature{109, 138, 35};

std::string shortName(const std::optional<DocumentFirm>& firm) {
    return firm ? OOO(firm->name) : std::string();
}

} // namespace

DocumentText FillActSt(const DocumentInput& in) {
    DocumentText t(kActTexts);
    const std::string& amount = in.remuneration;
    const std::string date = FormatLongDate(in.actDate);
    if (!date.empty()) {
        t[kTitle] = "АКТ № "_cp + in.actNo + " от "_cp + date;
    }
    t[1] = "Исполнитель: "_cp + shortName(in.agent);
    t[2] = "Заказчик: "_cp + shortName(in.principal);
    const std::array<std::string, 6> heads{"№"_cp,        "Услуга"_cp, "Кол-во"_cp,
                                           "Ед. изм."_cp, "Цена"_cp,   "Сумма"_cp};
    std::copy(heads.begin(), heads.end(), t.begin() + 3);
    t[9] = "1";
    t[10] = "Агентское вознаграждение по контракту"_cp;
    t[11] = "1";
    t[12] = "шт."_cp;
    t[13] = amount;
    t[14] = amount;
    t[15] = in.actContractReference;
    t[16] = "Итого: "_cp + amount;
    t[17] = "Всего: "_cp + amount;
    t[18] = "Всего оказано услуг на сумму: "_cp;
    if (!amount.empty()) {
        t[19] = NumToLetRubleKopek(amount).value_or(std::string());
    }
    t[20] =
        "Услуга оказана в полном объеме и надлежащего качества. Заказчик претензий по качеству"_cp;
    t[21] = "оказанной услуги не имеет."_cp;
    t[22] = "Исполнитель:"_cp;
    t[23] = "Заказчик:"_cp;
    t[24] = "Директор "_cp + shortName(in.agent);
    // The customer is always the principal, named as the principal's INN says.
    t[25] = principalShortName(in.principal);
    t[26] = in.director;
    t[27] = "М. П."_cp;
    t[28] = "М. П."_cp;
    return t;
}

// Every item 0..28 is placed, empty ones included, so that placed text i is item i (its first
// line, when it is wrapped).
PlacedDocument FillActXY(const DocumentText& texts, const PageGeometry& g, const TextMetrics& m) {
    const FormMeasures f = formMeasures(g, m);
    const FontSpec titleFont{kArial, g.y(5.66), true};
    const int L = f.lineStep;
    const int ht = f.wHeight;

    std::array<FontSpec, kPlacedItems> font;
    font.fill(f.regular);
    for (std::size_t i : {1, 2, 3, 4, 5, 6, 7, 8, 16, 17, 19, 22, 23}) {
        font[i] = f.bold;
    }
    font[kTitle] = titleFont;

    // The parties and the amount in words run across the form; the executor's director and
    // his name stay left of the customer's column, a "W" apart from it.
    FormItems items(texts, kPlacedItems);
    const int formWidth = g.x(kTableColumns.back()) - g.x(25);
    const int executorRight = g.x(kCustomerName.x) - f.wWidth;
    items.wrap(1, font[1], formWidth, L, m);
    items.wrap(2, font[2], formWidth, L, m);
    items.wrap(19, font[19], formWidth, ht, m);
    items.wrap(24, font[24], executorRight - g.x(25), ht, m);
    items.wrap(26, font[26], executorRight - ruleEndX(kExecutorSignature, g), ht, m);
    // The principal's name, once named, may be as long as any: it wraps within the form.
    items.wrap(25, font[25], g.x(kTableColumns.back()) - ruleEndX(kCustomerName, g), ht, m);

    // The table starts under the parties, the closing sentence under the amount in words, and
    // both parties' signature lines under the executor's director.
    FormFlow flow(g);
    flow.pushFrom(kTableRows[0], L * items.extraLines(1, 3));
    flow.pushFrom(94, ht * items.extraLines(19, 20));
    flow.pushFrom(kExecutorSignature.y, ht * items.extraLines(24, 25));
    const auto y = [&](double mm) { return flow.y(mm); };
    const int e = f.rowInset(y(kTableRows[0]), y(kTableRows[1]));

    const auto width = [&](std::size_t i) { return m.width(items.text(i), font[i]); };
    const auto inColumn = [&](std::size_t i, std::size_t column) {
        return centred(g.x(kTableColumns[column]), g.x(kTableColumns[column + 1]), width(i));
    };
    const auto underLine = [&](std::size_t i, const RuleLine& line) {
        return centred(g.x(line.x), ruleEndX(line, g), width(i));
    };

    std::array<PixelPoint, kPlacedItems> at{};
    at[kTitle] = {g.x(25), y(15)};
    at[1] = {g.x(25), y(32)};
    at[2] = {g.x(25), y(32) + L * items.lines(1)};
    for (std::size_t c = 0; c < 6; ++c) {
        at[3 + c] = {inColumn(3 + c, c), y(kTableRows[0]) + e};
        at[9 + c] = {inColumn(9 + c, c), centred(y(kTableRows[1]), y(kTableRows[2]), ht)};
    }
    at[10] = {inColumn(10, 1), y(kTableRows[1]) + e};
    at[15] = {inColumn(15, 1), at[10].y + ht};
    // The totals are right-aligned to the table's right edge.
    at[16] = {g.x(kTableColumns.back()) - width(16), y(kTableRows[2]) + ht};
    at[17] = {g.x(kTableColumns.back()) - width(17), y(kTableRows[2]) + 2 * ht};
    at[18] = {g.x(25), y(80)};
    at[19] = {g.x(25), y(80) + ht};
    at[20] = {g.x(25), y(94)};
    at[21] = {g.x(25), y(94) + ht};
    at[22] = {g.x(25), y(116)};
    at[23] = {g.x(25) + g.x(84), y(116)};
    at[24] = {g.x(25), y(kCustomerName.y) - ht};
    at[25] = {ruleEndX(kCustomerName, g), y(kCustomerName.y) - ht};
    at[26] = {ruleEndX(kExecutorSignature, g), y(kExecutorSignature.y) - ht};
    // The stamp marks drop below the signature lines by the horizontal scale, as the form
    // has always been laid out.
    at[27] = {underLine(27, kExecutorSignature), y(kExecutorSignature.y) + g.x(10)};
    at[28] = {underLine(28, kCustomerSignature), y(kCustomerSignature.y) + g.x(10)};

    // On paper the underline of the title is the heaviest line, the table lighter and the
    // signature lines the finest; the screen draws the underline 2 pixels and the rest 1.
    const bool printer = g.printer;
    const int titlePen = printer ? g.printerPen(0.5) : 2;
    const int tablePen = printer ? g.printerPen(1.0 / 3.0) : 1;
    const int signaturePen = printer ? g.printerPen(0.25) : 1;

    PlacedDocument doc{g.pageWidth(), g.pageHeight(), {PlacedPage{}}};
    PlacedPage& page = doc.pages.front();
    page.lines.push_back(flow.line(kTitleUnderline, titlePen));
    for (double rowY : kTableRows) {
        page.lines.push_back(flow.line(RuleLine{25, rowY, 165}, tablePen));
    }
    for (const RuleLine& line : {kExecutorSignature, kCustomerName, kCustomerSignature}) {
        page.lines.push_back(flow.line(line, signaturePen));
    }
    for (double x : kTableColumns) {
        page.lines.push_back(flow.line(RuleLine{x, kTableRows[0], 16, true}, tablePen));
    }
    const auto fontOf = [&](std::size_t i) { return font[i]; };
    items.place(page, at, fontOf, g);
    return doc;
}

} // namespace kestrelon
