#include "ui/catalogues/inn_line_edit.h"
#include "ui/support/firm_windows.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class CardTest : public test::FirmWindowsTest {
protected:
    // Opens the card for a new organization through "New" and runs `step` in it.
    void onNewCard(std::function<void(QDialog&)> step) {
        whenModal("FormRekvizit", std::move(step));
        click(*firm, "SpeedButton1");
    }
    bool allEditable(const QWidget& card, bool editable) {
        bool same = true;
        for (int n = 1; n <= TFormRekvizit::kFieldCount; ++n) {
            const bool bank = n >= 12 && n <= 16;
            same = same && test::edit(card, n)->isReadOnly() == (bank || !editable);
        }
        return same;
    }
};

// The text that names a field: its label, or the caption of the group it alone fills.
QString nameOf(const QWidget& card, const QLineEdit* field) {
    for (const QLabel* label : card.findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            return label->text();
        }
    }
    const auto* group = qobject_cast<const QGroupBox*>(field->parentWidget());
    return group ? group->title() : QString();
}

TEST_F(CardTest, FieldsAreNamedAsOnTheCard) {
    createWindows();
    EXPECT_EQ(card->windowTitle(), "Реквизиты");
    const std::vector<std::pair<int, QString>> names = {{1, "Название организации"},
                                                        {2, "Серия"},
                                                        {3, "Номер"},
                                                        {4, "Дата"},
                                                        {5, "Выдано"},
                                                        {6, "ОГРН"},
                                                        {7, "Юридический адрес "},
                                                        {8, "Почтовый адрес "},
                                                        {9, "Телефон"},
                                                        {10, "Факс"},
                                                        {11, "E-Mail "},
                                                        {12, "Р/Сч."},
                                                        {13, "К/Сч."},
                                                        {14, "БИК"},
                                                        {15, "Сокр. название"},
                                                        {16, "Полн. название"},
                                                        {17, "ИНН"},
                                                        {18, "КПП"},
                                                        {19, "ОКАТО"},
                                                        {20, "ОКПО"},
                                                        {21, "ОКОГУ"},
                                                        {22, "ОКОПФ"},
                                                        {23, "ОКФС"},
                                                        {24, "ОКВЭД"}};
    for (const auto& [number, name] : names) {
        SCOPED_TRACE(number);
        EXPECT_EQ(nameOf(*card, test::edit(*card, number)), name);
    }
    EXPECT_EQ(qobject_cast<QGroupBox*>(test::edit(*card, 2)->parentWidget())->title(),
              "Свидетельство о регистрации");
    EXPECT_EQ(qobject_cast<QGroupBox*>(test::edit(*card, 12)->parentWidget())->title(), "Банк");
    EXPECT_TRUE(dynamic_cast<InnLineEdit*>(test::edit(*card, 17)));
    const std::vector<std::pair<QString, QString>> buttons = {
        {"ButtonText", "Text"}, {"ButtonBank", "Банк"}, {"ButtonNo", "No"}, {"ButtonOK", "OK"}};
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(test::child<QAbstractButton>(*card, name)->text(), caption);
    }
    EXPECT_TRUE(allEditable(*card, true));
}

TEST_F(CardTest, OkRefusesInOrderAndAcceptsTheInnOfADeletedOne) {
    sink.answer = true; // the short made-up INNs warn; "Да" keeps them
    addFirm("Альфа", "7701");
    store->FirmsDel[0].Name = "Old";
    store->FirmsDel[0].Inn = "7799";
    store->DeletedFirmCount = 1;
    createWindows();
    onNewCard([&](QDialog& c) {
        click(c, "ButtonOK");
        test::type(c, 1, "Бета");
        click(c, "ButtonOK");
        test::type(c, 17, "7701");
        click(c, "ButtonOK");
        EXPECT_TRUE(c.isVisible()) << "a refused card stays open";
        EXPECT_EQ(test::edit(c, 1)->text(), "Бета");
        test::type(c, 17, "7799");
        click(c, "ButtonOK");
    });
    EXPECT_EQ(sink.messages, QStringList({"Введите название организации", "Введите ИНН",
                                          "Такая организация уже есть"}));
    EXPECT_EQ(store->FirmCount, 2);
    EXPECT_EQ(savedName("Firms", 1), "Бета");
}

TEST_F(CardTest, EditMayTakeTheInnOfAnotherOrganization) {
    sink.answer = true; // the short made-up INNs warn; "Да" keeps them
    addFirm("Альфа", "7701");
    addFirm("Бета", "7702");
    context.catalogues.firms.SelectedFirm = 1;
    createWindows();
    whenModal("FormRekvizit", [](QDialog& c) {
        EXPECT_EQ(c.windowTitle(), "Редактирование");
        EXPECT_EQ(test::edit(c, 17)->text(), "7702");
        test::type(c, 17, "7701");
        test::type(c, 9, "123-45-67");
        click(c, "ButtonOK");
    });
    click(*firm, "SpeedButton2");
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_EQ(store->Firms[1].Inn.view(), "7701");
    EXPECT_EQ(store->Firms[1].Phone.view(), "123-45-67");
    EXPECT_EQ(savedName("Firms", 1), "Бета");
}

