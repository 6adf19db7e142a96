// The principal's name in the picture looks as it did when it asked for Arial by name.

#include "ui/main/logo_painter.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace kestrelon {
namespace {

QImage lettered(const QString& family) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QFont font(family);
    font.setPointSize(16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(10, 40, QStringLiteral("Тарвел"));
    return image;
}

TEST(LogoLettering, TheNameIsDrawnInTheFontArialGives) {
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(16);
    QFont chosen(logoLetteringFamily());
    chosen.setPointSize(16);
    EXPECT_EQ(QFontInfo(chosen).family(), QFontInfo(arial).family());
    EXPECT_TRUE(lettered(logoLetteringFamily()) == lettered(QStringLiteral("Arial")))
        << "the letters differ from Arial's on this machine";
}

} // namespace
} // namespace kestrelon
