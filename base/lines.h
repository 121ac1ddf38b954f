// Line constructions on precise pixel points: intersection, perpendicular foot, reflection.
#pragma once

#include "base/geometry.h"

#include <optional>

namespace trimora {

struct LinePoint {
    RealPoint p{-100.0, -100.0}; // the absent sentinel when !ok
    bool ok = false;
};

// The common point of the lines P1P2 and P3P4. Exact comparisons with zero; parallel lines,
// results that would not be finite and a sentinel among the four points give the sentinel
// (-100, -100) with ok = false.
LinePoint IntersectLines(RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4);

// The foot of the perpendicular from P on the line Q1Q2.
LinePoint PerpendicularFoot(RealPoint p, RealPoint q1, RealPoint q2);

// The reflection of P in the line Q1Q2 (in the sentinel point when there is no foot).
RealPoint MirrorPoint(RealPoint p, RealPoint q1, RealPoint q2);

struct CircleFit {
    RealPoint centre;
    double radius = 0;
};

// The circle through three points; nothing when the determinant of the points is exactly 0 (they
// are collinear or two coincide) or the circle would not be finite. Solved about the first point,
// so that far-off points keep their digits.
std::optional<CircleFit> CircleThroughPoints(RealPoint p1, RealPoint p2, RealPoint p3);

} // namespace trimora
