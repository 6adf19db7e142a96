#include "ui/support/firm_windows.h"

#include <QPlainTextEdit>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class TextCardTest : public test::FirmWindowsTest {
protected:
    TextCardTest() { createWindows(); }

    QPlainTextEdit* memo(const QWidget& window) {
        return test::child<QPlainTextEdit>(window, "Memo1");
    }
    // Shows the text card with `lines` and runs `step` in it.
    void withTextCard(const std::vector<std::string>& lines, std::function<void(QDialog&)> step) {
        whenModal("FormSave", std::move(step));
        textCard->showLines(lines);
    }
};

TEST_F(TextCardTest, ShowsTheCardAsItStandsOnScreen) {
    addFirm("Альфа", "7701");
    store->Firms[0].Banks[0].SettlementAccount = "40702";
    context.catalogues.firms.SelectedFirm = 0;
    createWindows(); // again: the list must show the organization for "Edit" to open it
    bool shown = false;
    whenModal("FormRekvizit", [&](QDialog& c) {
        shown = true;
        test::type(c, 1, "Альфа-2"); // typed, not stored
        whenModal("FormSave", [&](QDialog& t) {
            EXPECT_EQ(t.windowTitle(), "FormSave");
            EXPECT_EQ(test::child<QAbstractButton>(t, "ButtonSave")->toolTip(),
                      "Сохранить платежку");
            EXPECT_EQ(test::child<QAbstractButton>(t, "ButtonPrint")->toolTip(), "Печать");
            const QStringList lines = memo(t)->toPlainText().split('\n');
            ASSERT_EQ(lines.size(), 17);
            EXPECT_EQ(lines[0], "Название организации\tАльфа-2");
            EXPECT_EQ(lines[1], "Свидетельство о регистрации\tСерия  №  от  г., выдано ");
            EXPECT_EQ(lines[8], "Банк\tР/Сч. 40702  К/Сч.  БИК ");
            EXPECT_EQ(lines[9], "ИНН\t7701");
            t.close();
        });
        click(c, "ButtonText");
        click(c, "ButtonNo");
    });
    click(*firm, "SpeedButton2");
    EXPECT_TRUE(shown);
    EXPECT_EQ(store->Firms[0].Name.view(), utf8ToCp1251("Альфа"));
}

TEST_F(TextCardTest, SaveWritesCp1251LinesWithCrLfAndAddsTxtOnlyWhenMissing) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"card", "card.txt"}, {"card.txt", "card.txt"}, {"Card.TXT", "Card.TXT"}};
    for (const auto& [chosen, written] : cases) {
        SCOPED_TRACE(chosen);
        test::TempFolder target;
        textCard->setFileNameAsker(
            [&, chosen = chosen] { return QString::fromStdString(target.path() + chosen); });
        withTextCard({utf8ToCp1251("ИНН\t7701"), "E-Mail \ta@b"}, [&](QDialog& t) {
            memo(t)->appendPlainText("Примечание");
            click(t, "ButtonSave");
            EXPECT_TRUE(t.isVisible()) << "the text card stays open after saving";
            t.close();
        });
        EXPECT_EQ(target.readFile(written),
                  utf8ToCp1251("ИНН\t7701\r\nE-Mail \ta@b\r\nПримечание\r\n"));
        EXPECT_FALSE(target.exists(written + ".txt")) << "never a double extension";
    }
}

TEST_F(TextCardTest, CancelledOrFailedSaveWritesNothing) {
    bool asked = false;
    textCard->setFileNameAsker([&] {
        asked = true;
        return QString();
    });
    withTextCard({"line"}, [](QDialog& t) {
        click(t, "ButtonSave");
        t.close();
    });
    EXPECT_TRUE(asked);
    EXPECT_TRUE(sink.messages.isEmpty());

    textCard->setFileNameAsker(
        [&] { return QString::fromStdString(folder.path() + "missing/card"); });
    withTextCard({"line"}, [](QDialog& t) {
        click(t, "ButtonSave");
        EXPECT_TRUE(t.isVisible());
        t.close();
    });
    const std::string card = folder.path() + "missing/card.txt";
    EXPECT_EQ(sink.messages, QStringList({QString::fromStdString("File not found\n" + card)}));
}

TEST_F(TextCardTest, PrintSendsIndentedLinesAfterFourEmptyOnesThenCloses) {
    QStringList printed;
    int jobs = 0;
    textCard->setLinePrinter([&](const QStringList& lines, const QFont&) {
        ++jobs;
        printed = lines;
        return QString();
    });
    withTextCard({utf8ToCp1251("ИНН\t7701"), std::string(300, 'x')}, [](QDialog& t) {
        click(t, "ButtonPrint");
        EXPECT_FALSE(t.isVisible());
    });
    ASSERT_EQ(printed.size(), 6);
    EXPECT_EQ(printed.mid(0, 4), QStringList({"", "", "", ""}));
    EXPECT_EQ(printed[4], "      ИНН\t7701");
    EXPECT_EQ(printed[5], "      " + QString(249, 'x')) << "cut to 255 characters";

    withTextCard({}, [](QDialog& t) {
        click(t, "ButtonPrint");
        EXPECT_FALSE(t.isVisible()) << "an empty text card closes without printing";
    });
    EXPECT_EQ(jobs, 1);
}

TEST_F(TextCardTest, PrinterFailureIsShownAndTheTextCardStays) {
    textCard->setLinePrinter(
        [](const QStringList&, const QFont&) { return QStringLiteral("Нет принтера"); });
    withTextCard({"line"}, [](QDialog& t) {
        click(t, "ButtonPrint");
        EXPECT_TRUE(t.isVisible());
        t.close();
    });
    EXPECT_EQ(sink.messages, QStringList({"Нет принтера"}));
}

} // namespace
} // namespace kestrelon