TEST_F(CardTest, InnFieldTakesTwelveDigitsAndNothingElse) {
    createWindows();
    QLineEdit* inn = test::edit(*card, 17);
    QTest::keyClicks(inn, "12a3 4-5x");
    EXPECT_EQ(inn->text(), "12345");
    QTest::keyClicks(inn, "67890123");
    EXPECT_EQ(inn->text(), "123456789012") << "a thirteenth digit is refused";

    inn->clear();
    QApplication::clipboard()->setText("12a3");
    inn->paste();
    EXPECT_EQ(inn->text(), "");
    inn->insert("12a3");
    EXPECT_EQ(inn->text(), "");
    QApplication::clipboard()->setText("0042");
    inn->paste();
    EXPECT_EQ(inn->text(), "0042");
}

TEST_F(CardTest, PastingASpreadsheetCellIntoTheInnKeepsItsDigits) {
    createWindows();
    QLineEdit* inn = test::edit(*card, 17);
    QApplication::clipboard()->setText(" 7701 234567\r\n");
    QTest::keyClick(inn, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(inn->text(), "7701234567");
    EXPECT_TRUE(sink.messages.isEmpty());

    // The context menu's "Paste" goes the same way.
    inn->clear();
    QApplication::clipboard()->setText("\t001122\n");
    QContextMenuEvent menuAt(QContextMenuEvent::Mouse, QPoint(2, 2),
                             inn->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(inn, &menuAt);
    QAction* paste = nullptr;
    for (QMenu* menu : inn->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            const QString shortcut = QKeySequence(QKeySequence::Paste).toString();
            paste = action->text().endsWith(shortcut) ? action : paste;
        }
    }
    ASSERT_TRUE(paste);
    paste->trigger();
    EXPECT_EQ(inn->text(), "001122");
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

TEST_F(CardTest, APasteThatIsNoInnIsRefusedWithAMessage) {
    createWindows();
    QLineEdit* inn = test::edit(*card, 17);
    inn->setText("77");
    struct Case {
        QString pasted;
        QString message;
    };
    const Case cases[] = {
        {"12a3", "ИНН состоит только из цифр: вставленный текст не подходит"},
        {"7701234567 8", "ИНН не длиннее 12 цифр: вставленный номер не помещается"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted.toStdString());
        sink.messages.clear();
        QApplication::clipboard()->setText(c.pasted);
        QTest::keyClick(inn, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(inn->text(), "77") << "the field keeps what it had";
        EXPECT_EQ(sink.messages, QStringList{c.message});
    }
}

TEST_F(CardTest, ViewIsReadOnlyUntilTheCardCloses) {
    addFirm("Альфа", "7701");
    createWindows();
    card->setWindowTitle("Редактирование");
    whenModal("FormRekvizit", [&](QDialog& c) {
        EXPECT_EQ(c.windowTitle(), "Редактирование") << "viewing keeps the last caption";
        EXPECT_TRUE(allEditable(c, false));
        test::edit(c, 1)->setText("Changed");
        click(c, "ButtonOK");
    });
    EXPECT_FALSE(card->openCard(CardMode::View));
    EXPECT_TRUE(allEditable(*card, true));
    EXPECT_EQ(store->Firms[0].Name.view(), utf8ToCp1251("Альфа"));

    whenModal("FormRekvizit", [&](QDialog& c) { c.close(); });
    EXPECT_FALSE(card->openCard(CardMode::View));
    EXPECT_TRUE(allEditable(*card, true)) << "the close box also ends the view";
}

TEST_F(CardTest, NoStoresNothingAndTheNextNewCardStartsEmpty) {
    addFirm("Альфа", "7701");
    context.catalogues.firms.SelectedFirm = 0;
    createWindows();
    onNewCard([](QDialog& c) {
        for (int n = 1; n <= TFormRekvizit::kFieldCount; ++n) {
            EXPECT_TRUE(test::edit(c, n)->text().isEmpty()) << n;
        }
        test::type(c, 1, "Бета");
        test::type(c, 17, "7702");
        click(c, "ButtonNo");
    });
    EXPECT_EQ(store->FirmCount, 1);
    EXPECT_EQ(firm->grid()->rowCount(), 1);
    EXPECT_FALSE(folder.exists("Firms"));
}

} // namespace
} // namespace kestrelon
