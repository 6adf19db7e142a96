#pragma once
// How large the document tabs show a page: fitted to the width of the view, the whole page
// in view, or a percentage of its real size (50 to 400).

#include <algorithm>
#include <array>

namespace kestrelon {

struct DocumentZoom {
    enum class Fit { None, Width, Page };
    Fit fit = Fit::None;
    int percent = 100; // with Fit::None

    friend bool operator==(const DocumentZoom&, const DocumentZoom&) = default;
};

// The percentages the zoom list offers and Ctrl+plus and Ctrl+minus step through.
inline constexpr std::array<int, 8> kZoomPercents{50, 75, 100, 125, 150, 200, 300, 400};

// The listed percentage after `percent` one step up (`step` > 0) or down; at either end it
// stays there.
inline int nextZoomPercent(double percent, int step) {
    if (step > 0) {
        for (const int p : kZoomPercents) {
            if (p > percent + 0.5) {
                return p;
            }
        }
        return kZoomPercents.back();
    }
    for (auto p = kZoomPercents.rbegin(); p != kZoomPercents.rend(); ++p) {
        if (*p < percent - 0.5) {
            return *p;
        }
    }
    return kZoomPercents.front();
}

// The scale a page `pageWidth` x `pageHeight` is drawn at in a view of `width` x `height`.
// A fitted page is never drawn below a tenth or above four times its size.
inline double zoomScale(const DocumentZoom& zoom, int width, int height, int pageWidth,
                        int pageHeight) {
    if (zoom.fit == DocumentZoom::Fit::None || pageWidth <= 0 || pageHeight <= 0) {
        return std::clamp(zoom.percent, kZoomPercents.front(), kZoomPercents.back()) / 100.0;
    }
    const double across = static_cast<double>(width) / pageWidth;
    const double scale = zoom.fit == DocumentZoom::Fit::Width
                             ? across
                             : std::min(across, static_cast<double>(height) / pageHeight);
    return std::clamp(scale, 0.1, 4.0);
}

} // namespace kestrelon
