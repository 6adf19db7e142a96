// A price list marked up as a bookkeeper does it, through the windows start-up makes: two
// lists opened (UTF-8 and cp1251), a common and an own percentage, two tariff functions typed
// in the editor, one deleted, the other applied, lines copied up to a limit, the output and
// the price-list image saved and the image opened again.

#include "store/startup_load.h"
#include "tariff/price_list.h"
#include "ui/main/program_windows.h"
#include "ui/support/active_window.h"
#include "ui/support/firm_windows.h"
#include "ui/tariff/tform1.h"
#include "ui/tariff/tform2.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/system_locale.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class PriceListSessionTest : public ::testing::Test {
protected:
    PriceListSessionTest() {
        store->DataFolder = folder.path();
        LoadFunctionTable(*store);
        windows = createProgramWindows(context);
        tool = windows->Form1;
        tool->setFileChooser([this](QWidget*, TForm1::FileQuestion) { return answer; });
        tool->show();
    }

    QString path(const char* name) const {
        return QString::fromStdString(folder.path()) + QString::fromLatin1(name);
    }
    void page(TForm1::Page p) {
        tool->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(p);
    }
    QSpinBox* upDown(const char* name) const {
        return tool->findChild<QSpinBox*>(QString::fromLatin1(name));
    }
    // Marked-up prices of the list, as the "Edit" page shows them, with a point.
    QStringList markedUp() const {
        QStringList texts;
        const tariff::PriceList& list = tool->priceList();
        for (std::size_t i = 0; i < list.count(); ++i) {
            texts.append(fromCp1251(list.line(i).MarkedUpText.view())
                             .replace(QLatin1Char(systemDecimalSeparator()), QLatin1Char('.')));
        }
        return texts;
    }

    // In the editor: clicks into a field, types, and leaves it by the commit timer.
    static void typeAndWait(TForm2& editor, int field, const QString& text) {
        QLineEdit* edit = test::edit(editor, field);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->clear();
        QTest::keyClicks(edit, text);
        editor.Timer1Timer(); // four seconds without a key
    }
    static void addFunction(TForm2& editor, const QString& name) {
        editor.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setEditText(name);
        click(editor, QStringLiteral("SpeedButton2"));
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<ProgramWindows> windows;
    TForm1* tool = nullptr;
    QString answer;
};

TEST_F(PriceListSessionTest, AListIsMarkedUpByHandAndByATariffFunctionSavedAndOpenedAgain) {
    EXPECT_TRUE(windows->FormMain->findChild<QWidget*>(QStringLiteral("SpeedButton4"))->isEnabled())
        << "the main window's Tarif";

    folder.writeFile("win.txt", utf8ToCp1251("Молоко 40\r\nСыр 250,00\r\n"));
    tool->openFile(path("win.txt"));
    page(TForm1::EditPage);
    ASSERT_EQ(tool->priceList().count(), 2u);
    EXPECT_EQ(cp1251ToUtf8(tool->priceList().line(1).Name.view()), "Сыр");

    folder.writeFile("utf.txt", "\xEF\xBB\xBFХлеб 30\nМасло 120.50\nЧай 99.99\n");
    tool->openFile(path("utf.txt"));
    page(TForm1::EditPage);
    ASSERT_EQ(tool->priceList().count(), 3u);
    EXPECT_EQ(cp1251ToUtf8(tool->priceList().line(0).Name.view()), "Хлеб");

    upDown("UpDown2")->setValue(50); // "All %"
    EXPECT_EQ(markedUp(), (QStringList{"45", "180.75", "149.98"})) << "99.99 x 1.5 = 149.985";
    auto* lines = tool->findChild<QAbstractItemView*>(QStringLiteral("StringGrid1"));
    lines->setCurrentIndex(lines->model()->index(1, 0));
    upDown("UpDown1")->setValue(10); // "%" of "Масло"
    EXPECT_EQ(markedUp().at(1), QStringLiteral("132.55"));
    EXPECT_EQ(tool->priceList().line(1).Individual, 1);

    // Two functions typed in the editor; the first deleted, the second applied.
    whenModal(QStringLiteral("Form2"), [this](QDialog& dialog) {
        auto& editor = static_cast<TForm2&>(dialog);
        // Fields are entered by clicks, which give the focus only in the active window.
        editor.activateWindow();
        ASSERT_TRUE(test::waitActive(&editor));
        typeAndWait(editor, 1, QStringLiteral("5"));
        typeAndWait(editor, 8, QStringLiteral("20"));
        addFunction(editor, QStringLiteral("Первая"));
        test::edit(editor, 1)->clear();
        QTest::mouseClick(test::edit(editor, 1), Qt::LeftButton);
        QTest::keyClicks(test::edit(editor, 1), QStringLiteral("50"));
        QTest::mouseClick(test::edit(editor, 8), Qt::LeftButton); // leaving commits at once
        test::edit(editor, 8)->clear();
        QTest::keyClicks(test::edit(editor, 8), QStringLiteral("200"));
        addFunction(editor, QStringLiteral("Вторая"));
        EXPECT_EQ(store->FunctionCount, 2);

        whenModal(QStringLiteral("FormFunc"), [](QDialog& list) {
            auto* grid = list.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
            grid->setCurrentCell(0, 0);
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(0, 0)).center());
            whenModal(QStringLiteral("FormDelFunc"),
                      [](QDialog& ask) { click(ask, QStringLiteral("ButtonYes")); });
            click(list, QStringLiteral("SpeedButton2"));
            list.reject();
        });
        click(editor, QStringLiteral("SpeedButton1"));
        ASSERT_EQ(store->FunctionCount, 1);
        EXPECT_EQ(cp1251ToUtf8(store->Functions[0].Name.view()), "Вторая");
        editor.chooseFunction(0);
        click(editor, QStringLiteral("Button1")); // "Применить"
    });
    click(*tool, QStringLiteral("SpeedButton5"));
    // "Вторая": below 50.00 200 %, from 50.06 on 100 %.
    EXPECT_EQ(markedUp(), (QStringList{"90", "241", "199.98"}));
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();

    test::edit(*tool, 2)->setText(QStringLiteral("100"));
    click(*tool, QStringLiteral("SpeedButton6")); // "Copy till"
    const auto* copied = tool->findChild<QAbstractItemView*>(QStringLiteral("StringGrid3"));
    EXPECT_EQ(copied->model()->index(0, 0).data().toString(), QStringLiteral("Хлеб"));
    EXPECT_EQ(tool->priceList().copyCount(), 1u);

    page(TForm1::OutputPage);
    answer = path("out.txt");
    click(*tool, QStringLiteral("SpeedButton2"));
    EXPECT_NE(folder.readFile("out.txt").find("Масло\t241"), std::string::npos)
        << "written in the list's own encoding, UTF-8";

    page(TForm1::EditPage);
    answer = path("list.trf");
    click(*tool, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(folder.readFile("list.trf").size(), 376832u);
    tool->openFile(path("win.txt"));
    page(TForm1::EditPage);
    tool->openFile(path("list.trf"));
    ASSERT_EQ(tool->priceList().count(), 3u);
    EXPECT_EQ(markedUp(), (QStringList{"90", "241", "199.98"}));
    EXPECT_EQ(cp1251ToUtf8(tool->priceList().line(2).Name.view()), "Чай");
}

} // namespace
} // namespace kestrelon
