// What the desktop's mail program is given for a report, and what is said when it fails.

#include "documents/input/report_mail.h"
#include "documents/sample_input.h"
#include "store/cp1251.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(ReportMail, TheSubjectNamesThePeriodAndTheOffsetAct) {
    const struct {
        const char* name;
        Period period;
        std::string number;
        std::string expected;
    } cases[] = {
        {"March", Period{2, 3}, "5", "Отчет агента за Март 2013, акт зачета № 5"},
        {"December, last year of the list", Period{11, 89}, "12345",
         "Отчет агента за Декабрь 2099, акт зачета № 12345"},
        {"blanks around the number", Period{0, 0}, " 7 ",
         "Отчет агента за Январь 2010, акт зачета № 7"},
        {"no number", Period{4, 1}, "", "Отчет агента за Май 2011"},
        {"a line break would split the header", Period{2, 3}, "5\r\nBcc: x@y",
         "Отчет агента за Март 2013, акт зачета № 5  Bcc: x@y"},
        {"a period outside the lists", Period{12, 3}, "5", "Отчет агента, акт зачета № 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DocumentInput input = sampleInput();
        input.period = c.period;
        input.offsetActNo = c.number;
        EXPECT_EQ(mailSubject(input), c.expected);
    }
}

TEST(ReportMail, TheSubjectComesFirstThenTheBodyThenEveryFileInItsOrder) {
    EXPECT_EQ(
        mailArguments("Тема", "Письмо", {"/a/Счет 1.pdf", "/a/Акт 1.pdf", "/a/Акт зачета 1.pdf"}),
        (std::vector<std::string>{"--utf8", "--subject", "Тема", "--body", "Письмо", "--attach",
                                  "/a/Счет 1.pdf", "--attach", "/a/Акт 1.pdf", "--attach",
                                  "/a/Акт зачета 1.pdf"}));
    EXPECT_EQ(std::string(kMailProgram), "xdg-email");
}

TEST(ReportMail, TheLetterNamesTheMonthTheDocumentsTheSumDueAndTheAgent) {
    DocumentInput input = sampleInput();
    input.period = Period{2, 3};
    input.contractNo = "12345678";
    input.invoiceNo = "5";
    input.invoiceDate = "31.3.2013";
    input.actNo = "6";
    input.actDate = "31.03.2013";
    input.offsetActNo = "7";
    input.offsetActDate = "1.04.2013";
    input.toPrincipal = "1234567.50";
    input.agent->name = "ООО \"Сапсан-Телеком\""_cp;
    EXPECT_EQ(mailBody(input), "Добрый день!\n\n"
                               "Направляем отчет агента и документы за Март 2013 по агентскому "
                               "договору № 12345678:\n"
                               "— счет № 5 от 31.03.2013\n"
                               "— акт № 6 от 31.03.2013\n"
                               "— акт зачета № 7 от 01.04.2013\n"
                               "\nСумма к перечислению принципалу по акту зачета: 1 234 567,50 "
                               "руб.\n"
                               "\nДокументы — во вложении, в формате PDF.\n\n"
                               "С уважением,\nООО \"Сапсан-Телеком\"\n");

    // What is missing is left out, and nothing can add a line of its own.
    input.actNo = "";
    input.invoiceDate = "";
    input.toPrincipal = "";
    input.offsetActNo = "7\nBcc: x@y";
    const std::string shorter = mailBody(input);
    EXPECT_EQ(shorter.find("— акт № "), std::string::npos) << shorter;
    EXPECT_NE(shorter.find("— счет № 5\n"), std::string::npos) << shorter;
    EXPECT_NE(shorter.find("— акт зачета № 7 Bcc: x@y от 01.04.2013\n"), std::string::npos)
        << shorter;
    EXPECT_EQ(shorter.find("Сумма"), std::string::npos) << shorter;
}

