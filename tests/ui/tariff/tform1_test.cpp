#include "store/cp1251.h"
#include "support/temp_folder.h"
#include "ui/support/active_window.h"
#include "ui/support/recording_sink.h"
#include "ui/tariff/tform1.h"
#include "ui/widgets/find_named.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kestrelon {
namespace {

using Question = TForm1::FileQuestion;

// Three lines as a bookkeeper's file holds them (UTF-8 text).
const char* const kList = "Москва   12.50\nХлеб 1,5\nбез цены\nСпички 0.05\n";

class PriceListWindowTest : public ::testing::Test {
protected:
    PriceListWindowTest() {
        store->DataFolder = folder.path();
        window = std::make_unique<TForm1>(context, nullptr);
        window->setFileChooser([this](QWidget*, Question question) {
            asked.push_back(question);
            return answer;
        });
        window->show();
    }

    template <typename T = QWidget> T* child(const char* name) const {
        T* found = findNamed<T>(*window, QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(child<QToolButton>(name), Qt::LeftButton); }
    QString path(const char* name) const {
        return QString::fromStdString(folder.path()) + QString::fromLatin1(name);
    }

    // "Open" with the file the user picks.
    void open(const char* name) {
        answer = path(name);
        click("SpeedButton1");
    }
    // "Save" on the page, answering the file question with the name.
    void save(TForm1::Page page, const char* name) {
        child<QTabWidget>("PageControl1")->setCurrentIndex(page);
        answer = path(name);
        click("SpeedButton2");
    }
    void showPage(TForm1::Page page) { child<QTabWidget>("PageControl1")->setCurrentIndex(page); }

    QAbstractItemView* grid(const char* name = "StringGrid1") const {
        return child<QAbstractItemView>(name);
    }
    QString cell(int row, int column, const char* name = "StringGrid1") const {
        return grid(name)->model()->index(row, column).data().toString();
    }
    QStringList column(int c, const char* name = "StringGrid1") const {
        QStringList texts;
        for (int r = 0; r < grid(name)->model()->rowCount(); ++r) {
            texts.append(cell(r, c, name));
        }
        return texts;
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = grid()->visualRect(grid()->model()->index(row, 0));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers, rect.center());
    }
    QString panel(int n) const {
        return child<QLabel>(QStringLiteral("StatusPanel%1").arg(n).toLatin1().constData())->text();
    }
    QSpinBox* upDown(int n) const { return child<QSpinBox>(n == 1 ? "UpDown1" : "UpDown2"); }
    // The separator the window writes prices with: the system's.
    QString rubles(const char* pointText) const {
        return QString::fromLatin1(pointText).replace(QLatin1Char('.'),
                                                      QLatin1Char(window->priceList().separator()));
    }

    test::TempFolder folder;
    std::unique_ptr<DataStore> store = std::make_unique<DataStore>();
    test::RecordingSink sink;
    AppContext context{*store, sink};
    std::unique_ptr<TForm1> window;
    QString answer;
    std::vector<Question> asked;
};

TEST_F(PriceListWindowTest, StartsEmptyWithTheDesignedControls) {
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(child<QToolButton>("SpeedButton1")->toolTip(), "Открыть файл");
    const char* captions[] = {"Open", "Save", "X10", "X100", "Фунция", "Copy till", "Reset"};
    for (int i = 0; i < 7; ++i) {
        const auto name = QStringLiteral("SpeedButton%1").arg(i + 1).toLatin1();
        EXPECT_EQ(child<QToolButton>(name.constData())->text(), QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(upDown(1)->value(), 50);
    EXPECT_EQ(upDown(2)->value(), 100);
    EXPECT_EQ(child<QLabel>("Panel1")->text(), "50");
    EXPECT_EQ(child<QLabel>("Panel2")->text(), "100");
    EXPECT_EQ(panel(3), "4096");
    EXPECT_EQ(grid()->model()->rowCount(), 5);
    EXPECT_EQ(grid("StringGrid2")->model()->columnCount(), 2);
    EXPECT_FALSE(child<QToolButton>("SpeedButton2")->isEnabled());
    EXPECT_FALSE(upDown(1)->isEnabled());
    const QTabWidget* pages = child<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), "File.txt");
    EXPECT_EQ(pages->tabText(3), "Copy");
}

TEST_F(PriceListWindowTest, OpensUtf8AndCp1251ListsAlike) {
    const std::string cp1251 = utf8ToCp1251(kList);
    struct Case {
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"utf8.txt", kList},
        {"bom.Txt", "\xEF\xBB\xBF" + std::string(kList)},
        {"WINDOWS.TXT", cp1251},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.writeFile(c.file, c.bytes);
        open(c.file);
        EXPECT_EQ(window->windowTitle(), path(c.file));
        EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText(), QString::fromUtf8(kList));
        EXPECT_EQ(panel(0), "4");
        EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), TForm1::FilePage);
        EXPECT_FALSE(child<QToolButton>("SpeedButton2")->isEnabled());
        showPage(TForm1::EditPage);
        EXPECT_EQ(column(0), (QStringList{"Москва  ", "Хлеб", "Спички"}));
        EXPECT_EQ(column(1), (QStringList{rubles("12.50"), rubles("1.5"), rubles("0.05")}));
        EXPECT_EQ(column(2), (QStringList{"25", "3", rubles("0.1")}));
        EXPECT_EQ(panel(0), "3");
        EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "Москва  ");
        EXPECT_TRUE(child<QToolButton>("SpeedButton2")->isEnabled());
        EXPECT_TRUE(upDown(1)->isEnabled());
        EXPECT_EQ(upDown(1)->value(), 100);
    }
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
}

