#include "globe_pixels.h"

#include "globe_shading.h"
#include "point_order.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace kestrelon::logo {
namespace {

struct Pixel {
    int x, y;
};

// All four corners of the pixel inside the circle: it lies inside however a reader
// rounds its position, and the painted circle's soft edge stays orange.
bool whollyInside(int x, int y, int diameter) {
    const long long d = diameter;
    auto cornerInside = [d](long long cx, long long cy) {
        // (2cx - d)^2 + (2cy - d)^2 <= d^2 is the circle in doubled, integer units.
        return (2 * cx - d) * (2 * cx - d) + (2 * cy - d) * (2 * cy - d) <= d * d;
    };
    return cornerInside(x, y) && cornerInside(x + 1, y) && cornerInside(x, y + 1) &&
           cornerInside(x + 1, y + 1);
}

std::vector<Pixel> discPixels(int diameter) {
    std::vector<Pixel> pixels;
    for (int y = 0; y < diameter; ++y) {
        for (int x = 0; x < diameter; ++x) {
            if (whollyInside(x, y, diameter)) {
                pixels.push_back({x, y});
            }
        }
    }
    return pixels;
}

// Red in the low byte, then green, then blue.
std::uint32_t windowsColour(Rgb c) {
    return static_cast<std::uint32_t>(c.r) | static_cast<std::uint32_t>(c.g) << 8 |
           static_cast<std::uint32_t>(c.b) << 16;
}

} // namespace

GlobePixels makeGlobePixels(int diameter, std::uint32_t seed) {
    std::vector<Pixel> pixels = discPixels(diameter);
    if (pixels.size() > GlobePixels::kCapacity) {
        throw std::invalid_argument("a globe " + std::to_string(diameter) +
                                    " pixels across has too many points for the file");
    }
    XorShift32 random(seed);
    shuffle(pixels, random);

    GlobePixels globe;
    globe.count = static_cast<std::int16_t>(pixels.size());
    const double radius = diameter / 2.0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Pixel p = pixels[i];
        const double u = (p.x + 0.5 - radius) / radius;
        const double v = (p.y + 0.5 - radius) / radius;
        GlobePoint& point = globe.points[i];
        point.x = static_cast<std::uint16_t>(p.x);
        point.y = static_cast<std::uint16_t>(p.y);
        point.colour = windowsColour(globeColourAt(u, v));
    }
    return globe;
}

} // namespace kestrelon::logo
