#include "screen_scale.h"

namespace kestrelon {
namespace {

constexpr double kLeastPixelsPerMm = 1.0;
constexpr double kMostPixelsPerMm = 40.0;

double pixelsPerMm(int pixels, double mm) {
    if (pixels <= 0 || !(mm > 0)) {
        return kFallbackPixelsPerMm;
    }
    const double scale = pixels / mm;
    return scale >= kLeastPixelsPerMm && scale <= kMostPixelsPerMm ? scale : kFallbackPixelsPerMm;
}

} // namespace

PageScale screenPageScale(int widthPixels, int heightPixels, double widthMm, double heightMm) {
    return {pixelsPerMm(widthPixels, widthMm), pixelsPerMm(heightPixels, heightMm)};
}

} // namespace kestrelon
