#pragma once
// Geometry of the main window's pictogram, computed once from the "Tel" parameters.
// Plain arithmetic, no drawing: the window paints what this produces.

#include "store/logo_files.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kestrelon {

struct LogoPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const LogoPoint&) const = default;
};

// A rectangle from (left, top) to (right, bottom), as the drawing calls take it.
struct LogoRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const LogoRect&) const = default;
};

// Part of the ellipse inscribed in `ellipse`, counter-clockwise from the ray towards
// `from` to the ray towards `to`.
struct LogoArc {
    LogoRect ellipse;
    LogoPoint from, to;
};

struct LogoLine {
    LogoPoint from, to;
};

struct PhoneLayout {
    LogoRect body;
    std::int32_t bodyRounding = 0;
    LogoArc leftNeck, rightNeck;
    LogoArc handset; // a filled chord: the upper half of its ellipse
    LogoRect leftEar, rightEar;
    std::int32_t earRounding = 0;
    LogoRect dial;
    std::array<LogoLine, 4> dialLines; // two vertical, two horizontal
};

using LogoCord = std::array<LogoPoint, 4>; // a cubic Bezier curve

struct LogoLayout {
    PhoneLayout mainPhone;
    LogoRect circle;
    std::int32_t CX = 0, CY = 0, CD = 0;
    LogoCord mainCord;
    std::array<PhoneLayout, 3> smallPhones; // telephones 2, 3, 4
    std::array<LogoCord, 3> smallCords;
};

// Computes every coordinate of the pictogram. Parameters whose formulas leave the
// 0..65535 range of a stored coordinate are refused (nullopt): nothing is drawn then.
std::optional<LogoLayout> ComputeLogoLayout(const LogoParams& params);

} // namespace kestrelon
