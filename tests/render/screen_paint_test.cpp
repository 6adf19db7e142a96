#include "render/paint_boxes.h"
#include "render/qt_text_metrics.h"
#include "screen_texts.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 300;

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Two pages with the same content: a 3-pixel line at y = 100 and a "W" whose cell starts at
// (50, 200).
PlacedDocument twoPages() {
    PlacedPage page;
    page.lines.push_back({20, 100, 180, 100, 3});
    page.texts.push_back({"W", 50, 200, {kArial, 20, true}});
    PlacedDocument document;
    document.pageWidth = kWidth;
    document.pageHeight = kHeight;
    document.pages = {page, page};
    return document;
}

QImage paintTwoPages() {
    QImage image = test::screenImage(kWidth, 2 * kHeight);
    image.fill(Qt::gray);
    QPainter painter(&image);
    PaintBox3Paint(painter, twoPages());
    painter.end();
    return image;
}

TEST(ScreenPainting, EachPageIsFramedOnWhiteOnePageHeightBelowTheLast) {
    const QImage image = paintTwoPages();
    for (const int top : {0, kHeight}) {
        EXPECT_TRUE(dark(image, 100, top)) << "top edge of the page at " << top;
        EXPECT_TRUE(dark(image, 100, top + kHeight - 1)) << "bottom edge";
        EXPECT_TRUE(dark(image, 0, top + 150)) << "left edge";
        EXPECT_TRUE(dark(image, kWidth - 1, top + 150)) << "right edge";
        EXPECT_EQ(image.pixel(10, top + 10), qRgb(255, 255, 255)) << "white ground";
    }
}

TEST(ScreenPainting, LinesHaveTheirPenWidthOnEveryPage) {
    const QImage image = paintTwoPages();
    for (const int top : {0, kHeight}) {
        int covered = 0;
        for (int y = top + 95; y <= top + 105; ++y) {
            covered += dark(image, 100, y) ? 1 : 0;
        }
        EXPECT_EQ(covered, 3) << "page at " << top;
        EXPECT_TRUE(dark(image, 100, top + 100));
        EXPECT_FALSE(dark(image, 10, top + 100)) << "the line starts at x = 20";
    }
}

TEST(ScreenPainting, TextsHangFromTheTopOfTheirCell) {
    const QImage image = paintTwoPages();
    QImage probe = test::screenImage();
    const QtTextMetrics metrics(&probe);
    const FontSpec font{kArial, 20, true};
    const int width = metrics.width("W", font);
    for (const int top : {0, kHeight}) {
        int firstRow = -1;
        int lastRow = -1;
        for (int y = top + 180; y < top + 240; ++y) {
            for (int x = 50; x < 50 + width; ++x) {
                if (dark(image, x, y)) {
                    firstRow = firstRow < 0 ? y : firstRow;
                    lastRow = y;
                }
            }
        }
        ASSERT_GE(firstRow, 0) << "no text on the page at " << top;
        // A capital stands between the cell's top and its baseline, ascent pixels lower.
        EXPECT_GE(firstRow, top + 200);
        EXPECT_LE(lastRow, top + 200 + metrics.ascent(font));
        EXPECT_GE(lastRow, top + 200 + metrics.ascent(font) - 2);
    }
}

} // namespace
} // namespace kestrelon
