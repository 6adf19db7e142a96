#pragma once
// A coarse hand-drawn map of the Earth: what covers the ground at a latitude and
// longitude, good enough for a globe some 150 pixels across.

namespace kestrelon::logo {

enum class Terrain { Ocean, Land, Desert, Ice };

// Latitude in degrees north (-90..90), longitude in degrees east (-180..180).
Terrain terrainAt(double latitude, double longitude);

} // namespace kestrelon::logo
