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

} // namespace trimora