TEST_F(PriceListWindowTest, ANoBreakSpaceBelongsToThePriceSoItsLineIsSkipped) {
    // «1 234,50» with a no-break space as the thousands separator is no price this tool
    // reads; the line must not turn into «Гвозди 1» at 234.50.
    const std::string utf8 = "Гвозди 1\u00A0234,50\nШурупы 2,50\n";
    struct Case {
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {{"utf8.txt", utf8}, {"cp1251.txt", utf8ToCp1251(utf8)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.writeFile(c.file, c.bytes);
        open(c.file);
        EXPECT_EQ(panel(0), "2");
        showPage(TForm1::EditPage);
        EXPECT_EQ(column(0), QStringList{"Шурупы"});
        EXPECT_EQ(column(1), QStringList{rubles("2.50")});
        EXPECT_EQ(panel(0), "1");
    }
    EXPECT_TRUE(sink.messages.isEmpty()) << "skipped as every line without a price";
}

TEST_F(PriceListWindowTest, SavingTheTextKeepsWhatTheFileHolds) {
    struct Case {
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"nbsp.txt", "Гвозди 1\u00A0234,50\r\nШурупы\u00A0№2 2,50\r\n"},
        {"breaks.txt", "Гвозди\u2028ящик 12\nШурупы 2,50"},
        {"mixed.txt", "Гвозди 12\r\nШурупы 2,50\nБолты 3\r"},
        {"cp1251.txt", utf8ToCp1251("Гвозди\u00A012\r\nШурупы 2,50\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.writeFile(c.file, c.bytes);
        open(c.file);
        showPage(TForm1::EditPage); // reading the lines changes no byte either
        save(TForm1::FilePage, "same.txt");
        EXPECT_EQ(folder.readFile("same.txt"), c.bytes) << "opened and saved again";
    }

    // Edited, the text keeps its no-break spaces.
    folder.writeFile("nbsp.txt", cases[0].bytes);
    open("nbsp.txt");
    showPage(TForm1::EditPage);
    showPage(TForm1::FilePage);
    auto* memo = child<QPlainTextEdit>("Memo1");
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, "1");
    save(TForm1::FilePage, "edited.txt");
    EXPECT_EQ(folder.readFile("edited.txt"), "1" + cases[0].bytes);
}

TEST_F(PriceListWindowTest, APercentageTypedIsTakenBeforeTheNextAction) {
    // The user types a percentage into a counter, presses no Enter, and goes on with the
    // mouse: the action works on the percentage typed.
    struct Case {
        const char* label;
        const char* counter;
        std::function<void()> act;
        QStringList markedUp; // of the three lines afterwards
    };
    const auto clickTab = [this](TForm1::Page page) {
        QTabBar* tabs = child<QTabWidget>("PageControl1")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    };
    const Case cases[] = {
        {"All % then Reset", "UpDown2", [this] { click("SpeedButton7"); },
         QStringList{rubles("37.5"), rubles("4.5"), rubles("0.15")}},
        {"% then another row", "UpDown1", [this] { clickRow(2); },
         QStringList{rubles("50"), "3", rubles("0.1")}},
        {"% then the Output page", "UpDown1", [clickTab] { clickTab(TForm1::OutputPage); },
         QStringList{rubles("50"), "3", rubles("0.1")}},
        {"All % then Copy till", "UpDown2", [this] { click("SpeedButton6"); },
         QStringList{rubles("37.5"), rubles("4.5"), rubles("0.15")}},
    };
    window->activateWindow();
    ASSERT_TRUE(test::waitActive(window.get()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        folder.writeFile("list.txt", kList);
        open("list.txt");
        showPage(TForm1::EditPage);
        upDown(2)->setValue(100);
        click("SpeedButton7");
        clickRow(0);
        QLineEdit* text = child<QSpinBox>(c.counter)->findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton);
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(text, c.counter == std::string("UpDown1") ? "300" : "200");
        c.act();
        EXPECT_EQ(column(2), c.markedUp);
    }
}

TEST_F(PriceListWindowTest, TheLimitIsTypedNoLongerThanCopyTillTakesIt) {
    folder.writeFile("list.txt", kList);
    open("list.txt");
    showPage(TForm1::EditPage);
    auto* limit = child<QLineEdit>("Edit2");
    QTest::keyClicks(limit, "12.3456");
    EXPECT_EQ(limit->text(), "12.345") << "six characters, the ones Copy till reads";
    click("SpeedButton6");
    EXPECT_EQ(limit->text(), rubles("12.345"));
    EXPECT_EQ(column(0, "StringGrid3"), (QStringList{"Хлеб", "Спички"}));
}

TEST_F(PriceListWindowTest, AllPercentOwnPercentAndStepToggles) {
    folder.writeFile("list.txt", kList);
    open("list.txt");
    showPage(TForm1::EditPage);
    upDown(2)->setValue(200);
    EXPECT_EQ(column(2), (QStringList{rubles("37.5"), rubles("4.5"), rubles("0.15")}));
    EXPECT_EQ(upDown(1)->value(), 200) << "the selected line follows All %";
    clickRow(1);
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "Хлеб");
    upDown(1)->setValue(50);
    EXPECT_EQ(child<QLabel>("Panel1")->text(), "50");
    upDown(2)->setValue(0);
    EXPECT_EQ(column(2), (QStringList{rubles("12.5"), rubles("2.25"), rubles("0.05")}));
    EXPECT_EQ(upDown(1)->value(), 50) << "a line with its own percentage keeps it";

    // The marked-up price of the line with its own percentage is drawn red, the others black
    // on white; the selected row is light cyan.
    QApplication::processEvents();
    const auto redIn = [this](int row) {
        const QRect rect = grid()->visualRect(grid()->model()->index(row, 2));
        const QImage image = grid()->viewport()->grab(rect).toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
            }
        }
        return red;
    };
    EXPECT_GT(redIn(1), 0);
    EXPECT_EQ(redIn(0), 0);
    const QRect selected = grid()->visualRect(grid()->model()->index(1, 0));
    EXPECT_EQ(grid()->viewport()->grab(selected).toImage().pixelColor(selected.width() - 3, 1),
              QColor(175, 238, 238));

    click("SpeedButton3"); // X10
    EXPECT_EQ(upDown(1)->singleStep(), 10);
    EXPECT_EQ(upDown(2)->singleStep(), 10);
    click("SpeedButton4"); // X100 releases X10
    EXPECT_FALSE(child<QToolButton>("SpeedButton3")->isChecked());
    EXPECT_TRUE(child<QToolButton>("SpeedButton4")->isChecked());
    EXPECT_EQ(upDown(1)->singleStep(), 100);
    click("SpeedButton4");
    EXPECT_FALSE(child<QToolButton>("SpeedButton4")->isChecked());
    EXPECT_EQ(upDown(2)->singleStep(), 1);

    click("SpeedButton7"); // Reset
    EXPECT_EQ(upDown(1)->value(), 0);
    EXPECT_EQ(redIn(1), 0);
    EXPECT_EQ(column(2), (QStringList{rubles("12.5"), rubles("1.5"), rubles("0.05")}));
}