TEST(ReportMail, TheRecipientsComeLastWhereTheMailProgramTakesAnAddress) {
    EXPECT_EQ(mailArguments("Тема", "", {"/a/Счет 1.pdf"}, {"buh@tarvel.ru", "gl@tarvel.ru"}),
              (std::vector<std::string>{"--utf8", "--subject", "Тема", "--attach", "/a/Счет 1.pdf",
                                        "buh@tarvel.ru", "gl@tarvel.ru"}));
}

TEST(ReportMail, TheAddressesOfTheCardAreThoseThatReadAsOne) {
    using Addresses = std::vector<std::string>;
    const struct {
        const char* name;
        std::string card; // cp1251
        Addresses expected;
    } cases[] = {
        {"one", "buh@tarvel.ru", {"buh@tarvel.ru"}},
        {"blanks around", " \tbuh@tarvel.ru\xA0", {"buh@tarvel.ru"}},
        {"several, apart as people write them",
         "buh@tarvel.ru; gl@tarvel.ru,kassa@tarvel.ru  x@y.ru",
         {"buh@tarvel.ru", "gl@tarvel.ru", "kassa@tarvel.ru", "x@y.ru"}},
        {"in angle brackets or a link",
         "<buh@tarvel.ru> MailTo:gl@tarvel.ru",
         {"buh@tarvel.ru", "gl@tarvel.ru"}},
        {"a Cyrillic address", "бух@тарвел.рф"_cp, {"бух@тарвел.рф"}},
        {"none written", "", {}},
        {"no address at all", "нет"_cp, {}},
        {"an @ at either end, or two", "@tarvel.ru buh@ a@b@c", {}},
        {"an option in disguise", "--help@x.ru -x@y.ru", {}},
        {"a header in disguise", "a@b.ru?bcc=spy@x.ru a@b.ru&cc=spy@x.ru", {}},
        {"a name before the address: the address alone goes",
         "Иванов <iv@tarvel.ru>"_cp,
         {"iv@tarvel.ru"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mailRecipients(c.card), c.expected);
    }
}

TEST(ReportMail, TheRecipientIsThePrincipalsCard) {
    DataStore store;
    store.FirmCount = 2;
    store.Firms[0].Email = "agent@sapsan.ru";
    store.Firms[1].Email = "buh@tarvel.ru";
    const struct {
        std::int32_t principal;
        std::string expected;
    } cases[] = {{1, "buh@tarvel.ru"}, {0, "agent@sapsan.ru"}, {-1, ""}, {2, ""}};
    for (const auto& c : cases) {
        store.PrincipalFirmIndex = c.principal;
        EXPECT_EQ(principalEmail(store), c.expected) << "principal at " << c.principal;
    }
}

TEST(ReportMail, AFailureSaysWhatWentWrongAndWhereTheDocumentsAre) {
    using Kind = MailFailure::Kind;
    const struct {
        MailFailure failure;
        const char* window;
        const char* commandLine;
    } cases[] = {
        {{Kind::Missing, 0}, "не найдена", "not found"},
        {{Kind::NotStarted, 0}, "не запустилась", "could not be started"},
        {{Kind::ExitStatus, 3}, "с кодом 3", "exit status 3"},
        {{Kind::Crashed, 0}, "аварийно", "crashed"},
    };
    const std::string folder = "/home/buh/Отчеты";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        const std::string message = mailFailureMessage(c.failure, folder);
        EXPECT_NE(message.find(c.window), std::string::npos) << message;
        EXPECT_NE(message.find("\n" + folder + "\n"), std::string::npos) << message;
        EXPECT_NE(message.find("вручную"), std::string::npos) << message;
        const std::string reason = mailFailureReason(c.failure, folder);
        EXPECT_NE(reason.find(c.commandLine), std::string::npos) << reason;
        EXPECT_NE(reason.find(folder), std::string::npos) << reason;
    }
}

} // namespace
} // namespace kestrelon
