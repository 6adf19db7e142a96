// Where a window goes on a screen smaller than the window wants.

#include "ui/widgets/screen_fit.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(ScreenFitTest, AWindowIsClampedToTheAreaAndMovedInsideIt) {
    const QMargins frame(4, 30, 4, 4);
    // 1280 x 1024 at a 2x scale, less a panel of 24 at the top.
    const QRect area(0, 24, 640, 488);
    struct Case {
        const char* what;
        QRect wanted, fitted;
    };
    const Case cases[] = {
        {"fits: untouched", {100, 100, 400, 300}, {100, 100, 400, 300}},
        {"too large: the whole area inside the frame", {-130, -60, 900, 660}, {4, 54, 632, 454}},
        {"too wide only", {10, 100, 1100, 200}, {4, 100, 632, 200}},
        {"off to the right and below", {500, 400, 300, 200}, {336, 308, 300, 200}},
        {"above the area", {100, 0, 300, 200}, {100, 54, 300, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(fitIntoArea(c.wanted, area, frame), c.fitted);
    }
}

} // namespace
} // namespace kestrelon
