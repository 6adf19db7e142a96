#pragma once
// The colour of each point of the globe picture: an orthographic view of the map,
// lit from the upper left, with a grid of meridians and parallels.

#include <cstdint>

namespace kestrelon::logo {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// u grows to the right, v downwards; the globe's outline is u*u + v*v = 1.
// Points outside the outline get the colour of the globe's rim.
Rgb globeColourAt(double u, double v);

} // namespace kestrelon::logo
