// "Отправить" addresses the message to the principal when its card has an e-mail: the mail
// program (a stand-in on PATH here) gets the address as its last argument; without one the
// user picks the recipient in the mail program.

#include "report_outputs.h"
#include "support/mail_stand_in.h"
#include "ui/support/scripted_report_dialogs.h"

namespace kestrelon {
namespace {

using test::click;

class ReportRecipientTest : public test::ReportOutputsTest {
protected:
    // "Отправить" from the act of mutual offset's tab into a folder; the mail program's
    // arguments.
    std::vector<std::string> send() {
        prepareMonth();
        tabs()->setCurrentIndex(TFormReport::OffsetActTab);
        test::scriptedDialogs(*report).setMailFolderChooser(
            [this](QWidget*, const QString&) { return QString::fromStdString(out.path()); });
        test::MailStandIn mail;
        click(*report, QStringLiteral("SpeedButton11"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return mail.ran(); }, 10000)) << "xdg-email not called";
        return mail.arguments();
    }

    test::TempFolder out;
};

TEST_F(ReportRecipientTest, ThePrincipalsAddressComesLastWhenItsCardHasOne) {
    const struct {
        const char* what;
        std::string card; // cp1251
        std::vector<std::string> to;
    } cases[] = {
        {"one address", "buh@tarvel.ru", {"buh@tarvel.ru"}},
        {"two, as typed on the card",
         " buh@tarvel.ru; gl@tarvel.ru ",
         {"buh@tarvel.ru", "gl@tarvel.ru"}},
        {"none on the card", "", {}},
        {"nothing that reads as an address", "нет"_cp, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        store->Firms[store->PrincipalFirmIndex].Email = c.card;
        const std::vector<std::string> arguments = send();
        ASSERT_GE(arguments.size(), 3u + 6u + c.to.size());
        const std::string lastFile = out.path() + "Акт зачета 5 за Март 2013.pdf";
        const auto files = arguments.end() - static_cast<std::ptrdiff_t>(c.to.size());
        EXPECT_EQ(*(files - 1), lastFile) << "the attachments come before the address";
        EXPECT_EQ(std::vector<std::string>(files, arguments.end()), c.to);
        EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
        windows.reset();
    }
}

} // namespace
} // namespace kestrelon
