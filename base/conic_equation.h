// The implicit equation of a conic in the pixel plane, fitted through points or written from focus
// and directrix, and the distance of a point from it.
#pragma once

#include "base/geometry.h"

#include <array>
#include <optional>
#include <span>

namespace trimora {

// a u² + b uv + c v² + d u + e v + f = 0 with u = (x − centre.x) / scale, v = (y − centre.y) / scale:
// the conditioned coordinates keep u and v of order 1 near the conic's defining points, so that
// the six terms are of one magnitude; (a, …, f) is a unit vector.
struct ConicEquation {
    std::array<double, 6> q{};
    RealPoint centre{};
    double scale = 1;
};

// The conic through `points` (five or more, all on it): the null vector of the system of their
// six monomials, in coordinates centred at their mean and scaled by their root mean square
// distance from it, found by a singular value decomposition (a least-squares fit when there are
// more than five). Nothing when the points fix no single conic (fewer than five distinct ones, four
// on a line), when they do not lie on one conic, or when it is a pair of lines.
std::optional<ConicEquation> ConicThroughPoints(std::span<const RealPoint> points);

// The parabola of the points as far from `focus` as from the line d1 d2 (the directrix); nothing
// when the focus lies on it or the directrix is no line.
std::optional<ConicEquation> FocusDirectrixConic(RealPoint focus, RealPoint d1, RealPoint d2);

// How far `p` lies from the conic, in pixels: where the line from p along the gradient of the
// equation first meets the conic (the root of the quadratic along it nearest p). That is a point of
// the conic, so the true distance is at most this, and equal to it to first order. Infinite when the
// line misses the conic (p is far from it) or the gradient vanishes (p at the centre).
double ConicDistance(const ConicEquation& conic, RealPoint p);

} // namespace trimora