TEST_F(PriceListWindowTest, AppliesTheEditorsFunctionOnlyWhenAsked) {
    folder.writeFile("list.txt", kList);
    open("list.txt");
    showPage(TForm1::EditPage);
    bool apply = false;
    int opened = 0;
    window->setFunctionEditor([&] {
        ++opened;
        // What the editor leaves: below 2.01 rubles 600 %, from 2.01 on 20 %.
        TariffFunction& f = store->EditedFunction;
        for (std::size_t i = 0; i < 8; ++i) {
            f.Thresholds[i] = static_cast<std::uint32_t>(i == 0 ? 0 : 200 + i);
            f.Rates[i] = 20;
        }
        f.Rates[0] = 600;
        return apply;
    });
    click("SpeedButton5");
    EXPECT_EQ(column(2), (QStringList{"25", "3", rubles("0.1")})) << "closed without apply";
    apply = true;
    click("SpeedButton5");
    EXPECT_EQ(opened, 2);
    // 12.50 at 20 %; 1.50 and 0.05 at 600 %, which the counter holds as 500 %.
    EXPECT_EQ(column(2), (QStringList{"15", "9", rubles("0.3")}));
    // The counter shows the selected line's percentage, not the last line's (500).
    EXPECT_EQ(upDown(1)->value(), 20);
    EXPECT_EQ(child<QLabel>("Panel1")->text(), "20");
    EXPECT_EQ(window->priceList().line(1).Percent.get(), 500u);
}

