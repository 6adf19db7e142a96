#include "vat_question_view.h"

#include "store/cp1251.h"

namespace kestrelon {
namespace {

enum Field { Net = 0, Vat = 1, Gross = 2 };

} // namespace

VatQuestionView vatQuestionView(const VatQuestion& q) {
    VatQuestionView v;
    v.caption = "cтрока "_cp + std::to_string(q.rowIndex + 1);
    const std::string& vat1 = q.expectedVat;
    const std::string& gross1 = q.expectedGross;
    switch (q.code) {
    case 3: // VAT against the amount with VAT; no net amount typed
        v.upper = {"", q.vat, q.gross};
        v.lower = {"", vat1, q.gross};
        v.red[Vat] = true;
        break;
    case 5: // amount with VAT against the net amount; no VAT typed
        v.upper = {q.net, "", q.gross};
        v.lower = {q.net, "", gross1};
        v.red[Gross] = true;
        break;
    case 6: // VAT against the net amount; no amount with VAT typed
        v.upper = {q.net, q.vat, ""};
        v.lower = {q.net, vat1, ""};
        v.red[Vat] = true;
        break;
    case 7:
        v.upper = {q.net, q.vat, q.gross};
        v.lower = {q.net, vat1, q.gross};
        v.red[Vat] = true;
        break;
    case 8:
        v.upper = {q.net, q.vat, q.gross};
        v.lower = {q.net, q.vat, gross1};
        v.red[Gross] = true;
        break;
    case 9:
        v.upper = {q.net, q.vat, q.gross};
        v.lower = {q.net, vat1, gross1};
        v.red[Vat] = v.red[Gross] = true;
        break;
    default:
        break;
    }
    return v;
}

} // namespace kestrelon
