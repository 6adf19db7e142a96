#pragma once
// The "Pixels" file: every pixel of the globe disc with its colour, in dissolve order.

#include "store/logo_files.h"

#include <cstdint>

namespace kestrelon::logo {

// The pixels that lie wholly inside the circle of the given diameter, positioned from
// the top-left corner of its bounding square. Throws std::invalid_argument when they
// do not fit in the file.
GlobePixels makeGlobePixels(int diameter, std::uint32_t seed);

} // namespace kestrelon::logo
