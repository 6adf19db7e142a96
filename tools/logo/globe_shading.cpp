#include "globe_shading.h"

#include "exact_math.h"
#include "world_map.h"

#include <algorithm>
#include <cmath>

namespace kestrelon::logo {
namespace {

// The point of the Earth facing the viewer: West Africa, tilted so that Europe, the
// Atlantic and the bulge of South America all show.
constexpr double kViewLatitude = 22.0;
constexpr double kViewLongitude = -12.0;
constexpr double kGridStep = 30.0;      // degrees between grid lines
constexpr double kGridHalfWidth = 0.55; // degrees of arc on either side of a line

struct Vec3 {
    double x, y, z;
};

double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 normalised(Vec3 v) {
    const double n = std::sqrt(dot(v, v));
    return {v.x / n, v.y / n, v.z / n};
}

// Light from the upper left and in front, in screen axes (x right, y down, z towards
// the viewer).
const Vec3 kLight = normalised({-0.5, -0.6, 0.65});

// The viewer's axes in Earth axes: right, up and towards the viewer.
struct ViewFrame {
    Vec3 east, north, centre;
};

ViewFrame viewFrame() {
    const SinCos lat0 = exactSinCosDegrees(kViewLatitude);
    const SinCos lon0 = exactSinCosDegrees(kViewLongitude);
    return {{-lon0.sin, lon0.cos, 0.0},
            {-lat0.sin * lon0.cos, -lat0.sin * lon0.sin, lat0.cos},
            {lat0.cos * lon0.cos, lat0.cos * lon0.sin, lat0.sin}};
}

struct GeoPoint {
    double latitude, longitude;
    double cosLatitude;
};

// Where on the Earth a point of the visible hemisphere is, given in screen axes.
GeoPoint geoPointAt(Vec3 n) {
    static const ViewFrame frame = viewFrame();
    const auto& [east, north, centre] = frame;
    const double up = -n.y;
    const Vec3 p{n.x * east.x + up * north.x + n.z * centre.x,
                 n.x * east.y + up * north.y + n.z * centre.y,
                 n.x * east.z + up * north.z + n.z * centre.z};
    const double cosLatitude = std::sqrt(p.x * p.x + p.y * p.y);
    return {exactAtan2Degrees(p.z, cosLatitude), exactAtan2Degrees(p.y, p.x), cosLatitude};
}

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour terrainColour(Terrain t, double latitude) {
    switch (t) {
    case Terrain::Land:
        // Greener near the equator, browner towards the poles.
        return mix({40, 150, 50}, {110, 140, 60}, std::min(std::fabs(latitude) / 60.0, 1.0));
    case Terrain::Desert:
        return {215, 190, 120};
    case Terrain::Ice:
        return {240, 245, 250};
    case Terrain::Ocean:
        break;
    }
    return {25, 95, 200};
}

// Distance in degrees of arc to the nearest grid line; meridians draw together
// towards the poles.
double gridDistance(const GeoPoint& place) {
    auto offset = [](double angle) {
        const double r = angle / kGridStep;
        return std::fabs(r - std::floor(r + 0.5)) * kGridStep;
    };
    return std::min(offset(place.latitude), offset(place.longitude) * place.cosLatitude);
}

// Diffuse light with some ambient so the dark side stays visible, and a soft glint
// on the water where the light reflects towards the viewer.
Colour lit(Colour c, Vec3 normal, bool water) {
    const double light = 0.22 + 0.85 * std::max(dot(normal, kLight), 0.0);
    c = {c.r * light, c.g * light, c.b * light};
    if (water) {
        static const Vec3 half = normalised({kLight.x, kLight.y, kLight.z + 1.0});
        double glint = std::max(dot(normal, half), 0.0);
        for (int i = 0; i < 5; ++i) {
            glint *= glint; // to the 32nd power
        }
        c = mix(c, {255, 255, 255}, 0.6 * glint);
    }
    return c;
}

std::uint8_t channel(double value) {
    return static_cast<std::uint8_t>(std::clamp(std::floor(value + 0.5), 0.0, 255.0));
}

} // namespace

Rgb globeColourAt(double u, double v) {
    const double w = std::sqrt(1.0 - std::min(u * u + v * v, 1.0));
    const Vec3 normal{u, v, w};
    const GeoPoint place = geoPointAt(normal);
    const Terrain terrain = terrainAt(place.latitude, place.longitude);
    Colour c = terrainColour(terrain, place.latitude);
    if (gridDistance(place) < kGridHalfWidth) {
        c = mix(c, {235, 240, 255}, 0.45);
    }
    c = lit(c, normal, terrain == Terrain::Ocean);
    return {channel(c.r), channel(c.g), channel(c.b)};
}

} // namespace kestrelon::logo
