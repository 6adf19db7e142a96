#include "qt_text_metrics.h"

#include "cp1251_qstring.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace kestrelon {

namespace {

// The cell-to-em ratio is taken at a large size, where rounding of ascent and descent does
// not disturb it.
constexpr int kProbePixels = 1000;

} // namespace

QtTextMetrics::QtTextMetrics(QPaintDevice* device) : device_(device) {}

int QtTextMetrics::width(const std::string& text, const FontSpec& font) const {
    return sized(font).metrics.horizontalAdvance(fromCp1251(text));
}

int QtTextMetrics::height(const std::string&, const FontSpec& font) const {
    return sized(font).metrics.height();
}

const QFont& QtTextMetrics::font(const FontSpec& spec) const {
    return sized(spec).font;
}

int QtTextMetrics::ascent(const FontSpec& spec) const {
    return sized(spec).metrics.ascent();
}

const QtTextMetrics::SizedFont& QtTextMetrics::sized(const FontSpec& spec) const {
    const Key key{spec.family, spec.pixelHeight, spec.bold};
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        found = cache_.emplace(key, fit(spec)).first;
    }
    return found->second;
}

QtTextMetrics::SizedFont QtTextMetrics::fit(const FontSpec& spec) const {
    const int wanted = std::max(1, spec.pixelHeight);
    QFont font(QString::fromStdString(spec.family));
    font.setBold(spec.bold);
    const auto cell = [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font, device_).height();
    };
    const int probeHeight = std::max(1, cell(kProbePixels));
    int pixels =
        std::max(1, static_cast<int>(std::lround(double(wanted) * kProbePixels / probeHeight)));

    // Ascent and descent are rounded separately, so the proportional guess may be a pixel or
    // two off: the largest size whose cell is not higher than wanted is found from it. A line
    // step of the cell's height then always holds the text.
    while (pixels > 1 && cell(pixels) > wanted) {
        --pixels;
    }
    while (cell(pixels + 1) <= wanted) {
        ++pixels;
    }
    font.setPixelSize(pixels);
    return SizedFont{font, QFontMetrics(font, device_)};
}

} // namespace kestrelon
