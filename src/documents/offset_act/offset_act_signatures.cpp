#include "offset_act_signatures.h"

#include "documents/words/div_st.h"

namespace kestrelon::offset_act {

std::array<std::vector<std::string>, 6> wrapSignatures(const DocumentText& items, const Measures& m,
                                                       const TextMetrics& metrics) {
    const int gap = metrics.width("W", m.body);
    const int middle = (m.left + m.right) / 2;
    const int principalWidth = middle - gap / 2 - m.left;
    const int agentWidth = m.right - (middle + gap - gap / 2);
    std::array<std::vector<std::string>, 6> lines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t item = kSignatures + i;
        const std::string text = item < items.size() ? items[item] : std::string();
        const int width = i < Signatures::kRows ? principalWidth : agentWidth;
        lines[i] = wrapWider(text, m.body, width, metrics, kAnyLines).lines;
    }
    return lines;
}

Signatures signaturesOf(const OffsetActText& texts) {
    Signatures s;
    for (std::size_t row = 0; row < Signatures::kRows; ++row) {
        s.principal[row] = texts.signatures[row];
        s.agent[row] = texts.signatures[Signatures::kRows + row];
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
