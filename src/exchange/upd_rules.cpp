#include "upd_rules.h"

namespace kestrelon {

std::vector<std::string> updRuleProblems(const UpdDocument& d, const std::string& fileName) {
    std::vector<std::string> problems;
    const auto rule = [&](bool holds, const char* message) {
        if (!holds) {
            problems.emplace_back(message);
        }
    };
    const std::string expected = d.fileId + ".xml";
    if (d.fileId.empty() || fileName != expected) {
        problems.push_back("Имя файла «" + fileName + "» не совпадает с идентификатором файла «" +
                           d.fileId + "»: файл УПД должен называться по нему, с расширением .xml");
    }
    rule(d.transfer.has_value(),
         "Нет сведений о передаче услуг (содержание операции, период, основание): они "
         "составляются из периода отчета и договора агента");
    rule(!d.documentName.empty(), "Не указано наименование документа по факту хозяйственной жизни");
    rule(!d.line.name.empty(),
         "Не указано наименование услуги: строка акта «Агентское вознаграждение по контракту» "
         "с номером договора агента (карточка договора агента, поле «№ Договора»)");
    rule(d.line.okei.empty() || !d.line.unitName.empty(),
         "Указан код единицы измерения услуги, но не ее наименование");
    rule(!d.line.net.empty() || !d.line.gross.empty(),
         "Не указана стоимость услуги: введите вознаграждение агента в окне отчета и снова "
         "нажмите «Get»");
    rule(!d.totalNet.empty() || !d.totalGross.empty(),
         "Не указана итоговая стоимость: введите вознаграждение агента в окне отчета");
    if (d.transfer) {
        const UpdTransfer& t = *d.transfer;
        const bool noPeriod = t.periodStart.empty() && t.periodEnd.empty();
        if (t.date.empty() && noPeriod) {
            problems.emplace_back(
                "Не указана дата или период оказания услуг: выберите месяц и год отчета");
        } else if (t.date.empty()) {
            rule(!t.periodStart.empty(),
                 "Не указано начало периода оказания услуг: выберите месяц и год отчета");
            rule(!t.periodEnd.empty(),
                 "Не указан конец периода оказания услуг: выберите месяц и год отчета");
        }
    }
    rule(d.signer.authorityMethod != "3",
         "Полномочия подписанта по электронной доверенности требуют ее сведений, а в документе "
         "их нет: подписывает руководитель");
    rule(d.signer.authorityMethod != "5",
         "Полномочия подписанта по бумажной доверенности требуют ее сведений, а в документе их "
         "нет: подписывает руководитель");
    return problems;
}

} // namespace kestrelon
