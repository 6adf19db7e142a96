#include "catalogues/firm_text_card.h"

#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon::test {
namespace {

std::vector<std::string> utf8Lines(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        out.push_back(cp1251ToUtf8(line));
    }
    return out;
}

TEST(FirmTextCardTest, SeventeenLinesFromTheCardAsShown) {
    FirmCardFields card;
    card.Name = "ООО \"Ромашка\""_cp;
    card.CertSeries = "77";
    card.CertNumber = "001234567";
    card.CertDate = "01.02.2003";
    card.CertIssuedBy = "ИФНС № 5"_cp;
    card.Ogrn = "1027700000001";
    card.LegalAddress = "Москва"_cp;
    card.PostalAddress = "Москва, а/я 1"_cp;
    card.Phone = "111-22-33";
    card.Fax = "111-22-34";
    card.Email = "info@example.ru";
    card.Inn = "7701234567";
    card.Kpp = "770101001";
    card.Okato = "45286555000";
    card.Okpo = "12345678";
    card.Okogu = "49013";
    card.Okopf = "65";
    card.Okfs = "16";
    card.Okved = "64.20.11";
    ShownBank bank{"40702810000000000001", "30101810400000000225", "044525225", "Сбербанк"_cp,
                   "ПАО Сбербанк"_cp};

    const std::vector<std::string> expected = {
        "Название организации\tООО \"Ромашка\"",
        "Свидетельство о регистрации\tСерия 77 № 001234567 от 01.02.2003 г., выдано ИФНС № 5",
        "ОГРН \t1027700000001",
        "Юридический адрес\tМосква",
        "Почтовый адрес\tМосква, а/я 1",
        "Телефон\t111-22-33",
        "Факс\t111-22-34",
        "E-Mail \tinfo@example.ru",
        "Банк\tР/Сч. 40702810000000000001 ПАО Сбербанк К/Сч. 30101810400000000225 БИК 044525225",
        "ИНН\t7701234567",
        "КПП\t770101001",
        "ОКАТО\t45286555000",
        "ОКПО\t12345678",
        "ОКОГУ\t49013",
        "ОКОПФ\t65",
        "ОКФС\t16",
        "ОКВЭД\t64.20.11",
    };
    EXPECT_EQ(utf8Lines(firmTextCardLines(card, bank)), expected);
}

TEST(FirmTextCardTest, EmptyCardKeepsEveryLabel) {
    const auto lines = utf8Lines(firmTextCardLines({}, {}));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[1], "Свидетельство о регистрации\tСерия  №  от  г., выдано ");
    EXPECT_EQ(lines[8], "Банк\tР/Сч.   К/Сч.  БИК ");
    EXPECT_EQ(lines[16], "ОКВЭД\t");
}

TEST(FirmTextCardTest, FileNameGetsTheExtensionOnlyOnce) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"card", "card.txt"},           {"card.txt", "card.txt"},
        {"card.TXT", "card.TXT"},       {"/home/user/card.Txt", "/home/user/card.Txt"},
        {"card.text", "card.text.txt"}, {"card.txt.bak", "card.txt.bak.txt"},
        {"cardtxt", "cardtxt.txt"},
    };
    for (const auto& [chosen, written] : cases) {
        EXPECT_EQ(textCardFileName(chosen), written) << chosen;
    }
}

TEST(FirmTextCardTest, FileBytesAreCp1251WithCrLfAfterEachLine) {
    const std::vector<std::string> lines = {"ИНН\t7701"_cp, "", "E"};
    EXPECT_EQ(textCardFileBytes(lines), "\xC8\xCD\xCD\t7701\r\n\r\nE\r\n");
    EXPECT_EQ(textCardFileBytes({}), "");
}

TEST(FirmTextCardTest, PrintedLinesFollowFourEmptyOnesIndentedAndCut) {
    const std::string longLine(300, 'x');
    const std::vector<std::string> printed = textCardPrintLines({"ab", longLine, ""});

    const std::vector<std::string> expected = {
        "", "", "", "", "      ab", "      " + std::string(249, 'x'), "      "};
    EXPECT_EQ(printed, expected);
}

} // namespace
} // namespace kestrelon::test
