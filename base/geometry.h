// Plain point types of the pixel space of the drawing area (x right, y down).
#pragma once

namespace trimora {

struct IntPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

struct RealPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const RealPoint&, const RealPoint&) = default;
};

inline RealPoint Midpoint(RealPoint p, RealPoint q) { return {(p.x + q.x) / 2, (p.y + q.y) / 2}; }

} // namespace trimora
