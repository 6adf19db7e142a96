#include "world_map.h"

#include <array>
#include <span>

namespace kestrelon::logo {
namespace {

struct LonLat {
    double lon;
    double lat;
};

// Coastlines as rough polygons, longitude then latitude, each walked once around.
constexpr LonLat kAfrica[] = {
    {-6, 36},  {10, 37},  {11, 33},  {20, 31},  {32, 31},  {34, 28},  {39, 16},  {43, 12},
    {51, 12},  {48, 5},   {42, -1},  {40, -10}, {40, -16}, {35, -24}, {32, -29}, {27, -34},
    {20, -35}, {18, -34}, {15, -27}, {12, -17}, {13, -9},  {9, -1},   {9, 4},    {4, 6},
    {-3, 5},   {-8, 4},   {-13, 8},  {-17, 14}, {-16, 21}, {-13, 27}, {-10, 30}};

constexpr LonLat kMadagascar[] = {{44, -25}, {47, -25}, {50, -15}, {49, -12}, {44, -16}};

constexpr LonLat kEurasia[] = {
    {-9, 37},  {-9, 43},  {-2, 43},  {-4, 48},  {2, 51},   {8, 54},   {8, 57},   {11, 57},
    {11, 59},  {5, 59},   {5, 62},   {14, 68},  {20, 70},  {28, 71},  {40, 67},  {44, 68},
    {60, 69},  {70, 73},  {80, 73},  {100, 77}, {113, 74}, {130, 71}, {140, 72}, {160, 70},
    {180, 68}, {180, 65}, {178, 62}, {163, 60}, {156, 51}, {155, 58}, {143, 59}, {137, 54},
    {141, 48}, {135, 43}, {129, 40}, {129, 35}, {126, 35}, {125, 39}, {121, 39}, {122, 31},
    {120, 26}, {114, 22}, {108, 21}, {109, 12}, {105, 9},  {100, 13}, {100, 7},  {103, 1},
    {98, 8},   {98, 16},  {94, 17},  {92, 22},  {87, 21},  {80, 15},  {77, 8},   {73, 17},
    {72, 21},  {67, 24},  {58, 25},  {56, 27},  {50, 30},  {48, 30},  {51, 24},  {56, 25},
    {59, 22},  {52, 16},  {43, 13},  {39, 21},  {35, 28},  {34, 32},  {36, 36},  {30, 36},
    {27, 37},  {26, 40},  {23, 40},  {22, 37},  {20, 40},  {19, 42},  {13, 45},  {12, 44},
    {18, 40},  {16, 38},  {11, 42},  {9, 44},   {3, 43},   {3, 42},   {0, 39},   {-2, 37},
    {-5, 36}};

constexpr LonLat kBritain[] = {{-5, 50},   {1, 51},  {2, 53},  {-2, 56}, {-3, 58.6},
                               {-5, 58.5}, {-6, 56}, {-3, 54}, {-5, 52}};

constexpr LonLat kIreland[] = {{-10, 52}, {-6, 52}, {-6, 55}, {-8, 55}, {-10, 54}};

constexpr LonLat kIceland[] = {{-24, 64}, {-14, 65}, {-18, 66.5}, {-22, 66}};

constexpr LonLat kJapan[] = {{130, 31}, {135, 34}, {140, 35}, {142, 40}, {141, 45},
                             {145, 44}, {140, 41}, {136, 37}, {131, 34}};

constexpr LonLat kNorthAmerica[] = {
    {-168, 66}, {-156, 71}, {-140, 70}, {-120, 70}, {-95, 72},  {-82, 70},  {-64, 60},  {-56, 52},
    {-66, 45},  {-70, 42},  {-76, 35},  {-81, 31},  {-80, 25},  {-83, 29},  {-90, 30},  {-97, 27},
    {-97, 20},  {-90, 21},  {-87, 21},  {-88, 16},  {-83, 15},  {-83, 9},   {-77, 9},   {-80, 7},
    {-86, 12},  {-92, 14},  {-105, 20}, {-110, 23}, {-117, 32}, {-124, 40}, {-124, 48}, {-130, 55},
    {-140, 60}, {-150, 61}, {-165, 55}, {-158, 58}, {-165, 62}};

constexpr LonLat kGreenland[] = {{-73, 78}, {-60, 82}, {-30, 83}, {-20, 80},
                                 {-20, 70}, {-43, 60}, {-50, 64}, {-55, 70}};

constexpr LonLat kSouthAmerica[] = {{-77, 9},   {-72, 12},  {-62, 10},  {-52, 5},   {-50, 0},
                                    {-44, -2},  {-35, -5},  {-35, -9},  {-39, -15}, {-41, -22},
                                    {-48, -26}, {-53, -34}, {-58, -38}, {-63, -41}, {-65, -45},
                                    {-68, -50}, {-69, -55}, {-74, -52}, {-74, -42}, {-72, -30},
                                    {-71, -18}, {-76, -14}, {-81, -6},  {-80, -2},  {-77, 4}};

constexpr LonLat kAustralia[] = {{114, -22}, {122, -18}, {130, -12}, {137, -12}, {136, -16},
                                 {141, -11}, {146, -19}, {153, -25}, {153, -30}, {150, -37},
                                 {144, -38}, {138, -35}, {135, -34}, {131, -31}, {124, -33},
                                 {116, -35}, {115, -31}};

// Seas inside the land polygons.
constexpr LonLat kBlackSea[] = {{28, 41}, {41, 41}, {39, 47}, {31, 46}};
constexpr LonLat kCaspianSea[] = {{47, 45}, {53, 45}, {54, 37}, {49, 37}};
constexpr LonLat kBalticSea[] = {{10, 54}, {20, 54}, {24, 60}, {30, 60}, {22, 65.5},
                                 {17, 62}, {19, 59}, {16, 56}, {12, 56}};
constexpr LonLat kHudsonBay[] = {{-95, 59}, {-80, 63}, {-78, 55}, {-82, 52}, {-92, 57}};

// The great deserts, drawn sandy.
constexpr LonLat kSahara[] = {{-17, 17}, {-13, 27}, {-8, 30}, {0, 32},  {10, 31},
                              {20, 29},  {30, 30},  {34, 28}, {38, 20}, {35, 15},
                              {25, 15},  {15, 13},  {5, 16},  {-5, 16}, {-12, 15}};
constexpr LonLat kArabia[] = {{36, 31}, {47, 30}, {50, 25}, {57, 21}, {53, 17}, {45, 16}, {40, 20}};
constexpr LonLat kKalahari[] = {{13, -18}, {20, -18}, {25, -24}, {21, -29}, {16, -29}};
constexpr LonLat kAustralianDesert[] = {{118, -22}, {130, -19}, {140, -24},
                                        {138, -30}, {125, -31}, {118, -28}};
constexpr LonLat kGobi[] = {{75, 40},  {90, 43}, {105, 45}, {115, 43},
                            {105, 38}, {90, 37}, {78, 37}};

constexpr std::array<std::span<const LonLat>, 11> kLand = {
    kAfrica, kMadagascar,   kEurasia,   kBritain,      kIreland,   kIceland,
    kJapan,  kNorthAmerica, kGreenland, kSouthAmerica, kAustralia,
};
constexpr std::array<std::span<const LonLat>, 4> kSeas = {kBlackSea, kCaspianSea, kBalticSea,
                                                          kHudsonBay};
constexpr std::array<std::span<const LonLat>, 5> kDeserts = {kSahara, kArabia, kKalahari,
                                                             kAustralianDesert, kGobi};

// Even-odd rule on the plain longitude-latitude plane, which is close enough for
// polygons this coarse and none of which crosses the date line.
bool inside(std::span<const LonLat> polygon, double lon, double lat) {
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const LonLat a = polygon[i];
        const LonLat b = polygon[j];
        if ((a.lat > lat) != (b.lat > lat) &&
            lon < a.lon + (lat - a.lat) * (b.lon - a.lon) / (b.lat - a.lat)) {
            in = !in;
        }
    }
    return in;
}

bool insideAny(std::span<const std::span<const LonLat>> polygons, double lon, double lat) {
    for (const auto polygon : polygons) {
        if (inside(polygon, lon, lat)) {
            return true;
        }
    }
    return false;
}

} // namespace

Terrain terrainAt(double lat, double lon) {
    if (lat < -66) {
        return Terrain::Ice; // Antarctica
    }
    if (!insideAny(kLand, lon, lat) || insideAny(kSeas, lon, lat)) {
        return lat > 78 ? Terrain::Ice : Terrain::Ocean; // pack ice round the pole
    }
    if (lat > 72 || inside(kGreenland, lon, lat)) {
        return Terrain::Ice;
    }
    return insideAny(kDeserts, lon, lat) ? Terrain::Desert : Terrain::Land;
}

} // namespace kestrelon::logo
