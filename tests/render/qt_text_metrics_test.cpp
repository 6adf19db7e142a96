#include "render/qt_text_metrics.h"
#include "screen_texts.h"
#include "store/cp1251.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

// Cell heights of the document fonts (4, 4.39, 4.86 and 5.66 mm) on a 96-dpi screen and on a
// 600-dpi printer, and a few sizes in between.
constexpr int kHeights[] = {9, 15, 16, 17, 18, 21, 22, 40, 94, 104, 115, 134};

void expectCellHeights(const QtTextMetrics& metrics) {
    for (const char* family : {kArial, kTimes}) {
        for (const bool bold : {false, true}) {
            for (const int height : kHeights) {
                const FontSpec spec{family, height, bold};
                // Never higher, so that lines stacked a cell apart cannot overlap; and at
                // most a pixel lower, as the cell grows by one or two with each pixel of em.
                const int cell = metrics.height("W", spec);
                EXPECT_LE(cell, height) << family << (bold ? " bold" : "") << " asked for "
                                        << height << ", got " << cell;
                EXPECT_GE(cell, height - 1) << family << (bold ? " bold" : "") << " asked for "
                                            << height << ", got " << cell;
            }
        }
    }
}

TEST(QtTextMetrics, CellHeightIsTheRequestedHeightOnAScreenImage) {
    QImage image = test::screenImage();
    expectCellHeights(QtTextMetrics(&image));
}

TEST(QtTextMetrics, CellHeightIsTheRequestedHeightOnAPdfDevice) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("m.pdf"));
    writer.setResolution(600);
    expectCellHeights(QtTextMetrics(&writer));
}

TEST(QtTextMetrics, DocumentFontsAreTheMetricCompatibleFaces) {
    QImage image = test::screenImage();
    const QtTextMetrics metrics(&image);
    // The layouts assume Arial and Times New Roman widths; Liberation Sans and Serif share them.
    const QFontInfo arial(metrics.font({kArial, 15, false}));
    const QFontInfo times(metrics.font({kTimes, 15, false}));
    EXPECT_TRUE(arial.family() == "Arial" || arial.family() == "Liberation Sans")
        << arial.family().toStdString();
    EXPECT_TRUE(times.family() == "Times New Roman" || times.family() == "Liberation Serif")
        << times.family().toStdString();
}

TEST(QtTextMetrics, TextsAreMeasuredAsCp1251) {
    QImage image = test::screenImage();
    const QtTextMetrics metrics(&image);
    const FontSpec spec{kArial, 15, true};
    const QFontMetrics direct(metrics.font(spec), &image);
    for (const char* utf8 : {"Ж", "Получатель:", "СЧЕТ № 8 от 31 марта 2011 г.", "«ё»"}) {
        EXPECT_EQ(metrics.width(utf8ToCp1251(utf8), spec),
                  direct.horizontalAdvance(QString::fromUtf8(utf8)))
            << utf8;
    }
}

} // namespace
} // namespace kestrelon