TEST_F(PriceListWindowTest, SelectionStatisticsByMouseAndKeyboard) {
    folder.writeFile("list.txt", kList);
    open("list.txt");
    showPage(TForm1::EditPage);
    clickRow(0);
    clickRow(2, Qt::ShiftModifier);
    EXPECT_EQ(panel(2), "Selection - 3 (1..3)");
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "Selection = 3.    average = " + rubles("4.68") +
                                                     ".    min = " + rubles("0.05") +
                                                     ".    max = " + rubles("12.5") + ".");
    EXPECT_FALSE(upDown(1)->isEnabled());
    clickRow(1);
    EXPECT_EQ(panel(2), "Selection - 1 (2..2)");
    EXPECT_TRUE(upDown(1)->isEnabled());
    EXPECT_EQ(child<QLineEdit>("Edit1")->text(), "Хлеб");
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(panel(2), "Selection - 2 (2..3)");
    EXPECT_FALSE(upDown(1)->isEnabled());
}

TEST_F(PriceListWindowTest, PagesEnableWhatTheyUse) {
    folder.writeFile("list.txt", kList);
    open("list.txt");
    showPage(TForm1::EditPage);
    showPage(TForm1::OutputPage);
    EXPECT_FALSE(upDown(1)->isEnabled());
    EXPECT_FALSE(upDown(2)->isEnabled());
    EXPECT_FALSE(child<QToolButton>("SpeedButton5")->isEnabled());
    EXPECT_TRUE(child<QToolButton>("SpeedButton7")->isEnabled());
    EXPECT_EQ(column(0, "StringGrid2"), (QStringList{"Москва  ", "Хлеб", "Спички"}));
    showPage(TForm1::FilePage);
    EXPECT_FALSE(child<QToolButton>("SpeedButton6")->isEnabled());
    EXPECT_EQ(panel(0), "4");
    showPage(TForm1::EditPage);
    EXPECT_TRUE(child<QToolButton>("SpeedButton6")->isEnabled());
}

