#include "documents/input/principal_name.h"
#include "documents/words/legal_form.h"
#include "store/cp1251.h"
#include "store/data_store.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

struct Case {
    const char* name; // UTF-8
    const char* expected;
};

TEST(OOO, ShortensTheLegalFormInAnyOfItsSpellings) {
    const Case cases[] = {
        {"ОБЩЕСТВО С ОГРАНИЧЕННОЙ ОТВЕТСТВЕННОСТЬЮ РОМАШКА", "ООО РОМАШКА"},
        {"Общество  с ограниченной ответственностью Х", "ООО Х"},
        {"Общество С ОГРАНИЧЕННОЙ ответственностью Х", "ООО Х"},
        {"общество с Ограниченной Ответственностью Х", "ООО Х"},
        {"Общество с ограниченной ответственностью \"Тарвел\"", "ООО \"Тарвел\""},
        {" Общество\tс ограниченной ответственностью  Торговый   дом ", "ООО Торговый дом"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1251ToUtf8(OOO(utf8ToCp1251(c.name))), c.expected) << c.name;
    }
}

TEST(OOO, LeavesOtherNamesAsTheyAre) {
    for (const char* name : {
             "Общество с ограниченной ответственностью",
             "Обществос ограниченной ответственностью Х",
             "Общество с ограниченной ответственности Х",
             "ОбЩество с ограниченной ответственностью Х",
             "Закрытое  акционерное общество  \"Ромашка\" ",
             "",
         }) {
        EXPECT_EQ(cp1251ToUtf8(OOO(utf8ToCp1251(name))), name);
    }
}

TEST(OOO, KeepsANameWrittenAsOneLongWordWhole) {
    const std::string word = "\"" + std::string(85, '\xC6') + "\""; // "Ж" 85 times, quoted
    const std::string name = "Общество с ограниченной ответственностью "_cp + word;
    ASSERT_EQ(name.size(), 128u);
    EXPECT_EQ(OOO(name), "ООО "_cp + word);
}

TEST(OOO, CutsTheShortNameTo255Characters) {
    std::string name = "Общество с ограниченной ответственностью"_cp;
    for (int i = 0; i < 60; ++i) {
        name += " Слово"_cp;
    }
    const std::string shortName = OOO(name);
    ASSERT_EQ(shortName.size(), 255u);
    EXPECT_EQ(shortName.substr(0, 10), "ООО Слово "_cp);
}

TEST(ShortLegalForm, ShortensLimitedAndJointStockFormsAndNothingElse) {
    const Case cases[] = {
        {"Общество с ограниченной ответственностью \"Связь\"", "ООО \"Связь\""},
        {"Публичное акционерное общество \"Мобильные ТелеСистемы\"",
         "ПАО \"Мобильные ТелеСистемы\""},
        {"ПУБЛИЧНОЕ АКЦИОНЕРНОЕ ОБЩЕСТВО Связь", "ПАО Связь"},
        {"публичное Акционерное общество Связь", "ПАО Связь"},
        {"Непубличное акционерное общество Связь", "НАО Связь"},
        {"Акционерное общество  \"Ёлка\"", "АО \"Ёлка\""},
        {"АКЦИОНЕРНОЕ ОБЩЕСТВО Связь", "АО Связь"},
        // Not a form the documents shorten, or a form with no name after it.
        {"Закрытое акционерное общество Связь", "Закрытое акционерное общество Связь"},
        {"Акционерное общество", "Акционерное общество"},
        {"АкционерНое общество Связь", "АкционерНое общество Связь"},
        {"ПАО \"Связь\"", "ПАО \"Связь\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1251ToUtf8(shortLegalForm(utf8ToCp1251(c.name))), c.expected) << c.name;
    }
    // The agent's lines shorten only the limited company, as always.
    EXPECT_EQ(cp1251ToUtf8(OOO(utf8ToCp1251("Акционерное общество Связь"))),
              "Акционерное общество Связь");
}

TEST(PrincipalShortName, TheFixedNameStandsUntilAnotherInnNamesThePrincipal) {
    DocumentFirm real;
    real.name = "Публичное акционерное общество \"Связь\""_cp;
    real.inn = "7740000076";
    DocumentFirm fixed = real;
    fixed.inn = PrincipalInn;
    DocumentFirm noInn = real;
    noInn.inn.clear();
    EXPECT_EQ(cp1251ToUtf8(principalShortName(real)), "ПАО \"Связь\"");
    for (const std::optional<DocumentFirm>& principal :
         {std::optional<DocumentFirm>(fixed), std::optional<DocumentFirm>(noInn),
          std::optional<DocumentFirm>()}) {
        EXPECT_EQ(cp1251ToUtf8(principalShortName(principal)), "ООО \"Тарвел\"");
    }
}

} // namespace
} // namespace kestrelon
