#include "offset_act_document.h"

#include "documents/input/principal_name.h"
#include "documents/words/amount_words.h"
#include "documents/words/legal_form.h"
#include "documents/words/sentence_wrap.h"
#include "documents/words/word_list.h"
#include "offset_act_layout.h"
#include "offset_act_page_line.h"
#include "offset_act_signatures.h"
#include "reports/computation/vat_rate.h"
#include "store/cp1251.h"

#include <algorithm>

namespace kestrelon {
namespace {

using namespace offset_act;

// An amount inside a sentence; an amount that cannot be read leaves a gap, not a broken act.
std::string words(const std::string& amount) {
    return amountInWords(amount).value_or("");
}

// The day and month are left blank for the pen; only a four-digit year is printed.
std::string dateLine(const std::string& date) {
    const WordList parts = SplitBySeparator(date, '.');
    const bool withYear = parts.size() == 3 && parts[2].size() == 4;
    return "\"    \" ____________ " + (withYear ? parts[2] : std::string()) + "  г."_cp;
}

// A block fills its four items from the top; a clause that fits stays whole on the first.
int wrapBlock(DocumentText& items, std::size_t first, const NamingSentence& clause, int maxWidth,
              const FontSpec& font, const TextMetrics& metrics) {
    const std::vector<std::string> lines =
        wrapNamingSentence(clause, font, maxWidth, metrics).lines;
    std::copy(lines.begin(), lines.end(), items.begin() + static_cast<std::ptrdiff_t>(first));
    return static_cast<int>(lines.size());
}

// The agent's name is the one part of the clauses that can be long enough to overflow their
// four lines; the signatures show it whole.
struct Clauses {
    NamingSentence preamble, clause1, clause2, clause3, clause4, clause5;
};

Clauses clauses(const DocumentInput& in, const std::string& agent, const std::string& principal) {
    const std::string period =
        "за период "_cp + monthName(in.period.month) + " " + yearText(in.period.year) + " г."_cp;
    Clauses c;
    c.preamble = {principal + ", В лице Главного бухгалтера "_cp + principal + " " +
                      in.principalChiefAccountantGenitive + " с одной стороны и "_cp,
                  agent,
                  " в лице Главного бухгалтера "_cp + in.agentChiefAccountantGenitive +
                      " с другой стороны, составили настоящий Акт о том, что:"_cp};
    c.clause1 = {"1.  "_cp + principal + " имеет задолженность перед "_cp, agent,
                 " за реализованные товары (работы, услуги) "_cp + period +
                     " по следующим счетам:"_cp};
    c.clause2 = {"2.  "_cp, agent,
                 " имеет задолженность перед "_cp + principal + " за услуги связи "_cp + principal +
                     ", оказанные Абонентам и Пользователям  "_cp + period};
    c.clause3 = {"3.  На основании статьи 410 ГК РФ, стороны договорились о проведении зачета "
                 "взаимных требований на сумму "_cp +
                     words(in.remuneration) + " без учета НДС."_cp,
                 "", ""};
    // The one clause without the agent: here the principal's name is what may be shortened.
    c.clause4 = {"4.  Остаток задолженности в сумме "_cp + words(in.toPrincipal) +
                     " в т.ч. НДС "_cp + std::to_string(vatRatePercent(in.period)) + "% - "_cp +
                     words(in.vatTotal) + " подлежит оплате на расчетный счет "_cp,
                 principal, "."};
    c.clause5 = {"5.  Настоящий Акт составлен в двух экземплярах, по одному для "_cp + principal +
                     " и "_cp,
                 agent, ""};
    return c;
}

void fillTables(DocumentText& t, const DocumentInput& in) {
    const std::array<std::string, kHeaderTexts> header{
        "Номер"_cp,        "договора"_cp,     "Номер счета"_cp, "Дата счета"_cp,
        "Сумма счета,"_cp, "руб."_cp,         "Сумма НДС,"_cp,  "руб."_cp,
        "Сумма"_cp,        "взаимозачета"_cp, "с НДС, руб."_cp};
    std::copy(header.begin(), header.end(), t.begin() + kFirstHeader);
    std::copy(header.begin(), header.end(), t.begin() + kSecondHeader);
    const std::array<std::string, kColumns> row{in.contractNo,   in.invoiceNo, in.invoiceDate,
                                                in.remuneration, "0",          in.remuneration};
    std::copy(row.begin(), row.end(), t.begin() + kFirstRow);
}

void fillSignatures(DocumentText& t, const DocumentInput& in, const std::string& agent,
                    const std::string& principal) {
    const std::string line = "____________________ / ";
    t[kSignatures] = principal;
    t[kSignatures + 1] = "Главный бухгалтер"_cp;
    t[kSignatures + 2] = line + in.principalChiefAccountant;
    t[kSignatures + 3] = agent;
    t[kSignatures + 4] = in.chiefSigns ? "Главный бухгалтер "_cp : "Бухгалтер "_cp;
    t[kSignatures + 5] = line + "(" + in.signingAccountant + ")";
}

} // namespace

OffsetActText FillActZSt(const DocumentInput& input, const PageGeometry& geometry,
                         const TextMetrics& metrics) {
    OffsetActText act;
    act.items.assign(kOffsetActTexts, std::string());
    DocumentText& t = act.items;
    const std::string agent = input.agent ? OOO(input.agent->name) : std::string();
    const std::string principal = principalShortName(input.principal);
    t[kTitle] = "АКТ"_cp;
    t[kTitle + 1] = "ЗАЧЕТА ВЗАИМНЫХ ТРЕБОВАНИЙ № "_cp + input.offsetActNo;
    t[kCity] = "г. Москва"_cp;
    t[kDate] = dateLine(input.offsetActDate);
    t[kPageLine] = pageLineHead(input.offsetActNo, input.offsetActDate);
    fillTables(t, input);
    fillSignatures(t, input, agent, principal);

    const Measures m = measureOffsetAct(geometry, metrics);
    const Clauses c = clauses(input, agent, principal);
    const int toClauseEnd = clauseWidth(m, metrics);
    const auto wrap = [&](Block block, std::size_t first, const NamingSentence& text, int width) {
        act.lineCounts[block] = wrapBlock(t, first, text, width, m.body, metrics);
    };
    wrap(Preamble, kPreamble, c.preamble, preambleWidth(m, metrics));
    wrap(Clause1, kClause1, c.clause1, toClauseEnd);
    wrap(Clause2, kClause2, c.clause2, toClauseEnd);
    wrap(Clause3, kClause3, c.clause3, toClauseEnd);
    wrap(Clause4, kClause4, c.clause4, toClauseEnd);
    wrap(Clause5, kClause5, c.clause5, toClauseEnd);
    act.signatures = wrapSignatures(t, m, metrics);

    for (const OffsetActRow& row : input.rows) {
        act.cells.push_back({row.invoiceNo, row.invoiceDate, row.gross, row.vat});
    }
    if (act.cells.empty()) {
        act.cells.emplace_back();
    }
    return act;
}

PlacedDocument FillActZXY(const OffsetActText& texts, const PageGeometry& geometry,
                          const TextMetrics& metrics) {
    const Measures m = measureOffsetAct(geometry, metrics);
    const Context c{texts, m, metrics, geometry};
    PlacedDocument doc{m.pageWidth, m.pageHeight, {PlacedPage{}}};
    const int tableTop = placeFirstPage(c, doc.pages.front());
    placeClosingBlocks(c, doc, placeRows(c, doc, tableTop));
    placePageLines(c, doc);
    return doc;
}

} // namespace kestrelon
