// The report windows on a screen smaller than they were designed for: 1280 x 1024 at a 2x scale
// leaves 640 x 512, less a panel.

#include "report_windows.h"
#include "ui/main/tform_main.h"
#include "ui/reports/tform_report_list.h"
#include "ui/widgets/screen_fit.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace kestrelon {
namespace {

class ReportWindowsFitTest : public test::ReportWindowsTest {
protected:
    ~ReportWindowsFitTest() override { delete fitter_; }

    void onScreenOf(const QRect& area) {
        fitter_ = fitWindowsToScreen(*qApp, [area](const QWidget&) { return area; });
        area_ = area;
    }
    void expectInside(const QWidget& window) const {
        const QRect framed = window.frameGeometry();
        EXPECT_TRUE(area_.contains(framed))
            << framed.x() << "," << framed.y() << " " << framed.width() << "x" << framed.height();
    }

    QObject* fitter_ = nullptr;
    QRect area_;
};

TEST_F(ReportWindowsFitTest, TheReportWindowFitsAndScrollsToEveryControl) {
    onScreenOf(QRect(0, 24, 640, 488));
    createWindows();
    report->show();
    expectInside(*report);
    EXPECT_LT(report->minimumWidth(), report->maximumWidth()) << "it can be resized";
    EXPECT_EQ(report->maximumSize(), TFormReport::kDesignedSize) << "up to its designed size";

    auto* scroll = test::child<QScrollArea>(*report, QStringLiteral("BodyScroll"));
    ASSERT_TRUE(scroll);
    // "Get" and the period lists stand at the far right: the body scrolls to them.
    for (const QString& name : {QStringLiteral("SpeedButton4"), QStringLiteral("ComboBox2")}) {
        SCOPED_TRACE(name.toStdString());
        QWidget* control = test::child<QWidget>(*report, name);
        ASSERT_TRUE(control);
        scroll->ensureWidgetVisible(control);
        const QRect inView(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(inView));
    }
}

TEST_F(ReportWindowsFitTest, TheReportWindowReopensAtItsLeftEdge) {
    // Narrower than the grid: the body scrolls sideways.
    onScreenOf(QRect(0, 24, 420, 488));
    createWindows();
    report->show();
    auto* scroll = test::child<QScrollArea>(*report, QStringLiteral("BodyScroll"));
    ASSERT_GT(scroll->horizontalScrollBar()->maximum(), 0);
    scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
    report->hide();
    report->show();
    EXPECT_EQ(scroll->horizontalScrollBar()->value(), 0);
}

TEST_F(ReportWindowsFitTest, OnALargeScreenTheReportWindowKeepsItsFixedSize) {
    onScreenOf(QRect(0, 0, 1920, 1080));
    createWindows();
    report->show();
    EXPECT_EQ(report->size(), TFormReport::kDesignedSize);
    EXPECT_EQ(report->minimumSize(), TFormReport::kDesignedSize);
    auto* scroll = test::child<QScrollArea>(*report, QStringLiteral("BodyScroll"));
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());
}

TEST_F(ReportWindowsFitTest, ARememberedSizeOpensClampedAndIsKeptUnlessTheUserResizes) {
    store->FormW.setSize(SizedWindow::ReportList, {1100, 700});
    onScreenOf(QRect(0, 0, 800, 600));
    createWindows();
    QDialog* list = windows->FormReportList;
    list->show();
    expectInside(*list);
    list->hide();
    ASSERT_TRUE(windows->FormMain->FormClose());
    EXPECT_EQ(store->FormW.size(SizedWindow::ReportList), (WindowSize{1100, 700}))
        << "not lost to a small screen";

    list->show();
    list->resize(700, 400);
    list->hide();
    ASSERT_TRUE(windows->FormMain->FormClose());
    EXPECT_EQ(store->FormW.size(SizedWindow::ReportList), (WindowSize{700, 400}));
}

} // namespace
} // namespace kestrelon
