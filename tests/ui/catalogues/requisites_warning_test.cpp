// Requisites that do not check out are a warning on "OK", never a refusal: "Да" stores them as
// typed, "Нет" goes back to the window with the text kept.

#include "ui/support/firm_windows.h"

#include <QTabBar>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

const QString kAsIs = QStringLiteral("\n\nСохранить как есть?");

class RequisitesWarningTest : public test::FirmWindowsTest {
protected:
    // Types into field `number` of `window` key by key, as a user does (digits and Latin only).
    static void keys(const QWidget& window, int number, const char* text) {
        QLineEdit* field = test::edit(window, number);
        field->clear();
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    // "New" in the organizations window with `step` in the card.
    void onNewCard(std::function<void(QDialog&)> step) {
        whenModal("FormRekvizit", std::move(step));
        click(*firm, "SpeedButton1");
    }
    static QTabWidget* pages(const QWidget& bank) {
        return test::child<QTabWidget>(bank, "PageControl1");
    }
    static void clickTab(const QWidget& bank, int index) {
        QTabBar* bar = pages(bank)->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    }
};

TEST_F(RequisitesWarningTest, AWrongInnWarnsAndIsStoredOnYesOrKeptInTheCardOnNo) {
    createWindows();
    bool asked = false;
    onNewCard([&](QDialog& c) {
        test::type(c, 1, "Бета");
        keys(c, 17, "7712345670");
        keys(c, 18, "77010100");
        click(c, "ButtonOK");
        EXPECT_EQ(sink.questions, QStringList{"ИНН 7712345670: контрольная цифра не сходится\n"
                                              "КПП 77010100: должно быть 9 знаков" +
                                              kAsIs});
        EXPECT_TRUE(c.isVisible()) << "\"Нет\" goes back to the card";
        EXPECT_EQ(test::edit(c, 1)->text(), "Бета");
        EXPECT_EQ(test::edit(c, 17)->text(), "7712345670");
        EXPECT_EQ(test::edit(c, 18)->text(), "77010100");
        EXPECT_EQ(store->FirmCount, 0);

        sink.answer = true;
        click(c, "ButtonOK");
        asked = sink.questions.size() == 2;
    });
    EXPECT_TRUE(asked) << "each \"OK\" asks again";
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('|').toStdString();
    ASSERT_EQ(store->FirmCount, 1);
    EXPECT_EQ(store->Firms[0].Inn.view(), "7712345670");
    EXPECT_EQ(store->Firms[0].Kpp.view(), "77010100");
    EXPECT_EQ(savedName("Firms", 0), "Бета");
}

TEST_F(RequisitesWarningTest, NoOnAnEditedCardLeavesTheStoredOrganizationAsItWas) {
    addFirm("Альфа", "7707083893");
    context.catalogues.firms.SelectedFirm = 0;
    createWindows();
    whenModal("FormRekvizit", [&](QDialog& c) {
        keys(c, 6, "1027700132194");
        keys(c, 9, "1234567");
        click(c, "ButtonOK");
        EXPECT_TRUE(c.isVisible());
        EXPECT_EQ(test::edit(c, 6)->text(), "1027700132194");
        click(c, "ButtonNo");
    });
    click(*firm, "SpeedButton2");
    EXPECT_EQ(sink.questions,
              QStringList{"ОГРН 1027700132194: контрольная цифра не сходится" + kAsIs});
    EXPECT_EQ(store->Firms[0].Ogrn.view(), "");
    EXPECT_EQ(store->Firms[0].Phone.view(), "");
    EXPECT_FALSE(folder.exists("Firms"));
}

TEST_F(RequisitesWarningTest, AWrongAccountWarnsInTheBankWindowWhichStaysOpenOnNo) {
    addFirm("Альфа", "7707083893");
    context.catalogues.firms.SelectedFirm = 0;
    createWindows();
    whenModal("FormRekvizit", [&](QDialog& c) {
        whenModal("FormBank", [&](QDialog& b) {
            clickTab(b, 2);
            test::type(b, 14, "Сбербанк");
            keys(b, 11, "40602810700000000026");
            keys(b, 13, "049805746");
            clickTab(b, 0);
            click(b, "ButtonOK");
            EXPECT_EQ(sink.questions,
                      QStringList{"Банк 3 (Сбербанк), Р/Сч. 40602810700000000026: контрольный "
                                  "ключ не сходится с БИК 049805746" +
                                  kAsIs});
            EXPECT_TRUE(b.isVisible()) << "\"Нет\" goes back to the accounts";
            EXPECT_EQ(pages(b)->currentIndex(), 2) << "showing the account named";
            EXPECT_EQ(test::edit(b, 11)->text(), "40602810700000000026");

            sink.answer = true;
            click(b, "ButtonOK");
            EXPECT_FALSE(b.isVisible()) << "\"Да\" closes the window";
        });
        click(c, "ButtonBank");
        EXPECT_EQ(sink.questions.size(), 2);
        click(c, "ButtonNo");
    });
    click(*firm, "SpeedButton2");
    EXPECT_EQ(store->Firms[0].Banks[2].SettlementAccount.view(), "40602810700000000026");
}

TEST_F(RequisitesWarningTest, RequisitesThatCheckOutAreStoredWithoutAQuestion) {
    addFirm("Альфа", "7707083893");
    context.catalogues.firms.SelectedFirm = 0;
    createWindows();
    whenModal("FormRekvizit", [&](QDialog& c) {
        whenModal("FormBank", [&](QDialog& b) {
            keys(b, 1, "40602810700000000025");
            keys(b, 2, "30101810800000000746");
            keys(b, 3, "049805746");
            click(b, "ButtonOK");
            EXPECT_FALSE(b.isVisible());
        });
        click(c, "ButtonBank");
        EXPECT_EQ(test::edit(c, 12)->text(), "40602810700000000025");
        keys(c, 6, "1027700132195");
        keys(c, 18, "773601001");
        click(c, "ButtonOK");
    });
    click(*firm, "SpeedButton2");
    EXPECT_TRUE(sink.questions.isEmpty()) << sink.questions.join('|').toStdString();
    EXPECT_EQ(store->Firms[0].Banks[0].CorrAccount.view(), "30101810800000000746");
    EXPECT_EQ(store->Firms[0].Ogrn.view(), "1027700132195");
    EXPECT_EQ(savedName("Firms", 0), "Альфа");
}

} // namespace
} // namespace kestrelon
