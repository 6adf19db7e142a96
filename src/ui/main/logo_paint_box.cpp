#include "logo_paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrelon {

LogoPaintBox::LogoPaintBox(QSize size, PaintHandler onPaint, QWidget* parent)
    : QWidget(parent), canvas_(size, QImage::Format_RGB32), onPaint_(std::move(onPaint)) {
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    drawPicture();
}

void LogoPaintBox::drawPicture() {
    canvas_.fill(palette().color(QPalette::Window));
    QPainter painter(&canvas_);
    onPaint_(painter);
}

void LogoPaintBox::repaintPicture() {
    drawPicture();
    pixelsOnly_ = true;
    update();
}

void LogoPaintBox::showCanvas() {
    pixelsOnly_ = true;
    update();
}

void LogoPaintBox::paintEvent(QPaintEvent*) {
    if (!pixelsOnly_) {
        drawPicture();
    }
    pixelsOnly_ = false;
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

// Clicking the picture has no effect.
void LogoPaintBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace kestrelon
