#include "qt_text_metrics.h"

#include "cp1251_qstring.h"

#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <cstdlib>

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
    font.setPixelSize(kProbePixels);
    const int probeHeight = std::max(1, QFontMetrics(font, device_).height());
    const int guess =
        std::max(1, static_cast<int>(std::lround(double(wanted) * kProbePixels / probeHeight)));

    // Ascent and descent are rounded separately, so the nearest cell may belong to a
    // neighbour of the proportional guess.
    int bestPixels = guess;
    int bestError = -1;
    for (const int pixels : {guess, guess - 1, guess + 1}) {
        if (pixels < 1) {
            continue;
        }
        font.setPixelSize(pixels);
        const int error = std::abs(QFontMetrics(font, device_).height() - wanted);
        if (bestError < 0 || error < bestError) {
            bestError = error;
            bestPixels = pixels;
        }
    }
    font.setPixelSize(bestPixels);
    return SizedFont{font, QFontMetrics(font, device_)};
}

} // namespace kestrelon
