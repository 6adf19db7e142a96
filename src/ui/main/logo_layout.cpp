#include "logo_layout.h"

#include <cmath>
#include <limits>

namespace kestrelon {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended precision");

// Round to nearest, halves to even.
std::int32_t roundEven(long double value) {
    return static_cast<std::int32_t>(std::rintl(value));
}

// Every length of the parameters passes through here: unchanged for the main telephone,
// multiplied by S and rounded, term by term, for the small ones.
struct Scale {
    long double factor = 1.0L;
    bool scaled = false;
    std::int32_t operator()(long double term) const {
        return scaled ? roundEven(term * factor) : roundEven(term);
    }
};

PhoneLayout phoneAt(std::int32_t X, std::int32_t Y, const LogoParams& p, Scale s) {
    const int W = p.W, H = p.H, A = p.A, B = p.B, K = p.K, D = p.D, E = p.E;
    const int F = p.F, G = p.G, V = p.V, SW = p.SW, SH = p.SH;
    PhoneLayout ph;
    ph.body = {X, Y, X + s(W), Y + s(H)};
    ph.bodyRounding = s(p.R);

    ph.leftNeck.ellipse = {X + s(K) - s(A) + 1, Y - s(2 * B), X + s(K) + s(A) + 1, Y};
    ph.leftNeck.from = {X + s(K), Y};
    ph.leftNeck.to = {X + s(K) + s(A), Y - s(B)};

    ph.rightNeck.ellipse = {X + s(W) - s(K) - s(A), Y - s(2 * B), X + s(W) - s(K) + s(A), Y};
    ph.rightNeck.from = {X + s(W) - s(K) - s(A), Y - s(B) + 1};
    ph.rightNeck.to = {X + s(W) - s(K) + 1, Y};

    const std::int32_t hx = X - s((D - W) / 2.0L);
    const std::int32_t hy = Y - s(B) - s(E / 2.0L);
    ph.handset.ellipse = {hx, hy, hx + s(D), hy + s(E)};
    ph.handset.from = {hx + s(D), Y - s(B)};
    ph.handset.to = {hx, Y - s(B)};

    ph.leftEar = {hx, hy + s(V), hx + s(F), hy + s(V) + s(G)};
    ph.rightEar = {hx + s(D) - s(F), hy + s(V), hx + s(D), hy + s(V) + s(G)};
    ph.earRounding = s(p.Q);

    const std::int32_t dx = X + s((W - SW) / 2.0L);
    const std::int32_t dy = Y + s((H - SH) / 2.0L);
    ph.dial = {dx, dy, dx + s(SW), dy + s(SH)};
    const std::int32_t third = s(SW / 3.0L);
    const std::int32_t thirdH = s(SH / 3.0L);
    ph.dialLines[0] = {{dx + third, dy}, {dx + third, dy + s(SH)}};
    ph.dialLines[1] = {{dx + s(SW) - third, dy}, {dx + s(SW) - third, dy + s(SH)}};
    ph.dialLines[2] = {{dx, dy + thirdH}, {dx + s(SW), dy + thirdH}};
    ph.dialLines[3] = {{dx, dy + s(SH) - thirdH}, {dx + s(SW), dy + s(SH) - thirdH}};
    return ph;
}

bool inRange(std::int32_t v) {
    return v >= 0 && v <= 65535;
}
bool inRange(const LogoRect& r) {
    return inRange(r.left) && inRange(r.top) && inRange(r.right) && inRange(r.bottom);
}
bool inRange(const LogoPoint& p) {
    return inRange(p.x) && inRange(p.y);
}
bool inRange(const LogoArc& a) {
    return inRange(a.ellipse) && inRange(a.from) && inRange(a.to);
}
bool inRange(const PhoneLayout& ph) {
    bool ok = inRange(ph.body) && inRange(ph.leftNeck) && inRange(ph.rightNeck) &&
              inRange(ph.handset) && inRange(ph.leftEar) && inRange(ph.rightEar) &&
              inRange(ph.dial);
    for (const auto& line : ph.dialLines) {
        ok = ok && inRange(line.from) && inRange(line.to);
    }
    return ok;
}

} // namespace

std::optional<LogoLayout> ComputeLogoLayout(const LogoParams& p) {
    LogoLayout L;
    const std::int32_t X = p.X, Y = p.Y, W = p.W, H = p.H;
    L.mainPhone = phoneAt(X, Y, p, Scale{});

    L.CX = p.CX;
    L.CD = p.CD;
    L.CY = roundEven(Y + H / 2.0L - L.CD / 2.0L);
    L.circle = {L.CX, L.CY, L.CX + L.CD, L.CY + L.CD};

    const std::int32_t midY = roundEven(Y + H / 2.0L);
    const std::int32_t k = (L.CX - X + W) / 3;
    L.mainCord = {{{X + W, midY}, {X + W + k, Y}, {L.CX - k, Y + H}, {L.CX, midY}}};

    const Scale small{static_cast<long double>(p.S.get()), true};
    const std::array<LogoPoint, 3> origins = {{{p.X2, p.Y2}, {p.X3, p.Y3}, {p.X4, p.Y4}}};
    const long double radius = L.CD / 2.0L;
    const long double diagonal = std::cos(std::acos(-1.0L) / 4.0L) * radius;
    const std::array<LogoPoint, 3> starts = {{
        {roundEven(L.CX + radius + diagonal), roundEven(L.CY + radius - diagonal)},
        {L.CX + L.CD, L.CY + roundEven(radius)},
        {roundEven(L.CX + radius + diagonal), roundEven(L.CY + radius + diagonal)},
    }};
    for (std::size_t n = 0; n < 3; ++n) {
        const LogoPoint o = origins[n];
        L.smallPhones[n] = phoneAt(o.x, o.y, p, small);
        const LogoPoint p0 = starts[n];
        const std::int32_t m = (o.x - p0.x) / 3;
        L.smallCords[n] = {
            {p0, {p0.x + m, o.y}, {o.x - m, o.y + small(H)}, {o.x, o.y + small(H / 2.0L)}}};
    }

    bool ok = inRange(L.mainPhone) && inRange(L.circle);
    for (const auto& ph : L.smallPhones) {
        ok = ok && inRange(ph);
    }
    if (!ok) {
        return std::nullopt;
    }
    return L;
}

} // namespace kestrelon
