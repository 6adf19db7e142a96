#include "report_messages.h"

#include "store/cp1251.h"

namespace kestrelon::messages {
namespace {

std::string inGuillemets(std::string_view text) {
    return "«"_cp + std::string(text) + "»"_cp;
}

std::string amountProblem(std::string_view text, AmountError error) {
    if (error == AmountError::TooLarge) {
        return "сумма "_cp + inGuillemets(text) + " больше 21474836 руб."_cp;
    }
    return "неверная сумма "_cp + inGuillemets(text) + "."_cp;
}

} // namespace

std::string columnCaption(AmountColumn column) {
    switch (column) {
    case AmountColumn::Net:
        return "Сумма"_cp;
    case AmountColumn::Vat:
        return "НДС"_cp;
    case AmountColumn::Gross:
        return "С НДС"_cp;
    }
    return {};
}

std::string badCell(std::size_t row, AmountColumn column, std::string_view text,
                    AmountError error) {
    return "Строка "_cp + std::to_string(row) + ", столбец "_cp +
           inGuillemets(columnCaption(column)) + ": "_cp + amountProblem(text, error) +
           " Расчет не выполнен."_cp;
}

std::string badRemuneration(std::string_view text, AmountError error) {
    return "Вознаграждение: "_cp + amountProblem(text, error) + " Расчет не выполнен."_cp;
}

std::string remunerationTooLong(std::string_view text) {
    return "Вознаграждение "_cp + inGuillemets(text) + " длиннее "_cp +
           std::to_string(kMaxAmountTextLength) +
           " знаков и не поместится в отчет. Расчет не выполнен."_cp;
}

std::string conversionOutOfRange(std::size_t row) {
    return "Строка "_cp + std::to_string(row) +
           ": расчетная сумма больше 42949672.95 руб. Расчет не выполнен."_cp;
}

std::string totalTooLarge(AmountColumn column) {
    return "Итог по столбцу "_cp + inGuillemets(columnCaption(column)) +
           " больше 9999999.99 руб. и не помещается в отчет. Расчет не выполнен."_cp;
}

std::string amountTooLargeForReport(std::size_t row, AmountColumn column) {
    return "Строка "_cp + std::to_string(row) + ", столбец "_cp +
           inGuillemets(columnCaption(column)) +
           ": сумма больше 9999999.99 руб. не помещается в отчет. Расчет не выполнен."_cp;
}

std::string remunerationAboveGross() {
    return "Сумма вознаграждения больше суммы с НДС"_cp;
}

std::string remunerationNeeded() {
    return "Итоги посчитаны. Чтобы отчет можно было сохранить, введите вознаграждение "
           "и снова нажмите \"Get\"."_cp;
}

std::string unsavedReportQuestion() {
    return "Отчет не сохранен. Сохранить?"_cp;
}

} // namespace kestrelon::messages
