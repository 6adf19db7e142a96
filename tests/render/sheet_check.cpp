#include "sheet_check.h"

#include "store/cp1251.h"

#include <algorithm>
#include <sstream>

namespace kestrelon::test {
namespace {

// The length by which [a1, a2] and [b1, b2] overlap; negative when they are apart.
double overlap(double a1, double a2, double b1, double b2) {
    return std::min(std::max(a1, a2), std::max(b1, b2)) -
           std::max(std::min(a1, a2), std::min(b1, b2));
}

std::string describe(const SheetBox& b) {
    std::ostringstream out;
    out << "\"" << b.text << "\" (" << b.left << ".." << b.right << " x " << b.top << ".."
        << b.bottom << " mm)";
    return out.str();
}

bool crosses(const SheetRule& r, const SheetBox& b, double tolerance) {
    const bool vertical = r.x1 == r.x2;
    if (vertical) {
        return r.x1 > b.left + tolerance && r.x1 < b.right - tolerance &&
               overlap(r.y1, r.y2, b.top, b.bottom) > tolerance;
    }
    return r.y1 > b.top + tolerance && r.y1 < b.bottom - tolerance &&
           overlap(r.x1, r.x2, b.left, b.right) > tolerance;
}

} // namespace

std::vector<std::string> sheetFaults(const Sheet& sheet, double tolerance) {
    std::vector<std::string> faults;
    const double m = kPrintableMarginMm - tolerance;
    for (std::size_t i = 0; i < sheet.texts.size(); ++i) {
        const SheetBox& a = sheet.texts[i];
        if (a.left < m || a.top < m || a.right > sheet.width - m || a.bottom > sheet.height - m) {
            faults.push_back(describe(a) + " leaves the printable area");
        }
        for (std::size_t j = i + 1; j < sheet.texts.size(); ++j) {
            const SheetBox& b = sheet.texts[j];
            if (overlap(a.left, a.right, b.left, b.right) > tolerance &&
                overlap(a.top, a.bottom, b.top, b.bottom) > tolerance) {
                faults.push_back(describe(a) + " overlaps " + describe(b));
            }
        }
        for (const SheetRule& r : sheet.rules) {
            if (crosses(r, a, tolerance)) {
                std::ostringstream rule;
                rule << " is crossed by the rule (" << r.x1 << ", " << r.y1 << ") - (" << r.x2
                     << ", " << r.y2 << ")";
                faults.push_back(describe(a) + rule.str());
            }
        }
    }
    return faults;
}

std::vector<Sheet> sheetsOf(const PlacedDocument& document, const PageGeometry& g,
                            const TextMetrics& metrics) {
    const double sx = g.scale.sx;
    const double sy = g.scale.sy;
    const auto mmX = [&](int x) { return (x + g.offsetX) / sx; };
    const auto mmY = [&](int y) { return (y + g.offsetY) / sy; };
    std::vector<Sheet> sheets;
    for (const PlacedPage& page : document.pages) {
        Sheet sheet{document.pageWidth / sx, document.pageHeight / sy, {}, {}};
        for (const TextItem& t : page.texts) {
            if (t.text.empty()) {
                continue;
            }
            const int w = metrics.width(t.text, t.font);
            const int h = metrics.height(t.text, t.font);
            sheet.texts.push_back(
                {cp1251ToUtf8(t.text), mmX(t.x), mmY(t.y), mmX(t.x + w), mmY(t.y + h)});
        }
        for (const PlacedLine& l : page.lines) {
            sheet.rules.push_back({mmX(l.x1), mmY(l.y1), mmX(l.x2), mmY(l.y2)});
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

} // namespace kestrelon::test
