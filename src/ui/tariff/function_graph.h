#pragma once
// The function editor's paint area: the step graph of a tariff function, drawn from a layout
// that the editor computes. Green axes with ticks and labels, yellow dotted guide lines, and
// the blue step line with its risers on top.

#include "tariff/graph_layout.h"

#include <QWidget>

namespace kestrelon {

class FunctionGraph : public QWidget {
public:
    static constexpr QSize kDesignedSize{630, 200};
    static constexpr int kFontPixels = 13;

    explicit FunctionGraph(QWidget* parent);

    // Text sizes in the graph's font, for the layout.
    tariff::MeasureText measure() const;
    // Keeps the layout and repaints.
    void showGraph(const tariff::GraphLayout& layout);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    tariff::GraphLayout layout_;
};

} // namespace kestrelon
