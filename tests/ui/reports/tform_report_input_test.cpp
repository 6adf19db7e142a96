// What the report window takes from the user, however it was given: a cell still being typed
// when a button is clicked, a remuneration pasted, dropped or set by an assistive tool, the
// mode buttons toggled from anywhere, Tab through the grid and out of it, what a screen
// reader hears, what a click on a group does and what the grid's cells accept.

#include "report_windows.h"
#include "reports/files/report_files.h"
#include "ui/reports/tform_slk.h"
#include "ui/support/active_window.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class ReportInputTest : public test::ReportWindowsTest {
protected:
    template <typename T = QWidget> T* control(const char* name) const {
        return test::child<T>(*report, QString::fromLatin1(name));
    }
    void showWindow() {
        windows.reset();
        createWindows();
        report->show();
        report->activateWindow();
        ASSERT_TRUE(test::waitActive(report));
    }
    void manualMode() {
        showWindow();
        click(*report, QStringLiteral("SpeedButton9"));
    }
    bool saveEnabled() const { return control("SpeedButton2")->isEnabled(); }

    // The keyboard: keys go where the focus is.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    bool focusInGrid() const {
        const QWidget* focused = QApplication::focusWidget();
        return focused != nullptr && (focused == grid() || grid()->isAncestorOf(focused));
    }
    std::pair<int, int> currentCell() const {
        return {grid()->currentRow(), grid()->currentColumn()};
    }
};

TEST_F(ReportInputTest, GetTakesTheAmountStillBeingTyped) {
    manualMode();
    test::type(*report, 10, QStringLiteral("10"));
    typeCellWithoutEnter(0, 3, QStringLiteral("100"));
    ASSERT_NE(cellEditor(), nullptr);
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("100.00"));
    EXPECT_EQ(field(7), QStringLiteral("100.00"));
    EXPECT_EQ(field(9), QStringLiteral("118.00"));
    EXPECT_EQ(field(11), QStringLiteral("108.00"));
    EXPECT_TRUE(saveEnabled());
}

TEST_F(ReportInputTest, SaveAfterAnAmountStillBeingTypedWaitsForGet) {
    manualMode();
    typeCell(0, 3, QStringLiteral("100"));
    test::type(*report, 10, QStringLiteral("10"));
    click(*report, QStringLiteral("SpeedButton4"));
    ASSERT_EQ(field(7), QStringLiteral("100.00"));

    typeCellWithoutEnter(1, 3, QStringLiteral("50"));
    click(*report, QStringLiteral("SpeedButton2"));
    EXPECT_FALSE(folder.exists("1_1212_12345678.rep")) << "the totals on view were without 50";
    EXPECT_FALSE(report->viewOnly());
    EXPECT_EQ(cell(1, 3), QStringLiteral("50"));
    EXPECT_EQ(field(7), QString());
    EXPECT_EQ(field(11), QString());
    EXPECT_FALSE(saveEnabled());

    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(field(7), QStringLiteral("150.00"));
    click(*report, QStringLiteral("SpeedButton2"));
    ASSERT_TRUE(report->viewOnly());
    EXPECT_EQ(field(7), QStringLiteral("150.00")) << "the saved report shows what it stored";
    auto stored = std::make_unique<ReportRecord>();
    std::string name;
    ASSERT_TRUE(OpenReport(folder.path(), "1_1212_12345678.rep", *stored, name));
    EXPECT_EQ(stored->IncomeTotal.str(), "150.00");
    EXPECT_EQ(stored->ToPrincipal.str(), "167.00");
}

