#include "ui/support/firm_windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class BankWindowTest : public test::FirmWindowsTest {
protected:
    // Organization "Альфа" whose account i has settlement account "4070i".
    void addFirmWithAccounts() {
        addFirm("Альфа", "7701");
        for (int i = 0; i < 4; ++i) {
            store->Firms[0].Banks[i].SettlementAccount = "4070" + std::to_string(i + 1);
            store->Firms[0].Banks[i].Bik = "04452" + std::to_string(i + 1);
        }
        context.catalogues.firms.SelectedFirm = 0;
    }
    QRadioButton* radio(const QWidget& window, int n) {
        return test::child<QRadioButton>(window, QStringLiteral("RadioButton%1").arg(n));
    }
    QTabWidget* tabs(const QWidget& window) {
        return test::child<QTabWidget>(window, "PageControl1");
    }
};

TEST_F(BankWindowTest, PagesFieldsAndChoiceAreNamedAsDesigned) {
    createWindows();
    EXPECT_EQ(bank->windowTitle(), "Реквизиты");
    QTabWidget* pages = tabs(*bank);
    ASSERT_EQ(pages->count(), 4);
    const QStringList labels = {"Р/Сч.", "К/Сч.", "БИК", "Сокр. название", "Полн. название"};
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(pages->tabText(page), QStringLiteral("Банк %1").arg(page + 1));
        EXPECT_EQ(radio(*bank, page + 1)->text(), QStringLiteral("Банк %1").arg(page + 1));
        QStringList shown;
        for (const QLabel* label : pages->widget(page)->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) { // the notes under the names are not captions
                shown.append(label->text());
            }
        }
        EXPECT_EQ(shown, labels);
        EXPECT_EQ(pages->widget(page)->findChildren<QLineEdit*>().size(), 5);
    }
    EXPECT_EQ(test::child<QGroupBox>(*bank, "RadioGroup1")->title(), "Выбор банка");
    EXPECT_EQ(test::child<QAbstractButton>(*bank, "ButtonOK")->text(), "OK");
}

TEST_F(BankWindowTest, ChoiceClosedByTheCloseBoxBecomesTheCardsAccount) {
    addFirmWithAccounts();
    store->Firms[0].SelectedBank = 1;
    createWindows();
    whenModal("FormRekvizit", [&](QDialog& c) {
        EXPECT_EQ(test::edit(c, 12)->text(), "40702");
        whenModal("FormBank", [&](QDialog& b) {
            EXPECT_EQ(b.windowTitle(), "Альфа - Редактирование");
            EXPECT_EQ(tabs(b)->currentIndex(), 1);
            EXPECT_TRUE(radio(b, 2)->isChecked());
            EXPECT_EQ(test::edit(b, 16)->text(), "40704") << "page 4, first field";
            QTest::mouseClick(radio(b, 3), Qt::LeftButton);
            b.close();
        });
        click(c, "ButtonBank");
        EXPECT_EQ(test::edit(c, 12)->text(), "40703");
        EXPECT_EQ(test::edit(c, 14)->text(), "044523");
        click(c, "ButtonNo");
    });
    click(*firm, "SpeedButton2");
    EXPECT_EQ(store->Firms[0].SelectedBank, 2) << "the bank window has no cancel";
}

TEST_F(BankWindowTest, BankDataOfAnAbandonedNewOrganizationStayOutOfTheList) {
    sink.answer = true; // the made-up account warns; "Да" keeps it
    addFirmWithAccounts();
    createWindows();
    const auto newCard = [&](const QString& typedAccount) {
        whenModal("FormRekvizit", [&, typedAccount](QDialog& c) {
            test::type(c, 1, "Бета");
            whenModal("FormBank", [&, typedAccount](QDialog& b) {
                EXPECT_EQ(b.windowTitle(), "Бета - Новая организация");
                EXPECT_EQ(test::edit(b, 1)->text(), "") << "a new slot starts empty";
                test::type(b, 1, typedAccount);
                click(b, "ButtonOK");
            });
            click(c, "ButtonBank");
            EXPECT_EQ(test::edit(c, 12)->text(), typedAccount);
            click(c, "ButtonNo");
        });
        click(*firm, "SpeedButton1");
    };
    newCard("111");
    newCard("222");
    EXPECT_EQ(store->FirmCount, 1);
    EXPECT_EQ(firm->grid()->rowCount(), 1);
    EXPECT_EQ(store->Firms[0].Banks[0].SettlementAccount.view(), "40701");
}

TEST_F(BankWindowTest, ViewShowsTheAccountsReadOnlyAndStoresNothing) {
    addFirmWithAccounts();
    createWindows();
    whenModal("FormRekvizit", [&](QDialog& c) {
        whenModal("FormBank", [&](QDialog& b) {
            EXPECT_EQ(b.windowTitle(), "Альфа");
            EXPECT_TRUE(test::edit(b, 1)->isReadOnly());
            EXPECT_FALSE(test::child<QGroupBox>(b, "RadioGroup1")->isEnabled());
            radio(b, 4)->setChecked(true);
            test::edit(b, 1)->setText("999");
            b.close();
        });
        click(c, "ButtonBank");
        EXPECT_EQ(test::edit(c, 12)->text(), "40701");
        click(c, "ButtonOK");
    });
    firm->StringGrid1DblClick(0);
    EXPECT_EQ(store->Firms[0].SelectedBank, 0);
    EXPECT_EQ(store->Firms[0].Banks[0].SettlementAccount.view(), "40701");
    EXPECT_FALSE(test::edit(*bank, 1)->isReadOnly());
    EXPECT_TRUE(test::child<QGroupBox>(*bank, "RadioGroup1")->isEnabled());
}

} // namespace
} // namespace kestrelon
