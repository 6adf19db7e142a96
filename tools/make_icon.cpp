// Writes the desktop icon, the globe of the main window's picture as it stands once it has
// fully appeared, as a square PNG into the file given as the first argument. The whole picture
// is too wide to read at icon sizes; its globe is the part people recognise. Run at build time from
// the same logo data as "Tel" and "Pixels", so the icon always matches the window.

#include "logo/globe_pixels.h"
#include "logo/logo_design.h"
#include "ui/main/logo_layout.h"
#include "ui/main/logo_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kIconSize = 256;
constexpr int kPictureWidth = 529; // the main window's picture
constexpr int kPictureHeight = 200;

QRgb fromWindowsColour(std::uint32_t colour) {
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QImage drawPicture(const kestrelon::LogoLayout& layout, const kestrelon::GlobePixels& globe) {
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        kestrelon::paintLogo(painter, layout);
    }
    for (std::size_t i = 0; i < globe.usedCount(); ++i) {
        const int x = layout.CX + globe.points[i].x.get();
        const int y = layout.CY + globe.points[i].y.get();
        if (picture.rect().contains(x, y)) {
            picture.setPixel(x, y, fromWindowsColour(globe.points[i].colour.get()));
        }
    }
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argc > 0 ? argv[0] : "make-icon");
        return 2;
    }
    // Drawing text needs a GUI application, but no screen: the build may run headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const kestrelon::LogoParams params = kestrelon::logo::logoDesign();
    const auto layout = kestrelon::ComputeLogoLayout(params);
    if (!layout) {
        std::fprintf(stderr, "the logo's layout does not fit\n");
        return 1;
    }
    const kestrelon::GlobePixels globe =
        kestrelon::logo::makeGlobePixels(params.CD, /*seed: any, all pixels are shown*/ 1);
    const QImage picture = drawPicture(*layout, globe);
    const kestrelon::LogoRect& circle = layout->circle;
    const int side = std::max(circle.right - circle.left, circle.bottom - circle.top) + 2;
    const QImage globeSquare = picture.copy(circle.left - 1, circle.top - 1, side, side);
    const QImage icon =
        globeSquare.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
