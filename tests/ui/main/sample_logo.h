#pragma once
// A small "Tel" whose layout numbers are worked out by hand in the tests.

#include "store/logo_files.h"

namespace kestrelon::test {

inline LogoParams sampleLogoParams() {
    LogoParams p;
    p.X = 20, p.Y = 70, p.W = 100, p.H = 60, p.R = 16;
    p.A = 9, p.B = 8, p.K = 20;
    p.D = 120, p.E = 40;
    p.F = 30, p.G = 14, p.Q = 6, p.V = 4;
    p.SW = 48, p.SH = 36;
    p.CX = 190, p.CD = 150;
    p.X2 = 400, p.Y2 = 20, p.X3 = 420, p.Y3 = 80, p.X4 = 400, p.Y4 = 150;
    p.S = 0.5f;
    return p;
}

} // namespace kestrelon::test