TEST_F(PriceListWindowTest, CopyTillSavesAndTheImageOpensAgain) {
    folder.writeFile("list.txt", utf8ToCp1251("Москва   12.50\r\nХлеб 1,5\r\nСпички 0.05\r\n"));
    open("list.txt");
    showPage(TForm1::EditPage);
    clickRow(1);
    upDown(1)->setValue(300);

    auto* limit = child<QLineEdit>("Edit2");
    click("SpeedButton6");
    EXPECT_EQ(grid("StringGrid3")->model()->rowCount(), 5) << "an empty limit copies nothing";
    EXPECT_EQ(panel(0), "0");
    limit->setText("5");
    click("SpeedButton6");
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), TForm1::CopyPage);
    EXPECT_EQ(column(0, "StringGrid3"), (QStringList{"Спички"}));
    EXPECT_EQ(panel(0), "1");
    limit->clear();
    QTest::keyClicks(limit, "6a,x00");
    EXPECT_EQ(limit->text(), "6,00");
    QTest::keyClick(limit, Qt::Key_Return);
    EXPECT_EQ(limit->text(), rubles("6.00"));
    EXPECT_EQ(column(0, "StringGrid3"), (QStringList{"Хлеб", "Спички"}));
    EXPECT_EQ(panel(0), "2");
    limit->setText("700");
    click("SpeedButton6");
    EXPECT_EQ(sink.messages.size(), 1) << "a limit above 655.35 is refused";
    EXPECT_EQ(grid("StringGrid3")->model()->rowCount(), 5);

    // Output and copy are written as the list was: cp1251 with CRLF.
    save(TForm1::OutputPage, "out.txt");
    EXPECT_EQ(folder.readFile("out.txt"),
              utf8ToCp1251("Москва  \t25\r\nХлеб\t" + rubles("6").toStdString() + "\r\nСпички\t" +
                           rubles("0.1").toStdString() + "\r\n"));
    limit->setText("6");
    click("SpeedButton6");
    save(TForm1::CopyPage, "copy.txt");
    EXPECT_EQ(folder.readFile("copy.txt"),
              utf8ToCp1251("Хлеб\t" + rubles("6").toStdString() + "\r\nСпички\t" +
                           rubles("0.1").toStdString() + "\r\n"));

    save(TForm1::EditPage, "list.trf");
    EXPECT_EQ(asked.back(), Question::SavePriceImage);
    ASSERT_EQ(folder.readFile("list.trf").size(), 376832u);
    showPage(TForm1::FilePage);
    open("list.trf");
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), TForm1::EditPage);
    EXPECT_EQ(window->windowTitle(), path("list.trf"));
    EXPECT_TRUE(child<QPlainTextEdit>("Memo1")->toPlainText().isEmpty());
    EXPECT_EQ(column(0), (QStringList{"Москва  ", "Хлеб", "Спички"}));
    EXPECT_EQ(column(2), (QStringList{"25", rubles("6"), rubles("0.1")}));
    EXPECT_EQ(window->priceList().line(1).Individual, 1);
    EXPECT_EQ(panel(0), "3");
    EXPECT_TRUE(child<QToolButton>("SpeedButton2")->isEnabled());
}

TEST_F(PriceListWindowTest, ARefusedImageChangesNothing) {
    folder.writeFile("list.txt", kList);
    open("list.txt");
    showPage(TForm1::EditPage);
    std::string tooMany(376832, '\0');
    tooMany[376657] = 0x08; // 2048 lines
    folder.writeFile("many.trf", tooMany);
    folder.writeFile("short.trf", std::string(376831, '\0'));
    for (const char* file : {"many.trf", "short.trf", "missing.trf"}) {
        open(file);
        EXPECT_EQ(window->windowTitle(), path("list.txt"));
        EXPECT_EQ(column(0), (QStringList{"Москва  ", "Хлеб", "Спички"}));
        EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText(), QString::fromUtf8(kList));
    }
    EXPECT_EQ(sink.messages.size(), 3);
    EXPECT_EQ(sink.messages.value(2), "File not found\n" + path("missing.trf"));
    open("list.csv");
    EXPECT_EQ(sink.messages.size(), 3) << "other files are not price lists";
}

TEST_F(PriceListWindowTest, LinesLeftOutOfALongListAreTold) {
    std::string text = "Дорого 700\n";
    for (int i = 0; i < 2049; ++i) {
        text += "Товар " + std::to_string(i) + " 1.25\n";
    }
    folder.writeFile("long.txt", text);
    open("long.txt");
    showPage(TForm1::EditPage);
    EXPECT_EQ(panel(0), "2047");
    EXPECT_EQ(grid()->model()->rowCount(), 2047);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].startsWith("Из прайс-листа не взято строк: 3."))
        << sink.messages[0].toStdString();
}

} // namespace
} // namespace kestrelon
