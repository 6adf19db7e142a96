#include "offset_act_measures.h"

#include "store/cp1251.h"

namespace kestrelon::offset_act {
namespace {

constexpr double kPageLineMm = 3.5;
constexpr double kPageLineFromEdgeMm = 7 + kPageLineMm;

int lineStep(const TextMetrics& metrics, const FontSpec& font) {
    return metrics.height("W", font);
}

// The offset sum column takes its widest header word with a letter of room on either side;
// the other five columns share the rest of the table equally.
std::array<int, 7> columnGrid(const Measures& m, const TextMetrics& metrics) {
    const int last = metrics.width("wвзаимозачетаw"_cp, m.tableBold);
    const double share = (m.right - m.left - last) / 5.0;
    std::array<int, 7> columns{};
    for (int i = 0; i < 5; ++i) {
        columns[i] = m.left + roundHalfEven(i * share);
    }
    columns[5] = m.right - last;
    columns[6] = m.right;
    return columns;
}

} // namespace

Measures measureOffsetAct(const PageGeometry& g, const TextMetrics& metrics) {
    Measures m;
    m.body = FontSpec{kTimes, g.y(4.86), false};
    m.title = FontSpec{kTimes, g.y(4.86), true};
    m.table = FontSpec{kTimes, g.y(4.39), false};
    m.tableBold = FontSpec{kTimes, g.y(4.39), true};
    m.pageLine = FontSpec{kTimes, g.y(kPageLineMm), false};
    m.hb = lineStep(metrics, m.body);
    m.hbb = lineStep(metrics, m.title);
    m.ht = lineStep(metrics, m.table);
    m.htb = lineStep(metrics, m.tableBold);
    m.inset = roundHalfEven((6 * g.scale.sy - m.htb) / 2);
    m.pageWidth = g.pageWidth();
    m.pageHeight = g.pageHeight();
    m.left = g.x(25);
    m.right = m.pageWidth - g.x(15);
    m.top = g.y(15);
    m.clauseX = g.x(30);
    m.rowHeight = g.y(6);
    m.textBottom = m.pageHeight - m.top;
    // Breaking half a row above the bottom margin lets a page's last row reach at most half a
    // row into the margin.
    m.rowLimit = m.textBottom - 3 * g.scale.sy;
    // The page line sits below the lowest a row can reach (12 mm above the paper's edge) and
    // ends 7 mm above it, clear of the strip printers cannot print.
    m.pageLineY = m.pageHeight - g.y(kPageLineFromEdgeMm);
    m.columns = columnGrid(m, metrics);
    return m;
}

int preambleWidth(const Measures& m, const TextMetrics& metrics) {
    return m.right - m.left - 2 * metrics.width("W", m.body);
}

int clauseWidth(const Measures& m, const TextMetrics& metrics) {
    return m.right - m.clauseX - 2 * metrics.width("W", m.body);
}

} // namespace kestrelon::offset_act
