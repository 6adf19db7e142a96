#pragma once
// Angle functions built from +, -, *, / and sqrt only. IEEE 754 rounds those exactly on
// every machine, while the C library's sin and atan2 may differ in the last bit between
// implementations; the logo files must come out byte for byte the same everywhere.

namespace kestrelon::logo {

inline constexpr double kPi = 3.14159265358979323846;

// Angle of (x, y) from the positive x axis, in degrees, in (-180, 180].
double exactAtan2Degrees(double y, double x);

struct SinCos {
    double sin = 0.0;
    double cos = 1.0;
};

// Sine and cosine of an angle in degrees, |degrees| <= 180.
SinCos exactSinCosDegrees(double degrees);

} // namespace kestrelon::logo
