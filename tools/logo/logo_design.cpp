#include "logo_design.h"

namespace kestrelon::logo {

LogoParams logoDesign() {
    LogoParams p;
    // The main telephone on the left; the middle of its body is the circle's middle.
    p.X = 30, p.Y = 60, p.W = 100, p.H = 80, p.R = 18;
    p.A = 14, p.B = 12, p.K = 18;
    p.D = 120, p.E = 40;
    p.F = 22, p.G = 14, p.Q = 8, p.V = 16;
    p.SW = 52, p.SH = 40;
    // The circle with the globe in the middle: 150 pixels across holds a whole disc
    // of points in the "Pixels" file.
    p.CX = 190, p.CD = 150;
    // Three small telephones stacked on the right.
    p.X2 = 430, p.Y2 = 28, p.X3 = 455, p.Y3 = 87, p.X4 = 430, p.Y4 = 146;
    p.S = 0.45f;
    return p;
}

} // namespace kestrelon::logo
