#pragma once
// Text measurement on a real Qt paint device (screen image, printer, PDF). A document font is
// given by the height of its character cell, as a Windows font height is; Qt sizes fonts by
// the em, so each family, weight and cell height gets the largest pixel size whose cell is no
// higher: lines stacked that far apart never overlap.

#include "documents/words/text_metrics.h"

#include <QFont>
#include <QFontMetrics>
#include <map>
#include <string>
#include <tuple>

class QPaintDevice;

namespace kestrelon {

class QtTextMetrics final : public TextMetrics {
public:
    // The device must outlive the metrics.
    explicit QtTextMetrics(QPaintDevice* device);

    int width(const std::string& text, const FontSpec& font) const override;
    int height(const std::string& text, const FontSpec& font) const override;

    // The Qt font that draws `spec` on this device, and the distance from the cell's top to
    // the baseline.
    const QFont& font(const FontSpec& spec) const;
    int ascent(const FontSpec& spec) const;

private:
    struct SizedFont {
        QFont font;
        QFontMetrics metrics;
    };
    using Key = std::tuple<std::string, int, bool>;

    const SizedFont& sized(const FontSpec& spec) const;
    SizedFont fit(const FontSpec& spec) const;

    QPaintDevice* device_;
    mutable std::map<Key, SizedFont> cache_;
};

} // namespace kestrelon
