#include "logo_painter.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace kestrelon {
namespace {

const QColor kMainPhone(0, 204, 153);
const QColor kCircle(255, 153, 0);
const QColor kMainCord(0, 153, 255);
const std::array<QColor, 3> kSmallPhones = {QColor(255, 102, 255), QColor(170, 170, 0),
                                            QColor(0, 153, 255)};

QRect toRect(const LogoRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
QPointF toPoint(const LogoPoint& p) {
    return QPointF(p.x, p.y);
}

// Angle of the ray from the ellipse's centre towards p, in Qt's 1/16 degree units,
// counter-clockwise from three o'clock (y grows downwards on screen).
int rayAngle16(const LogoRect& e, const LogoPoint& p) {
    const double cx = (e.left + e.right) / 2.0;
    const double cy = (e.top + e.bottom) / 2.0;
    const double degrees = qRadiansToDegrees(std::atan2(cy - p.y, p.x - cx));
    return qRound(degrees * 16.0);
}

// Span of the counter-clockwise arc from the ray towards `from` to the ray towards `to`.
std::pair<int, int> arcAngles(const LogoArc& arc) {
    const int start = rayAngle16(arc.ellipse, arc.from);
    int span = rayAngle16(arc.ellipse, arc.to) - start;
    while (span <= 0) {
        span += 360 * 16;
    }
    return {start, span};
}

void drawArc(QPainter& p, const LogoArc& arc) {
    const auto [start, span] = arcAngles(arc);
    p.drawArc(toRect(arc.ellipse), start, span);
}

void drawChord(QPainter& p, const LogoArc& arc) {
    const auto [start, span] = arcAngles(arc);
    p.drawChord(toRect(arc.ellipse), start, span);
}

void drawRoundRect(QPainter& p, const LogoRect& r, int rounding) {
    p.drawRoundedRect(toRect(r), rounding / 2.0, rounding / 2.0);
}

void drawCord(QPainter& p, const LogoCord& cord) {
    QPainterPath path(toPoint(cord[0]));
    path.cubicTo(toPoint(cord[1]), toPoint(cord[2]), toPoint(cord[3]));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawDial(QPainter& p, const PhoneLayout& ph) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(toRect(ph.dial));
    for (const auto& line : ph.dialLines) {
        p.drawLine(toPoint(line.from), toPoint(line.to));
    }
}

void drawMainPhone(QPainter& p, const PhoneLayout& ph) {
    p.setPen(QPen(kMainPhone, 1));
    p.setBrush(kMainPhone);
    drawRoundRect(p, ph.body, ph.bodyRounding);
    p.setPen(QPen(kMainPhone, 2));
    drawArc(p, ph.leftNeck);
    drawArc(p, ph.rightNeck);
    p.setPen(QPen(kMainPhone, 1));
    drawChord(p, ph.handset);
    drawRoundRect(p, ph.leftEar, ph.earRounding);
    drawRoundRect(p, ph.rightEar, ph.earRounding);
    drawDial(p, ph);
}

void drawSmallPhone(QPainter& p, const PhoneLayout& ph, const LogoCord& cord, QColor colour) {
    p.setPen(QPen(colour, 1));
    p.setBrush(colour);
    drawRoundRect(p, ph.body, ph.bodyRounding);
    p.setPen(QPen(colour, 2));
    drawArc(p, ph.leftNeck);
    drawArc(p, ph.rightNeck);
    drawChord(p, ph.handset);
    drawRoundRect(p, ph.leftEar, ph.earRounding);
    drawRoundRect(p, ph.rightEar, ph.earRounding);
    drawDial(p, ph);
    p.setPen(QPen(Qt::black, 1));
    drawCord(p, cord);
}

void drawCircleWithName(QPainter& p, const LogoLayout& L) {
    p.setPen(QPen(kCircle, 1));
    p.setBrush(kCircle);
    p.drawEllipse(toRect(L.circle));

    QFont font(logoLetteringFamily());
    font.setPointSize(16);
    p.setFont(font);
    p.setPen(Qt::white);
    const QString name = QStringLiteral("Тарвел");
    const QFontMetrics metrics(font, p.device());
    const int left = L.CX + (L.CD - metrics.horizontalAdvance(name)) / 2;
    const int top = L.CY + (L.CD - metrics.height()) / 2;
    p.drawText(left, top + metrics.ascent(), name);
}

} // namespace

QString logoLetteringFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        const auto has = [&](const QString& name) {
            return installed.contains(name, Qt::CaseInsensitive);
        };
        const QString arial = QStringLiteral("Arial");
        const QString twin = QStringLiteral("Liberation Sans");
        return has(arial) || !has(twin) ? arial : twin;
    }();
    return family;
}

void paintLogo(QPainter& p, const LogoLayout& L) {
    p.setRenderHint(QPainter::Antialiasing, true);
    drawMainPhone(p, L.mainPhone);
    drawCircleWithName(p, L);
    p.setPen(QPen(kMainCord, 2));
    drawCord(p, L.mainCord);
    for (std::size_t n = 0; n < 3; ++n) {
        drawSmallPhone(p, L.smallPhones[n], L.smallCords[n], kSmallPhones[n]);
    }
}

} // namespace kestrelon
