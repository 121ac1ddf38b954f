// Helpers of the family tests that compute expected points on their own: world coordinates of the
// 821 x 660 area, points from barycentric coordinates, line intersections and angles, and the
// exact text of a reported point.
#pragma once

#include "family_support.h"
#include "base/format.h"

#include <cmath>
#include <string>

namespace trimora::testing {

// A(1|2) B(-2|-1) C(2|-1): a = 4, b = sqrt 10, c = 3 sqrt 2, area 6, cot(omega) = 44/24.
inline constexpr Triangle kBasic{{510, 130}, {210, 430}, {610, 430}};

// World coordinates (y up) of a pixel of the 821 x 660 area, whose origin is (410, 330).
inline RealPoint ToWorld(RealPoint pixel) {
    return {(pixel.x - 410) / 100, (330 - pixel.y) / 100};
}
inline RealPoint ToWorld(IntPoint pixel) {
    return ToWorld(AsReal(pixel));
}

// The pixel of a listed point "label<TAB>( x | y )" (world units with a decimal comma).
inline RealPoint WorldToPixel(const std::string& line) {
    std::string text = line.substr(line.find('(') + 1);
    std::replace(text.begin(), text.end(), ',', '.');
    const double x = std::strtod(text.c_str(), nullptr);
    const double y = std::strtod(text.substr(text.find('|') + 1).c_str(), nullptr);
    return {410 + 100 * x, 330 - 100 * y};
}

// "label<TAB>( x | y )" for a world point.
inline std::string PointLine(const std::string& label, RealPoint world) {
    return label + "\t( " + FormatReal(world.x, 3) + " | " + FormatReal(world.y, 3) + " )";
}

// The point u A + v B + w C over u + v + w.
inline RealPoint Barycentric(RealPoint A, RealPoint B, RealPoint C, double u, double v, double w) {
    const double s = u + v + w;
    return {(u * A.x + v * B.x + w * C.x) / s, (u * A.y + v * B.y + w * C.y) / s};
}

// The common point of the lines P1 P2 and P3 P4 (by the cross product).
inline RealPoint Meet(RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4) {
    const double d1x = p2.x - p1.x, d1y = p2.y - p1.y, d2x = p4.x - p3.x, d2y = p4.y - p3.y;
    const double t = ((p3.x - p1.x) * d2y - (p3.y - p1.y) * d2x) / (d1x * d2y - d1y * d2x);
    return {p1.x + t * d1x, p1.y + t * d1y};
}

// The angle at V between the rays to P and Q, in radians.
inline double AngleAt(RealPoint v, RealPoint p, RealPoint q) {
    const double ux = p.x - v.x, uy = p.y - v.y, wx = q.x - v.x, wy = q.y - v.y;
    return std::atan2(std::fabs(ux * wy - uy * wx), ux * wx + uy * wy);
}

inline constexpr double kDegrees = 180 / M_PI;

} // namespace trimora::testing
