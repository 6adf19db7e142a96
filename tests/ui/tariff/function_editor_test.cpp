#include "function_windows.h"

#include <QImage>
#include <QStyle>
#include <QStyleOptionFrame>
#include <functional>

namespace kestrelon::test {
namespace {

using Editor = FunctionWindowsTest;

TEST_F(Editor, IsCreatedWithTheWorkingCopyAndNoStoredFunction) {
    createWindows();
    const std::tuple<QDialog*, QString, QSize> windows[] = {
        {editor.get(), QStringLiteral("Фунция       (beta)"), {645, 406}},
        {list.get(), QStringLiteral("Функции"), {504, 311}},
        {deleteDialog.get(), QStringLiteral("Удаление"), {377, 127}},
    };
    for (const auto& [window, caption, size] : windows) {
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_EQ(window->size(), size) << caption.toStdString();
    }
    EXPECT_EQ(child<QWidget>(*editor, QStringLiteral("PaintBox1"))->size(), QSize(630, 200));
    EXPECT_EQ(field(11)->x(), field(3)->x()) << "each rate stands under its range";
    EXPECT_EQ(field(4)->x() - field(3)->x(), 76);
    EXPECT_EQ(field(4)->width(), 72);
    EXPECT_EQ(field(11)->accessibleName(), QStringLiteral("% 3"));
    EXPECT_EQ(fieldTexts(0, 7), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(fieldTexts(8, 15), QStringList(8, QStringLiteral("100")));
    EXPECT_TRUE(field(0)->isReadOnly());
    EXPECT_FALSE(button(*editor, "SpeedButton1")->isEnabled()) << "List";
    EXPECT_TRUE(button(*editor, "SpeedButton2")->isEnabled()) << "Add";
    EXPECT_FALSE(button(*list, "SpeedButton1")->isEnabled()) << "Edit";
    EXPECT_FALSE(button(*list, "SpeedButton2")->isEnabled()) << "Del";
}

TEST_F(Editor, StoredFunctionsAreOfferedWithNoneChosen) {
    for (int i = 0; i < 16; ++i) {
        storeFunction(("F" + std::to_string(i)).c_str(), {1, 2, 3, 4, 5, 6, 7, 8});
    }
    createWindows();
    EXPECT_TRUE(button(*editor, "SpeedButton1")->isEnabled());
    EXPECT_FALSE(button(*editor, "SpeedButton2")->isEnabled()) << "a full table";
    EXPECT_EQ(combo()->count(), 16);
    EXPECT_EQ(combo()->currentText(), QString());
    EXPECT_EQ(field(9)->text(), QStringLiteral("100")) << "still the working copy";
}

TEST_F(Editor, ATypedAmountIsCommittedWhenTheCommitTimerRunsOut) {
    createWindows();
    showEditor();
    typeIn(1, QStringLiteral("5"));
    QTimer* commit = timer("Timer1");
    ASSERT_TRUE(commit);
    EXPECT_TRUE(commit->isActive() && commit->isSingleShot());
    EXPECT_EQ(commit->interval(), 4000);
    EXPECT_EQ(thresholds()[1], 100u) << "nothing committed before the timer runs out";

    editor->Timer1Timer(); // what the timer's timeout runs
    EXPECT_EQ(fieldTexts(0, 7), (QStringList{"0", "5", amount("5.01"), amount("5.02"),
                                             amount("5.03"), amount("5.04"), "6", "7"}));
    EXPECT_EQ(thresholds(), (std::array<std::uint32_t, 8>{0, 500, 501, 502, 503, 504, 600, 700}));
}

TEST_F(Editor, OnlyDigitsCommaPointBackspaceAndEnterAreTyped) {
    createWindows();
    showEditor();
    typeIn(12, QStringLiteral("1a2-,.x"));
    EXPECT_EQ(field(12)->text(), QStringLiteral("12,."));
    QTest::keyClick(field(12), Qt::Key_Backspace);
    QTest::keyClicks(field(12), QStringLiteral("345"));
    EXPECT_EQ(field(12)->text(), QStringLiteral("12,3")) << "four characters at most";
    typeIn(5, QStringLiteral("1234567"));
    EXPECT_EQ(field(5)->text(), QStringLiteral("123456")) << "six characters at most";
}

TEST_F(Editor, LeavingAFieldOrPressingEnterCommitsIt) {
    createWindows();
    showEditor();
    typeIn(3, QStringLiteral("1.234"));
    enter(9);
    EXPECT_EQ(field(3)->text(), QString()) << "no amount: the field is emptied";
    EXPECT_EQ(thresholds(), tariff::thresholds(tariff::defaults()));
    EXPECT_FALSE(timer("Timer1")->isActive());

    typeIn(9, QStringLiteral("250"));
    enter(2);
    EXPECT_EQ(rates()[1], 250u);
    // The graph follows the commit: range 1 is the highest step, 160 pixels above the axis.
    EXPECT_EQ(editor->graphLayout().y[1], 16);
    EXPECT_EQ(editor->graphLayout().y[0], 176 - 64);

    typeIn(7, QStringLiteral("9,5"));
    QTest::keyClick(field(7), Qt::Key_Return);
    EXPECT_EQ(thresholds()[7], 950u);
    EXPECT_TRUE(editor->isVisible()) << "Enter does not close the editor";
}

TEST_F(Editor, ApplyCommitsTheValueTypedJustBeforeIt) {
    createWindows();
    whenModal(QStringLiteral("Form2"), [this](QDialog&) {
        typeIn(9, QStringLiteral("300"));
        typeIn(4, QStringLiteral("3,5"));
        click(*editor, QStringLiteral("Button1"));
    });
    EXPECT_TRUE(editor->openForApply());
    EXPECT_EQ(rates()[1], 300u);
    EXPECT_EQ(thresholds()[4], 350u);
}

TEST_F(Editor, ClosingOtherwiseOrARefusedRateAppliesNothing) {
    createWindows();
    whenModal(QStringLiteral("Form2"), [](QDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(editor->openForApply());

    whenModal(QStringLiteral("Form2"), [this](QDialog& dialog) {
        typeIn(8, QStringLiteral("1."));
        click(*editor, QStringLiteral("Button1"));
        EXPECT_TRUE(dialog.isVisible()) << "the user sees what to mend";
        dialog.reject();
    });
    EXPECT_FALSE(editor->openForApply());
    // Told at "Применить", and again on closing, which commits what it can.
    EXPECT_EQ(sink.messages, QStringList(2, QStringLiteral("'1.' is not a valid integer value")));
    EXPECT_EQ(field(8)->text(), QStringLiteral("1.")) << "kept for the next opening";
}

TEST_F(Editor, ClosingTheEditorCommitsTheFieldsBeingTyped) {
    // The user types, and closes the editor at once: by Esc, or by the window's close button.
    const std::function<void(QDialog&)> closings[] = {
        [this](QDialog&) { QTest::keyClick(field(3), Qt::Key_Escape); },
        [](QDialog& dialog) { dialog.close(); },
    };
    for (const auto& close : closings) {
        store->EditedFunction = tariff::defaults();
        createWindows();
        whenModal(QStringLiteral("Form2"), [this, close](QDialog& dialog) {
            typeIn(10, QStringLiteral("350"));
            typeIn(3, QStringLiteral("2,5"));
            close(dialog);
        });
        EXPECT_FALSE(editor->openForApply()) << "closing applies nothing";
        EXPECT_EQ(rates()[2], 350u);
        EXPECT_EQ(thresholds()[3], 250u);
        EXPECT_FALSE(timer("Timer1")->isActive()) << "nothing left to commit later";
    }
}

TEST_F(Editor, AddStoresTheValueTypedJustBeforeIt) {
    createWindows();
    showEditor();
    typeIn(12, QStringLiteral("40"));
    combo()->lineEdit()->setFocus();
    QTest::keyClicks(combo()->lineEdit(), QStringLiteral("Low"));
    click(*editor, QStringLiteral("SpeedButton2"));
    ASSERT_EQ(store->FunctionCount, 1);
    EXPECT_EQ(tariff::rates(store->Functions[0])[4], 40u);
    EXPECT_EQ(savedNames(), std::vector<std::string>{"Low"});
}

TEST_F(Editor, ANameIsTypedNoLongerThanItIsStored) {
    createWindows();
    showEditor();
    QLineEdit* name = combo()->lineEdit();
    QTest::mouseClick(name, Qt::LeftButton);
    QTest::keyClicks(name, QStringLiteral("Tariff for the wholesale lists 24")); // 33 letters
    const QString shown = combo()->currentText();
    EXPECT_EQ(shown, QStringLiteral("Tariff for the wholesale lists 2"));
    click(*editor, QStringLiteral("SpeedButton2"));
    EXPECT_EQ(savedNames(), std::vector<std::string>{shown.toStdString()})
        << "what the user saw is what is stored";
}

TEST_F(Editor, CtrlASelectsAFieldsTextSoThatTypingReplacesIt) {
    createWindows();
    showEditor();
    for (const int number : {2, 13}) {
        enter(number);
        QTest::keyClick(field(number), Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(field(number)->selectedText(), field(number)->text()) << number;
        QTest::keyClicks(field(number), QStringLiteral("9"));
        EXPECT_EQ(field(number)->text(), QStringLiteral("9")) << number;
    }
}

TEST_F(Editor, AmountsAreShownWholeAndMovingThroughTheFieldsChangesNothing) {
    // Amounts as the editor itself makes them: typing 1500 before 1500.00 pushes the next
    // range to 1500.01, typing 999999 (six characters) pushes the ranges after it up to
    // 999999.06. A rate above four digits comes from a file another program wrote.
    const std::array<std::uint32_t, 8> t = {0,        150000,   150001,   1000050,
                                            99999900, 99999904, 99999905, 99999906};
    for (std::size_t i = 0; i < 8; ++i) {
        store->EditedFunction.Thresholds[i] = t[i];
    }
    store->EditedFunction.Rates[5] = 12000;
    createWindows();
    showEditor();
    EXPECT_EQ(fieldTexts(1, 7),
              (QStringList{"1500", amount("1500.01"), amount("10000.5"), "999999",
                           amount("999999.04"), amount("999999.05"), amount("999999.06")}));
    EXPECT_EQ(field(13)->text(), QStringLiteral("12000"));
    for (int pass = 0; pass < 2; ++pass) {
        for (int number = 1; number < 16; ++number) {
            enter(number);
        }
    }
    QTest::keyClick(field(15), Qt::Key_Tab); // and on out of the last one
    EXPECT_EQ(thresholds(), t);
    EXPECT_EQ(rates()[5], 12000u);
    EXPECT_EQ(fieldTexts(1, 7)[6], amount("999999.06"));

    combo()->setEditText(QStringLiteral("Wide"));
    click(*editor, QStringLiteral("SpeedButton2"));
    ASSERT_EQ(store->FunctionCount, 1);
    EXPECT_EQ(tariff::thresholds(store->Functions[0]), t);
}

TEST_F(Editor, MovingThroughThresholdsOutOfOrderChangesNothing) {
    // A function from a file another program wrote: ranges out of order and below their
    // least amounts. Only what the user types is put in order.
    const std::array<std::uint32_t, 8> t = {0, 0, 500, 300, 300, 2, 900, 800};
    for (std::size_t i = 0; i < 8; ++i) {
        store->EditedFunction.Thresholds[i] = t[i];
    }
    createWindows();
    showEditor();
    for (int number = 1; number < 9; ++number) {
        enter(number);
    }
    EXPECT_EQ(thresholds(), t);
    typeIn(3, QStringLiteral("4"));
    enter(8);
    EXPECT_EQ(thresholds(), (std::array<std::uint32_t, 8>{0, 0, 399, 400, 401, 402, 900, 901}));
}

TEST_F(Editor, TheLongestAmountFitsItsField) {
    createWindows();
    showEditor();
    // Eight digits and a separator: the longest amount typing can lead to (999999.06).
    const QString longest = amount("888888.88");
    for (const int number : {1, 7, 8, 15}) {
        QLineEdit* edit = field(number);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        // A line edit keeps two pixels free on either side of its text.
        EXPECT_LE(edit->fontMetrics().horizontalAdvance(longest), contents.width() - 4) << number;
    }
    EXPECT_EQ(field(11)->x(), field(3)->x()) << "each rate stands under its range";
    EXPECT_LE(field(7)->mapTo(editor.get(), QPoint(field(7)->width(), 0)).x(), editor->width())
        << "the row fits the designed window";
}

TEST_F(Editor, ResizingLaysTheGraphOutAgainWhenTheTimerRunsOut) {
    createWindows();
    showEditor();
    editor->resize(845, 406);
    QTimer* relayout = timer("Timer2");
    ASSERT_TRUE(relayout);
    EXPECT_TRUE(relayout->isActive());
    EXPECT_EQ(relayout->interval(), 1000);
    EXPECT_EQ(editor->graphLayout().column, 75) << "still the old layout";
    editor->Timer2Timer();
    EXPECT_EQ(editor->graphLayout().column, 100); // (830 - 32) / 8 = 99.75
}

bool pixelIs(const QImage& image, int x, int y, QColor colour) {
    return image.pixelColor(x, y) == colour;
}

TEST_F(Editor, TheGraphDrawsTheStepsOverTheGuidesAndAxes) {
    const std::array<std::uint16_t, 8> r = {40, 80, 120, 160, 200, 240, 280, 320};
    store->EditedFunction = tariff::withRates(r);
    createWindows();
    showEditor();
    const QImage image = child<QWidget>(*editor, QStringLiteral("PaintBox1"))->grab().toImage();
    ASSERT_EQ(image.size(), QSize(630, 200));
    const QColor blue(0, 0, 255), green(0, 128, 0), yellow(255, 255, 0);
    // Columns of 75 pixels from x = 32; 160 pixels for the largest rate, 320: half a pixel
    // per percent above the axis at y = 176.
    for (int i = 0; i < 8; ++i) {
        const int x = 32 + 75 * i;
        const int y = 176 - r[static_cast<std::size_t>(i)] / 2;
        // Two pixels thick: the rows y - 1 and y.
        EXPECT_TRUE(pixelIs(image, x + 37, y, blue) && pixelIs(image, x + 37, y - 1, blue)) << i;
        EXPECT_FALSE(pixelIs(image, x + 37, y + 1, blue) || pixelIs(image, x + 37, y - 2, blue))
            << i;
        EXPECT_TRUE(i == 0 || pixelIs(image, x, y + 10, blue)) << "riser " << i;
    }
    EXPECT_TRUE(pixelIs(image, 620, 16, blue)) << "the last step reaches the right edge";
    EXPECT_TRUE(pixelIs(image, 300, 176, green)) << "x axis";
    EXPECT_TRUE(pixelIs(image, 32, 190, green)) << "y axis";
    EXPECT_TRUE(pixelIs(image, 107, 179, green)) << "tick under range 1";
    // Dotted guides: the level of range 0 right of its step, the line above riser 7.
    EXPECT_NE(pixelIs(image, 300, 156, yellow), pixelIs(image, 301, 156, yellow));
    EXPECT_NE(pixelIs(image, 557, 100, yellow), pixelIs(image, 557, 101, yellow));
}

} // namespace
} // namespace kestrelon::test
