#include "base/lines.h"

#include <algorithm>
#include <cmath>

namespace trimora {

LinePoint IntersectLines(RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4) {
    LinePoint r;
    // A line through a point that was not found is no line.
    for (const RealPoint& p : {p1, p2, p3, p4})
        if (p.x == r.p.x && p.y == r.p.y) return r;
    const double dx1 = p1.x - p2.x, dy1 = p1.y - p2.y;
    const double dx2 = p3.x - p4.x, dy2 = p3.y - p4.y;
    // Lines parallel within rounding (two sides of an isosceles figure) have no common point,
    // rather than one some 10^15 pixels away.
    const double lengths = (std::fabs(dx1) + std::fabs(dy1)) * (std::fabs(dx2) + std::fabs(dy2));
    const bool parallel = !(std::fabs(dx2 * dy1 - dx1 * dy2) > 1e-12 * lengths);
    if (dx1 != 0 && dx2 != 0 && !parallel) {
        const double m1 = dy1 / dx1, m2 = dy2 / dx2;
        // The cross products may differ while the rounded slopes agree: m2 - m1 can still be 0.
        const double x = (p2.y - p4.y - m1 * p2.x + m2 * p4.x) / (m2 - m1);
        // y from the flatter line: on a nearly upright one the slope would multiply the rounding
        // of x into whole pixels.
        const double y = std::fabs(m1) < std::fabs(m2) ? p2.y + m1 * (x - p2.x) : p4.y + m2 * (x - p4.x);
        if (std::isfinite(x) && std::isfinite(y)) {
            r.p = {x, y};
            r.ok = true;
        }
        return r;
    }
    if (parallel) return r; // the sentinel, as for lines parallel to the last bit
    if (dx2 == 0 && dx1 != 0) {
        const double m1 = dy1 / dx1;
        const RealPoint q{p4.x, p2.y + m1 * (p4.x - p2.x)};
        if (std::isfinite(q.y)) r = {q, true};
        return r;
    }
    if (dx1 == 0 && dx2 != 0) {
        const double m2 = dy2 / dx2;
        const RealPoint q{p2.x, p4.y + m2 * (p2.x - p4.x)};
        if (std::isfinite(q.y)) r = {q, true};
    }
    // Not held within some range: the same two lines give the same point in either order, and a
    // triangle typed far from the origin keeps its feet. Pixels are bounded where they are drawn.
    return r;
}

LinePoint PerpendicularFoot(RealPoint p, RealPoint q1, RealPoint q2) {
    const RealPoint onNormal{p.x + (q1.y - q2.y), p.y + (q2.x - q1.x)};
    return IntersectLines(onNormal, p, q1, q2);
}

std::optional<CircleFit> CircleThroughPoints(RealPoint p1, RealPoint p2, RealPoint p3) {
    const double bx = p2.x - p1.x, by = p2.y - p1.y, cx = p3.x - p1.x, cy = p3.y - p1.y;
    const double det = 2 * (bx * cy - by * cx);
    if (det == 0) return std::nullopt;
    const double bb = bx * bx + by * by, cc = cx * cx + cy * cy;
    const double ux = (cy * bb - by * cc) / det, uy = (bx * cc - cx * bb) / det;
    const CircleFit c{{p1.x + ux, p1.y + uy}, std::hypot(ux, uy)};
    if (!std::isfinite(c.centre.x) || !std::isfinite(c.centre.y) || !std::isfinite(c.radius)) return std::nullopt;
    return c;
}

RealPoint MirrorPoint(RealPoint p, RealPoint q1, RealPoint q2) {
    const LinePoint f = PerpendicularFoot(p, q1, q2);
    return {2 * f.p.x - p.x, 2 * f.p.y - p.y};
}

} // namespace trimora
