#include "documents/page/screen_scale.h"

#include <gtest/gtest.h>

namespace kestrelon {
namespace {

TEST(ScreenScale, PixelsPerMillimetreFromTheDisplaysSizeOrNinetySixDpi) {
    struct Case {
        int wPx, hPx;
        double wMm, hMm;
        double sx, sy;
    };
    const double dpi96 = 96.0 / 25.4;
    const Case cases[] = {
        {1920, 1080, 527, 296, 1920 / 527.0, 1080 / 296.0},
        {1280, 1024, 0, 0, dpi96, dpi96},  // no physical size reported
        {1920, 1080, 16, 9, dpi96, dpi96}, // a projector's "16:9 millimetres"
        {1920, 1080, 527, -1, 1920 / 527.0, dpi96},
        {0, 0, 300, 200, dpi96, dpi96},
    };
    for (const Case& c : cases) {
        const PageScale s = screenPageScale(c.wPx, c.hPx, c.wMm, c.hMm);
        EXPECT_DOUBLE_EQ(s.sx, c.sx) << c.wPx << "x" << c.hPx << " / " << c.wMm;
        EXPECT_DOUBLE_EQ(s.sy, c.sy) << c.wPx << "x" << c.hPx << " / " << c.hMm;
    }
}

} // namespace
} // namespace kestrelon
