// The document tabs' zoom as a user works it: by the keyboard (Ctrl+plus, Ctrl+minus, Ctrl+0,
// the zoom list), by Ctrl and the wheel; the page is drawn anew at each size, its texts move
// with it and its page breaks stay those of paper.

#include "report_windows.h"
#include "ui/reports/document_view.h"
#include "ui/support/active_window.h"
#include "ui/support/modal_driver.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace kestrelon {
namespace {

class ReportZoomTest : public test::ReportWindowsTest {
protected:
    void SetUp() override {
        createWindows();
        report->show();
        importOneInvoice();
        test::edit(*report, 10)->setText(QStringLiteral("100"));
        test::click(*report, QStringLiteral("SpeedButton4"));
        tabs()->setCurrentIndex(TFormReport::ActTab);
        view = const_cast<DocumentView*>(report->documentView(TFormReport::ActTab));
        // The import's dialog has come and gone: the window is the user's again.
        report->activateWindow();
        ASSERT_TRUE(test::waitActive(report));
        view->setFocus();
    }
    QTabWidget* tabs() const {
        return test::child<QTabWidget>(*report, QStringLiteral("PageControl1"));
    }
    QComboBox* zoomList() const {
        return test::child<QComboBox>(*report, QStringLiteral("ZoomList"));
    }

    // Where the first page's ink lies, in the page's pixels: its frame left out.
    QRect inkOfFirstPage() const {
        const QImage image = view->page()->grab().toImage();
        const int pageHeight = static_cast<int>(view->document().pageHeight * view->scale());
        QRect ink;
        for (int y = 4; y < std::min(pageHeight, image.height()) - 4; ++y) {
            for (int x = 4; x < image.width() - 4; ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return ink;
    }
    // Ctrl and the key, on the keyboard of the window.
    void zoomKey(Qt::Key key) const {
        QTest::keyClick(report->windowHandle(), key, Qt::ControlModifier);
    }
    static void expectNear(int actual, double expected, const char* what) {
        EXPECT_NEAR(actual, expected, 4.0) << what;
    }

    DocumentView* view = nullptr;
};

TEST_F(ReportZoomTest, TheKeysStepThroughTheSizesAndTheTextsScaleWithThePage) {
    const PlacedDocument laidOut = view->document();
    ASSERT_FALSE(laidOut.pages.empty());
    const QSize real = view->page()->size();
    const QRect ink = inkOfFirstPage();
    ASSERT_FALSE(ink.isEmpty());

    zoomKey(Qt::Key_Plus);
    EXPECT_EQ(zoomList()->currentText(), "125 %");
    zoomKey(Qt::Key_Plus);
    zoomKey(Qt::Key_Plus);
    EXPECT_EQ(zoomList()->currentText(), "200 %");
    EXPECT_EQ(view->page()->size(), real * 2);
    const QRect doubled = inkOfFirstPage();
    expectNear(doubled.left(), ink.left() * 2.0, "left");
    expectNear(doubled.top(), ink.top() * 2.0, "top");
    expectNear(doubled.right(), ink.right() * 2.0, "right");
    expectNear(doubled.bottom(), ink.bottom() * 2.0, "bottom");
    // The same pages, laid out once: a break is where paper has it, only drawn larger.
    ASSERT_EQ(view->document().pages.size(), laidOut.pages.size());
    for (std::size_t p = 0; p < laidOut.pages.size(); ++p) {
        ASSERT_EQ(view->document().pages[p].texts.size(), laidOut.pages[p].texts.size());
        EXPECT_EQ(view->document().pages[p].texts.back().y, laidOut.pages[p].texts.back().y);
    }
    EXPECT_EQ(report->documentView(TFormReport::InvoiceTab)->scale(), 2.0)
        << "one zoom for the window's three pages";

    zoomKey(Qt::Key_Minus);
    EXPECT_EQ(zoomList()->currentText(), "150 %");
    zoomKey(Qt::Key_0);
    EXPECT_EQ(zoomList()->currentText(), "100 %");
    EXPECT_EQ(view->page()->size(), real);
    for (int k = 0; k < 5; ++k) {
        zoomKey(Qt::Key_Minus);
    }
    EXPECT_EQ(zoomList()->currentText(), "50 %") << "never below 50 %";
    EXPECT_EQ(view->page()->size(), real / 2);
}

TEST_F(ReportZoomTest, ControlAndTheWheelZoomAndTheListFitsThePage) {
    const QSize real = view->page()->size();
    const QPointF at = view->viewport()->rect().center();
    QWheelEvent up(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &up);
    EXPECT_EQ(zoomList()->currentText(), "125 %");

    // The list, by the keyboard: Up to the first entries.
    zoomList()->setFocus();
    for (int k = 0; k < 10; ++k) {
        QTest::keyClick(zoomList(), Qt::Key_Up);
    }
    EXPECT_EQ(zoomList()->currentText(), "По ширине");
    const int room = view->maximumViewportSize().width();
    EXPECT_LE(view->page()->width(), room);
    EXPECT_GT(view->page()->width(), room - 40) << "the page as wide as the view";
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());

    QTest::keyClick(zoomList(), Qt::Key_Down);
    EXPECT_EQ(zoomList()->currentText(), "Вся страница");
    const int pageHeight = static_cast<int>(view->document().pageHeight * view->scale());
    EXPECT_LE(pageHeight, view->maximumViewportSize().height()) << "a whole page in view";
    EXPECT_LT(view->page()->width(), real.width());
    EXPECT_EQ(zoomList()->accessibleName(), "Масштаб");
}

} // namespace
} // namespace kestrelon
