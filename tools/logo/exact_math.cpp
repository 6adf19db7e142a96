#include "exact_math.h"

#include <cmath>

namespace kestrelon::logo {
namespace {

// atan(t) for |t| <= 1: two half-angle steps bring t below tan(pi/16) ~ 0.2, where the
// Taylor series has converged to double precision after a dozen terms.
double atanUnit(double t) {
    for (int i = 0; i < 2; ++i) {
        t = t / (1.0 + std::sqrt(1.0 + t * t));
    }
    const double t2 = t * t;
    double term = t;
    double sum = 0.0;
    for (int k = 0; k < 14; ++k) {
        sum += term / (2 * k + 1);
        term *= -t2;
    }
    return 4.0 * sum;
}

} // namespace

double exactAtan2Degrees(double y, double x) {
    if (x == 0.0 && y == 0.0) {
        return 0.0;
    }
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    // The first octant angle, then mirrored into the point's quadrant.
    double a = ay <= ax ? atanUnit(ay / ax) : kPi / 2.0 - atanUnit(ax / ay);
    if (x < 0.0) {
        a = kPi - a;
    }
    if (y < 0.0) {
        a = -a;
    }
    return a * 180.0 / kPi;
}

SinCos exactSinCosDegrees(double degrees) {
    // Halve the angle until it is small, sum the series, then double back up.
    double x = degrees * kPi / 180.0;
    int halvings = 0;
    while (std::fabs(x) > 0.1) {
        x /= 2.0;
        ++halvings;
    }
    // x^k / k! alternates between the cosine (even k) and the sine (odd k), the sign
    // flipping every second term of each.
    double s = 0.0;
    double c = 0.0;
    double term = 1.0;
    for (int k = 0; k < 12; ++k) {
        const double value = (k / 2) % 2 == 0 ? term : -term;
        (k % 2 == 0 ? c : s) += value;
        term *= x / (k + 1);
    }
    for (int i = 0; i < halvings; ++i) {
        const double s2 = 2.0 * s * c;
        c = c * c - s * s;
        s = s2;
    }
    return {s, c};
}

} // namespace kestrelon::logo
