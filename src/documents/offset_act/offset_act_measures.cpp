#include "offset_act_measures.h"

#include "store/cp1251.h"

namespace kestrelon::offset_act {
namespace {

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
    const int body = g.pixelsWithin(m.hb);
    const int table = g.pixelsWithin(m.ht);
    m.body = FontSpec{kTimes, body, false};
    m.title = FontSpec{kTimes, body, true};
    m.table = FontSpec{kTimes, table, false};
    m.tableBold = FontSpec{kTimes, table, true};
    m.pageLine = FontSpec{kTimes, g.pixelsWithin(kPageLineUm), false};
    m.pageWidth = g.pageWidth();
    m.pageHeight = g.pageHeight();
    m.left = g.x(25);
    m.right = m.pageWidth - g.x(15);
    m.clauseX = g.x(30);
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
