#pragma once
// The year's months as bars: for each month its remuneration and its sum due to the principal,
// the selected month on a highlighted ground. A click selects a month, a double click (or
// Enter) opens its report; Left and Right move the selection. A screen reader names the picture
// and reads its values from its description.

#include "reports/summary/year_summary.h"

#include <QWidget>
#include <functional>

namespace kestrelon {

class YearChart : public QWidget {
public:
    explicit YearChart(QWidget* parent);

    void showSummary(const YearSummary& summary);
    void selectMonth(int month); // -1: none
    int selectedMonth() const { return selected_; }
    // The month under a point of the picture, -1 outside the months.
    int monthAt(const QPoint& point) const;

    std::function<void(int month)> onMonthChosen;
    std::function<void(int month)> onMonthOpened;

    QSize sizeHint() const override { return {560, 200}; }
    QSize minimumSizeHint() const override { return {300, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF monthArea(int month) const;
    void choose(int month);

    std::array<std::uint64_t, 12> remuneration_{};
    std::array<std::uint64_t, 12> toPrincipal_{};
    int selected_ = -1;
};

} // namespace kestrelon
