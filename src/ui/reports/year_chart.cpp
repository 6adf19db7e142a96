#include "year_chart.h"

#include "reports/values/money.h"
#include "store/cp1251.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kestrelon {
namespace {

const QColor kRemuneration(0x2E, 0x7D, 0x32);
const QColor kToPrincipal(0x15, 0x65, 0xC0);
const QColor kSelectedGround(0xFF, 0xF3, 0xB0);
constexpr int kLegendHeight = 18;
constexpr int kLabelHeight = 18;

} // namespace

YearChart::YearChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("YearChart"));
    setAccessibleName(QStringLiteral("Вознаграждение и сумма принципалу по месяцам"));
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QStringLiteral("Щелчок — выбрать месяц, двойной щелчок или Enter — открыть "
                              "отчет месяца; стрелки влево и вправо — соседний месяц"));
}

void YearChart::showSummary(const YearSummary& summary) {
    QStringList said;
    for (std::size_t m = 0; m < 12; ++m) {
        const SummarySums& sums = summary.months[m].sums;
        remuneration_[m] = sums.remuneration;
        toPrincipal_[m] = sums.toPrincipal;
        if (sums.reports > 0) {
            said << QStringLiteral("%1: вознаграждение %2, принципалу %3")
                        .arg(QString::fromStdString(cp1251ToUtf8(monthName(static_cast<int>(m)))),
                             QString::fromStdString(groupedAmount(sums.remuneration)),
                             QString::fromStdString(groupedAmount(sums.toPrincipal)));
        }
    }
    setAccessibleDescription(said.isEmpty() ? QStringLiteral("Отчетов за год нет.")
                                            : said.join(QStringLiteral("; ")) + u'.');
    update();
}

void YearChart::selectMonth(int month) {
    selected_ = month;
    update();
}

QRectF YearChart::monthArea(int month) const {
    const double width = static_cast<double>(this->width()) / 12.0;
    return {month * width, 0.0, width, static_cast<double>(height())};
}

int YearChart::monthAt(const QPoint& point) const {
    if (width() <= 0) {
        return -1;
    }
    const int month = point.x() * 12 / width();
    return month >= 0 && month < 12 ? month : -1;
}

void YearChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    for (int m = 0; m < 12; ++m) {
        if (m == selected_) {
            painter.fillRect(monthArea(m), kSelectedGround);
        }
    }
    // Two bands, each to its own scale: the remuneration is a small part of the sum due and
    // would not show beside it.
    const double top = kLegendHeight;
    const double bottom = height() - kLabelHeight;
    const double band = (bottom - top) / 2;
    const auto drawBand = [&](double bandTop, const std::array<std::uint64_t, 12>& values,
                              const QColor& colour, const QString& caption) {
        const std::uint64_t largest =
            std::max(*std::max_element(values.begin(), values.end()), std::uint64_t{1});
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(4, bandTop - kLegendHeight, width() - 8, kLegendHeight),
                         Qt::AlignLeft | Qt::AlignBottom,
                         QStringLiteral("%1, до %2 руб.")
                             .arg(caption, QString::fromStdString(groupedAmount(largest))));
        const double room = band - kLegendHeight - 2;
        for (int m = 0; m < 12; ++m) {
            const QRectF area = monthArea(m);
            const double barWidth = std::max(2.0, area.width() * 0.45);
            const double h = room * static_cast<double>(values[static_cast<std::size_t>(m)]) /
                             static_cast<double>(largest);
            painter.fillRect(
                QRectF(area.center().x() - barWidth / 2, bandTop + room - h, barWidth, h), colour);
        }
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(QPointF(0, bandTop + room), QPointF(width(), bandTop + room));
    };
    drawBand(top, remuneration_, kRemuneration, QStringLiteral("Вознаграждение"));
    drawBand(top + band, toPrincipal_, kToPrincipal, QStringLiteral("Принципалу"));
    painter.setPen(palette().color(QPalette::Text));
    for (int m = 0; m < 12; ++m) {
        const QRectF area = monthArea(m);
        const QString label = QString::fromStdString(cp1251ToUtf8(monthName(m))).left(3);
        painter.drawText(QRectF(area.left(), bottom, area.width(), kLabelHeight), Qt::AlignCenter,
                         label);
    }
    if (hasFocus() && selected_ >= 0) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(monthArea(selected_).adjusted(1, 1, -2, -2));
    }
}

void YearChart::choose(int month) {
    if (month < 0) {
        return;
    }
    selectMonth(month);
    if (onMonthChosen) {
        onMonthChosen(month);
    }
}

void YearChart::mousePressEvent(QMouseEvent* event) {
    choose(monthAt(event->position().toPoint()));
    QWidget::mousePressEvent(event);
}

void YearChart::mouseDoubleClickEvent(QMouseEvent* event) {
    const int month = monthAt(event->position().toPoint());
    if (month >= 0 && onMonthOpened) {
        choose(month);
        onMonthOpened(month);
    }
}

void YearChart::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        choose(std::max(selected_ - 1, 0));
        return;
    case Qt::Key_Right:
        choose(std::min(selected_ + 1, 11));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selected_ >= 0 && onMonthOpened) {
            onMonthOpened(selected_);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kestrelon