TEST_F(ReportInputTest, EveryOtherActionTakesTheAmountStillBeingTyped) {
    const struct {
        const char* action;
        std::function<void()> act;
    } cases[] = {
        {"mode SLK, then Manual",
         [this] {
             click(*report, QStringLiteral("SpeedButton8"));
             click(*report, QStringLiteral("SpeedButton9"));
         }},
        {"a document tab, then the report tab",
         [this] {
             QTabBar* bar = control<QTabWidget>("PageControl1")->tabBar();
             QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
             QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
         }},
        {"the zone panel", [this] { click(*report, QStringLiteral("Panel1")); }},
        {"the report list",
         [this] {
             whenModal(QStringLiteral("FormReportList"), [](QDialog& list) { list.reject(); });
             click(*report, QStringLiteral("SpeedButton1"));
         }},
        {"the number and date keys",
         [] {
             press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
             press(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
         }},
        {"a double click on the date group",
         [this] {
             auto* dates = control<QGroupBox>("GroupBox2");
             QTest::mouseDClick(dates, Qt::LeftButton, {},
                                {dates->width() - 3, dates->height() - 3});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        manualMode();
        typeCell(0, 3, QStringLiteral("100"));
        click(*report, QStringLiteral("SpeedButton4"));
        ASSERT_EQ(field(7), QStringLiteral("100.00"));
        typeCellWithoutEnter(1, 3, QStringLiteral("50"));
        c.act();
        EXPECT_EQ(cell(1, 3), QStringLiteral("50"));
        EXPECT_EQ(field(7), QString()) << "the totals were without 50";
        EXPECT_FALSE(saveEnabled());
        click(*report, QStringLiteral("SpeedButton4"));
        EXPECT_EQ(field(7), QStringLiteral("150.00"));
    }
}

TEST_F(ReportInputTest, ARemunerationChangedWithoutKeysUndoesTheComputation) {
    const struct {
        const char* how;
        std::function<void(QLineEdit&)> change;
    } cases[] = {
        {"an assistive tool sets the text",
         [](QLineEdit& e) {
             QAccessible::queryAccessibleInterface(&e)->setText(QAccessible::Value,
                                                                QStringLiteral("200"));
         }},
        {"an assistive tool inserts text",
         [](QLineEdit& e) {
             QAccessible::queryAccessibleInterface(&e)->editableTextInterface()->insertText(
                 0, QStringLiteral("2"));
         }},
        {"a paste from the context menu",
         [](QLineEdit& e) {
             QGuiApplication::clipboard()->setText(QStringLiteral("5"));
             std::unique_ptr<QMenu> menu(e.createStandardContextMenu());
             // The menu's entry is the one that names the paste key.
             const QString key = QKeySequence(QKeySequence::Paste).toString();
             QAction* paste = nullptr;
             for (QAction* action : menu->actions()) {
                 if (action->text().endsWith(QLatin1Char('\t') + key)) {
                     paste = action;
                 }
             }
             ASSERT_NE(paste, nullptr);
             paste->trigger();
         }},
        {"a drop",
         [](QLineEdit& e) {
             QMimeData data;
             data.setText(QStringLiteral("7"));
             const QPoint at(e.width() - 4, 4);
             QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&e, &enter);
             QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&e, &move);
             QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&e, &drop);
         }},
    };
    showWindow();
    importOneInvoice();
    QLineEdit* remuneration = test::edit(*report, 10);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        test::type(*report, 10, QStringLiteral("100"));
        click(*report, QStringLiteral("SpeedButton4"));
        ASSERT_EQ(field(11), QStringLiteral("1080.00"));
        ASSERT_TRUE(saveEnabled());
        c.change(*remuneration);
        ASSERT_NE(field(10), QStringLiteral("100"));
        EXPECT_EQ(field(11), QString());
        EXPECT_FALSE(saveEnabled());
        click(*report, QStringLiteral("SpeedButton2"));
        EXPECT_FALSE(folder.exists("1_0313_12345678.rep"));
    }
    QGuiApplication::clipboard()->clear();
}

TEST_F(ReportInputTest, NewInRegisterModeStartsTheManualGridAfresh) {
    manualMode();
    typeCell(0, 3, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton8"));
    importOneInvoice();
    test::type(*report, 10, QStringLiteral("100"));
    click(*report, QStringLiteral("SpeedButton4"));
    click(*report, QStringLiteral("SpeedButton2"));
    ASSERT_TRUE(report->viewOnly());
    click(*report, QStringLiteral("SpeedButton3")); // "New"
    click(*report, QStringLiteral("SpeedButton9"));
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("11111111"));
    EXPECT_EQ(cell(0, 3), QString()) << "the amount of the report before \"New\"";
}

