#include "function_graph.h"

#include "ui/widgets/qt_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace kestrelon {
namespace {

using tariff::GraphLayout;

const QColor kAxis(0, 128, 0);
const QColor kGuide(255, 255, 0);
const QColor kStep(0, 0, 255);

void drawLabel(QPainter& painter, const tariff::GraphLabel& label) {
    const QString text = fromCp1251(label.text);
    const QRect box(QPoint(label.left, label.top), painter.fontMetrics().size(0, text));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void drawAxes(QPainter& painter, const GraphLayout& g) {
    const int L = GraphLayout::kLeft;
    const int tick = GraphLayout::kTickHalf;
    painter.setPen(QPen(kAxis, 2));
    painter.drawLine(0, g.baseY, g.width, g.baseY);
    painter.drawLine(L, 0, L, g.height);
    for (std::size_t i = 1; i < 8; ++i) {
        painter.setPen(QPen(kAxis, 2));
        painter.drawLine(g.x[i], g.baseY - tick, g.x[i], g.baseY + tick);
        painter.setPen(Qt::black);
        drawLabel(painter, g.thresholdLabels[i]);
    }
    for (std::size_t i = 0; i < 8; ++i) {
        painter.setPen(QPen(kAxis, 2));
        painter.drawLine(L - tick, g.y[i], L + tick, g.y[i]);
        painter.setPen(Qt::black);
        drawLabel(painter, g.rateLabels[i]);
    }
}

void drawGuides(QPainter& painter, const GraphLayout& g) {
    QPen dotted(kGuide, 1, Qt::CustomDashLine);
    dotted.setDashPattern({1.0, 1.0});
    painter.setPen(dotted);
    for (std::size_t i = 0; i < 8; ++i) {
        painter.drawLine(GraphLayout::kLeft, g.y[i], g.width, g.y[i]);
    }
    for (std::size_t i = 1; i < 8; ++i) {
        painter.drawLine(g.x[i], 0, g.x[i], g.baseY);
    }
}

void drawSteps(QPainter& painter, const GraphLayout& g) {
    painter.setPen(QPen(kStep, 2, Qt::SolidLine));
    painter.drawLine(GraphLayout::kLeft, g.y[0], g.x[1], g.y[0]);
    for (std::size_t i = 1; i < 7; ++i) {
        painter.drawLine(g.x[i], g.y[i], g.x[i + 1], g.y[i]);
    }
    painter.drawLine(g.x[7], g.y[7], g.width, g.y[7]);
    for (std::size_t i = 1; i < 8; ++i) {
        painter.drawLine(g.x[i], g.y[i - 1], g.x[i], g.y[i]);
    }
}

} // namespace

FunctionGraph::FunctionGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(QStringLiteral("График функции"));
    QFont graphFont = font();
    graphFont.setPixelSize(kFontPixels);
    setFont(graphFont);
    setAutoFillBackground(true);
    setFixedHeight(kDesignedSize.height());
    setMinimumWidth(GraphLayout::kLeft);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

tariff::MeasureText FunctionGraph::measure() const {
    const QFontMetrics metrics(font());
    return [metrics](const std::string& text) {
        const QSize size = metrics.size(0, fromCp1251(text));
        return tariff::TextSize{size.width(), size.height()};
    };
}

void FunctionGraph::showGraph(const tariff::GraphLayout& layout) {
    layout_ = layout;
    update();
}

void FunctionGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawAxes(painter, layout_);
    drawGuides(painter, layout_);
    drawSteps(painter, layout_);
}

} // namespace kestrelon
