// Every window of the program on the screens bookkeepers have: 1280 x 1024 and 1366 x 768, at
// 100 %, 150 % and 200 %. A window opens inside the screen; each control is as wide and high
// as its text needs and can be seen or scrolled to.

#include "support/sample_catalogues.h"
#include "support/temp_folder.h"
#include "ui/main/program_windows.h"
#include "ui/main/tform_main.h"
#include "ui/support/layout_problems.h"
#include "ui/support/recording_sink.h"
#include "ui/widgets/lazy_dialog.h"
#include "ui/widgets/screen_fit.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

struct Screen {
    const char* name;
    QSize pixels;
    double scale;

    // What the desktop leaves for windows, in the program's units: less a panel of 24.
    QRect area() const {
        const QSize logical(static_cast<int>(pixels.width() / scale),
                            static_cast<int>(pixels.height() / scale));
        return QRect(0, 24, logical.width(), logical.height() - 24);
    }
};

const Screen kScreens[] = {
    {"1280x1024 at 100 %", {1280, 1024}, 1.0}, {"1280x1024 at 150 %", {1280, 1024}, 1.5},
    {"1280x1024 at 200 %", {1280, 1024}, 2.0}, {"1366x768 at 100 %", {1366, 768}, 1.0},
    {"1366x768 at 150 %", {1366, 768}, 1.5},   {"1366x768 at 200 %", {1366, 768}, 2.0},
};

// Every window of the program, the main one first.
std::vector<QWidget*> everyWindow(ProgramWindows& windows) {
    // Built first: a window may make its own windows as it is built.
    for (QDialog* dialog : windows.FormMain->findChildren<QDialog*>()) {
        if (auto* lazy = dynamic_cast<LazyDialog*>(dialog)) {
            lazy->ensureBuilt();
        }
    }
    std::vector<QWidget*> all{windows.FormMain.get()};
    for (QDialog* dialog : windows.FormMain->findChildren<QDialog*>()) {
        all.push_back(dialog);
    }
    return all;
}

// The report window's toolbar, the period and "Get" are seen without scrolling: the window
// reflows them rather than hiding them off to the right.
void expectToolbarAndPeriodInView(const QWidget& report) {
    QStringList names = {QStringLiteral("ComboBox1"), QStringLiteral("ComboBox2"),
                         QStringLiteral("CheckBox1"), QStringLiteral("ZoomList")};
    for (const int button : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13}) {
        names << QStringLiteral("SpeedButton%1").arg(button);
    }
    for (const QString& name : names) {
        const auto* control = report.findChild<QWidget*>(name);
        ASSERT_TRUE(control) << name.toStdString();
        EXPECT_TRUE(test::inView(*control)) << name.toStdString() << " is out of view";
    }
}

TEST(AnyScreenTest, EveryWindowFitsEveryScreenWithEveryControlWholeAndWithinReach) {
    const QString shots = qEnvironmentVariable("KESTRELON_SCREENSHOTS");
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(screen.name);
        test::TempFolder folder;
        DataStore store;
        store.DataFolder = folder.path();
        test::fillCatalogues(store);
        test::RecordingSink sink;
        AppContext context{store, sink};
        context.today = [] { return QDate(2013, 1, 7); };
        const QRect area = screen.area();
        QObject* fitter = fitWindowsToScreen(*qApp, [area](const QWidget&) { return area; });
        const auto windows = createProgramWindows(context);
        for (QWidget* window : everyWindow(*windows)) {
            SCOPED_TRACE(window->objectName().toStdString());
            window->show();
            QApplication::processEvents();
            const QStringList problems = test::layoutProblems(*window, area);
            EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
            if (window->objectName() == QStringLiteral("FormReport")) {
                expectToolbarAndPeriodInView(*window);
            }
            if (!shots.isEmpty()) {
                QDir().mkpath(shots);
                window->grab().save(
                    QStringLiteral("%1/%2-%3.png")
                        .arg(shots, window->objectName(),
                             QString::fromUtf8(screen.name).replace(u' ', u'-').remove(u'%')));
            }
            window->hide();
        }
        delete fitter;
    }
}

} // namespace
} // namespace kestrelon
