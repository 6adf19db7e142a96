// The rules the schema states only as Schematron, each broken on a document that is otherwise
// complete: the message says what is missing, and no file is written.

#include "exchange/upd_from_report.h"
#include "exchange/upd_rules.h"
#include "upd_samples.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestrelon {
namespace {

struct BrokenRule {
    const char* code; // the schema's rule, as the format's notes number them
    std::function<void(UpdDocument&)> breakIt;
    const char* message; // the start of the message, UTF-8
};

TEST(UpdRules, EachRuleTheDocumentCanBreakNamesWhatToFill) {
    const UpdDocument complete =
        buildUpd(test::sampleUpdInput(), test::sampleUpdSettings()).document;
    const std::string fileName = complete.fileId + ".xml";
    ASSERT_TRUE(updRuleProblems(complete, fileName).empty());

    const std::vector<BrokenRule> rules = {
        {"1 ИдФайл", [](UpdDocument& d) { d.fileId += "x"; }, "Имя файла «ON_NSCHFDOPPR_"},
        {"3 СвПродПер", [](UpdDocument& d) { d.transfer.reset(); },
         "Нет сведений о передаче услуг"},
        {"4 НаимДокОпр", [](UpdDocument& d) { d.documentName.clear(); },
         "Не указано наименование документа"},
        {"10 НаимТов", [](UpdDocument& d) { d.line.name.clear(); },
         "Не указано наименование услуги"},
        {"11 НаимЕдИзм", [](UpdDocument& d) { d.line.unitName.clear(); },
         "Указан код единицы измерения услуги"},
        {"16 СтТовБезНДС/СтТовУчНал",
         [](UpdDocument& d) {
             d.line.net.clear();
             d.line.gross.clear();
         },
         "Не указана стоимость услуги"},
        {"19 ВсегоОпл",
         [](UpdDocument& d) {
             d.totalNet.clear();
             d.totalGross.clear();
         },
         "Не указана итоговая стоимость"},
        {"20 ДатаПер",
         [](UpdDocument& d) {
             d.transfer->periodStart.clear();
             d.transfer->periodEnd.clear();
         },
         "Не указана дата или период оказания услуг"},
        {"21 ДатаНачПер", [](UpdDocument& d) { d.transfer->periodStart.clear(); },
         "Не указано начало периода"},
        {"21 ДатаОконПер", [](UpdDocument& d) { d.transfer->periodEnd.clear(); },
         "Не указан конец периода"},
        {"26 СвДоверЭл", [](UpdDocument& d) { d.signer.authorityMethod = "3"; },
         "Полномочия подписанта по электронной доверенности"},
        {"27 СвДоверБум", [](UpdDocument& d) { d.signer.authorityMethod = "5"; },
         "Полномочия подписанта по бумажной доверенности"},
    };
    for (const BrokenRule& rule : rules) {
        UpdDocument d = complete;
        rule.breakIt(d);
        const std::vector<std::string> problems = updRuleProblems(d, fileName);
        ASSERT_EQ(problems.size(), 1u) << rule.code;
        EXPECT_EQ(problems[0].rfind(rule.message, 0), 0u) << rule.code << ": " << problems[0];
    }

    UpdDocument oneDay = complete;
    oneDay.transfer->periodStart.clear();
    oneDay.transfer->periodEnd.clear();
    oneDay.transfer->date = "31.03.2013";
    EXPECT_TRUE(updRuleProblems(oneDay, fileName).empty()) << "a single day stands for a period";
}

} // namespace
} // namespace kestrelon
