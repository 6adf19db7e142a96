#pragma once
// The main window's picture area. It keeps its picture in an image so that the
// animation can set single pixels between repaints, as on a plain canvas: a repaint
// asked for by the window system draws the pictogram afresh and so removes the part
// of the globe drawn so far; a repaint after an animation pass only shows the pixels.

#include <QImage>
#include <QWidget>
#include <functional>

namespace kestrelon {

class LogoPaintBox : public QWidget {
public:
    using PaintHandler = std::function<void(QPainter&)>;

    LogoPaintBox(QSize size, PaintHandler onPaint, QWidget* parent);

    // Draws the pictogram afresh into the picture and shows it.
    void repaintPicture();
    // Sets single pixels on the current picture (animation passes).
    QImage& canvas() { return canvas_; }
    void showCanvas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void drawPicture();

    QImage canvas_;
    PaintHandler onPaint_;
    bool pixelsOnly_ = false;
};

} // namespace kestrelon