TEST_F(ReportInputTest, TabWalksTheCellsAndLeavesTheGridAtEitherEnd) {
    manualMode();
    control("SpeedButton4")->setFocus(Qt::TabFocusReason); // "Get"
    press(Qt::Key_Tab);
    ASSERT_TRUE(focusInGrid()) << "the grid comes after \"Get\"";
    std::vector<std::pair<int, int>> visited{currentCell()};
    for (int k = 0; k < 30 && focusInGrid(); ++k) {
        press(Qt::Key_Tab);
        if (focusInGrid()) {
            visited.push_back(currentCell());
        }
    }
    EXPECT_FALSE(focusInGrid()) << "30 Tabs stayed inside";
    EXPECT_EQ(visited.size(), 12u) << "two rows of six cells";
    EXPECT_EQ(visited.front(), std::make_pair(0, 0));
    EXPECT_EQ(visited.back(), std::make_pair(1, 5));

    press(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(focusInGrid());
    EXPECT_EQ(currentCell(), std::make_pair(1, 5));
    for (int k = 0; k < 30 && focusInGrid(); ++k) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    EXPECT_EQ(QApplication::focusWidget(), control("SpeedButton4"))
        << "Shift+Tab before the first cell goes back to \"Get\"";

    // Ctrl+Tab leaves from any cell, either way.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_TRUE(focusInGrid());
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("SpeedButton4"));
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_FALSE(focusInGrid());
}

TEST_F(ReportInputTest, TabInACellBeingTypedKeepsTheTextAndLeavesAfterTheLast) {
    manualMode();
    grid()->setFocus(Qt::TabFocusReason);
    typeCellWithoutEnter(0, 3, QStringLiteral("7"));
    press(Qt::Key_Tab);
    EXPECT_EQ(cell(0, 3), QStringLiteral("7"));
    EXPECT_TRUE(focusInGrid());
    EXPECT_EQ(currentCell(), std::make_pair(0, 4));
    if (cellEditor() != nullptr) {
        press(Qt::Key_Escape);
    }
    typeCellWithoutEnter(1, 5, QStringLiteral("5"));
    press(Qt::Key_Tab);
    EXPECT_EQ(cell(1, 5), QStringLiteral("5"));
    EXPECT_FALSE(focusInGrid());
}

TEST_F(ReportInputTest, TheModeFollowsTheCheckedButtonWhoeverTogglesIt) {
    const struct {
        const char* source;
        std::function<void(QToolButton&)> toggle;
    } sources[] = {
        {"a click", [](QToolButton& b) { QTest::mouseClick(&b, Qt::LeftButton); }},
        {"Space",
         [](QToolButton& b) {
             b.setFocus(Qt::TabFocusReason);
             QTest::keyClick(&b, Qt::Key_Space);
         }},
        {"the program", [](QToolButton& b) { b.setChecked(true); }},
        {"an assistive tool's toggle",
         [](QToolButton& b) {
             QAccessible::queryAccessibleInterface(&b)->actionInterface()->doAction(
                 QAccessibleActionInterface::toggleAction());
         }},
    };
    showWindow();
    auto* slk = control<QToolButton>("SpeedButton8");
    auto* manual = control<QToolButton>("SpeedButton9");
    const auto expectMode = [&](ReportMode mode) {
        const bool isManual = mode == ReportMode::Manual;
        EXPECT_EQ(report->mode(), mode);
        EXPECT_EQ(manual->isChecked(), isManual);
        EXPECT_EQ(slk->isChecked(), !isManual);
        EXPECT_EQ(grid()->editable(), isManual);
        EXPECT_EQ(control("SpeedButton5")->isEnabled(), !isManual) << "\"Slk\"";
    };
    for (const auto& s : sources) {
        SCOPED_TRACE(s.source);
        s.toggle(*manual);
        expectMode(ReportMode::Manual);
        s.toggle(*slk);
        expectMode(ReportMode::Slk);
    }
    // Toggling the checked button leaves it checked: one mode is always on.
    QAccessible::queryAccessibleInterface(slk)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    expectMode(ReportMode::Slk);
}

