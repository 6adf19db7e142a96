#include "offset_act_signatures.h"

#include "div_st.h"

namespace kestrelon::offset_act {

Signatures wrapSignatures(const Context& c) {
    const Measures& m = c.m;
    const int gap = c.width("W", m.body);
    const int middle = (m.left + m.right) / 2;
    const int principalWidth = middle - gap / 2 - m.left;
    const int agentWidth = m.right - (middle + gap - gap / 2);
    Signatures s;
    for (std::size_t row = 0; row < Signatures::kRows; ++row) {
        const std::string& principal = c.item(kSignatures + row);
        const std::string& agent = c.item(kSignatures + Signatures::kRows + row);
        s.principal[row] = wrapWider(principal, m.body, principalWidth, c.metrics, kAnyLines).lines;
        s.agent[row] = wrapWider(agent, m.body, agentWidth, c.metrics, kAnyLines).lines;
    }
    return s;
}

void placeSignatures(const Context& c, PageWriter& page, const Signatures& s, int clause5Y) {
    const Measures& m = c.m;
    int y = clause5Y + c.lines(Clause5) * m.hb;
    for (std::size_t row = 0; row < Signatures::kRows; ++row) {
        y += Signatures::kGapBefore[row] * m.hb;
        for (std::size_t k = 0; k < s.principal[row].size(); ++k) {
            page.text(s.principal[row][k], m.left, y + static_cast<int>(k) * m.hb, m.body);
        }
        for (std::size_t k = 0; k < s.agent[row].size(); ++k) {
            const std::string& line = s.agent[row][k];
            page.text(line, m.right - c.width(line, m.body), y + static_cast<int>(k) * m.hb,
                      m.body);
        }
        y += s.rowLines(row) * m.hb;
    }
}

} // namespace kestrelon::offset_act
