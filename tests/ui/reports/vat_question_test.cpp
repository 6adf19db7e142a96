// The VAT question as a bookkeeper answers it from the keyboard: Enter, Escape or Space on the
// button that has the focus. Only a deliberate "Исправить" may replace what was typed.

#include "report_windows.h"

#include <QApplication>

namespace kestrelon {
namespace {

using test::click;
using test::whenModal;

class VatQuestionTest : public test::ReportWindowsTest {
protected:
    // A manual row of 100 with a typed VAT of 17: "Get" asks about it.
    void typeDisagreeingRow() {
        createWindows();
        report->show();
        click(*report, QStringLiteral("SpeedButton9")); // "Manual"
        typeCell(0, 3, QStringLiteral("100"));
        typeCell(0, 4, QStringLiteral("17"));
    }
};

// What has the focus in a dialog that is open, as the keyboard sees it.
QWidget* focused(QDialog& dialog) {
    QWidget* focus = dialog.focusWidget();
    return focus != nullptr ? focus : &dialog;
}

TEST_F(VatQuestionTest, OpensOnNoAndTheKeysKeepTheTypedValue) {
    struct Case {
        const char* name;
        std::vector<Qt::Key> keys; // pressed on whatever has the focus, in order
        std::string vat;           // the VAT cell afterwards
    };
    const std::vector<Case> cases = {
        {"Enter", {Qt::Key_Return}, "17.00"},
        {"keypad Enter", {Qt::Key_Enter}, "17.00"},
        {"Space", {Qt::Key_Space}, "17.00"},
        {"Escape", {Qt::Key_Escape}, "17.00"},
        // Moving on to "Исправить" on purpose still corrects.
        {"Tab, Space", {Qt::Key_Tab, Qt::Key_Space}, "18.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        typeDisagreeingRow();
        bool asked = false;
        whenModal(QStringLiteral("FormErrNDS"), [&](QDialog& question) {
            asked = true;
            EXPECT_EQ(focused(question)->objectName().toStdString(), "Button1") << "Нет";
            for (const Qt::Key key : c.keys) {
                QTest::keyClick(focused(question), key);
            }
            if (question.isVisible()) {
                ADD_FAILURE() << "the question stayed open";
                question.reject();
            }
        });
        click(*report, QStringLiteral("SpeedButton4")); // "Get"
        EXPECT_TRUE(asked);
        EXPECT_EQ(cell(0, 4).toStdString(), c.vat);
        windows.reset();
    }
}

TEST_F(VatQuestionTest, EveryQuestionOpensOnNo) {
    typeDisagreeingRow();
    typeCell(1, 3, QStringLiteral("200"));
    typeCell(1, 4, QStringLiteral("30"));
    int asked = 0;
    const auto answer = [&](QDialog& question) {
        ++asked;
        EXPECT_EQ(focused(question)->objectName().toStdString(), "Button1") << "question " << asked;
        QTest::keyClick(focused(question), Qt::Key_Tab); // on to "Исправить"
        QTest::keyClick(focused(question), Qt::Key_Space);
        if (question.isVisible()) {
            ADD_FAILURE() << "the question stayed open";
            question.reject();
        }
    };
    whenModal(QStringLiteral("FormErrNDS"), [&](QDialog& first) {
        whenModal(QStringLiteral("FormErrNDS"), answer);
        answer(first);
    });
    click(*report, QStringLiteral("SpeedButton4"));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(cell(0, 4).toStdString(), "18.00");
    EXPECT_EQ(cell(1, 4).toStdString(), "36.00");
}

} // namespace
} // namespace kestrelon