TEST_F(ReportInputTest, PeriodListsAndTheZoneAreNamedForAScreenReader) {
    manualMode();
    const struct {
        QWidget* control;
        QString name;
        QString value;
    } cases[] = {
        {combo(1), QStringLiteral("Месяц"), QStringLiteral("Декабрь")},
        {combo(2), QStringLiteral("Год"), QStringLiteral("2012")},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), c.name);
        // The value a screen reader reads: the entry the pop-up list selects.
        QStringList selected;
        QAccessibleInterface* popup = face->child(0);
        for (int i = 0; i < popup->childCount(); ++i) {
            if (popup->child(i)->state().selected) {
                selected << popup->child(i)->text(QAccessible::Name);
            }
        }
        EXPECT_EQ(selected, QStringList{c.value});
        EXPECT_EQ(face->role(), QAccessible::ComboBox);
    }
    QAccessibleInterface* zone = QAccessible::queryAccessibleInterface(control("Panel1"));
    EXPECT_EQ(zone->text(QAccessible::Name), QStringLiteral("Зона 2"));
    click(*report, QStringLiteral("Panel1"));
    EXPECT_EQ(zone->text(QAccessible::Name), QStringLiteral("Зона 3"));
}

TEST_F(ReportInputTest, OnlyAGroupsOwnAreaCopiesItsFirstField) {
    showWindow();
    auto* numbers = control<QGroupBox>("GroupBox1");
    auto* dates = control<QGroupBox>("GroupBox2");
    const auto caption = [](QGroupBox* group) {
        for (QLabel* label : group->findChildren<QLabel*>()) {
            if (label->text() == QStringLiteral("Акт вз.з.")) {
                return label;
            }
        }
        ADD_FAILURE() << "no caption in " << group->objectName().toStdString();
        return static_cast<QLabel*>(nullptr);
    };
    const auto emptyArea = [](QGroupBox* group) {
        const QPoint corner(group->width() - 3, group->height() - 3);
        EXPECT_EQ(group->childAt(corner), nullptr);
        return corner;
    };
    test::type(*report, 1, QStringLiteral("17"));
    test::type(*report, 2, QStringLiteral("5"));
    test::type(*report, 3, QStringLiteral("6"));
    test::type(*report, 4, QStringLiteral("1.02.2013"));

    QTest::mouseClick(caption(dates), Qt::LeftButton);
    QTest::mouseDClick(caption(dates), Qt::LeftButton);
    QTest::mouseDClick(caption(numbers), Qt::LeftButton);
    EXPECT_EQ(field(2) + field(3), QStringLiteral("56"));
    EXPECT_EQ(field(5), QStringLiteral("7.01.2013"));

    QTest::mouseClick(dates, Qt::LeftButton, {}, emptyArea(dates));
    EXPECT_EQ(field(2) + field(3), QStringLiteral("1717"));
    test::type(*report, 2, QStringLiteral("5"));
    QTest::mouseDClick(numbers, Qt::LeftButton, {}, emptyArea(numbers));
    EXPECT_EQ(field(2), QStringLiteral("17"));
    QTest::mouseDClick(dates, Qt::LeftButton, {}, emptyArea(dates));
    EXPECT_EQ(field(5) + " " + field(6), QStringLiteral("1.02.2013 1.02.2013"));
}

TEST_F(ReportInputTest, GridCellsTakeDigitsAndSeparatorsFromTheDateOn) {
    const struct {
        int column;
        QString typed;
        QString kept;
    } cases[] = {
        {1, QStringLiteral("A1-x"), QStringLiteral("A1-x")}, // the invoice number: any text
        {2, QStringLiteral("3,1-2.x"), QStringLiteral("3,1-2.")},
        {3, QStringLiteral("1,5-0.2y"), QStringLiteral("1,5-0.2")},
        {4, QStringLiteral("2-0,1.z"), QStringLiteral("2-0,1.")},
        {5, QStringLiteral("9.8,7-6q"), QStringLiteral("9.8,7-6")},
    };
    manualMode();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        typeCell(0, c.column, c.typed);
        EXPECT_EQ(cell(0, c.column), c.kept);
        if (cellEditor() != nullptr) {
            QTest::keyClick(cellEditor(), Qt::Key_Escape);
        }
        // Backspace takes back the last character typed.
        typeCellWithoutEnter(1, c.column, QStringLiteral("12"));
        QTest::keyClick(cellEditor(), Qt::Key_Backspace);
        QTest::sendKeyEvent(QTest::Click, cellEditor(), Qt::Key_unknown, QStringLiteral("3"),
                            Qt::NoModifier);
        QTest::keyClick(cellEditor(), Qt::Key_Return);
        EXPECT_EQ(cell(1, c.column), QStringLiteral("13"));
        if (cellEditor() != nullptr) {
            QTest::keyClick(cellEditor(), Qt::Key_Escape);
        }
    }
}

} // namespace
} // namespace kestrelon
