// Small vector helpers of the relation search, in pixels.
#pragma once

#include "draw/paint_context.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trimora::plane {

inline double Cross(RealPoint a, RealPoint b) { return a.x * b.y - a.y * b.x; }
inline RealPoint Minus(RealPoint a, RealPoint b) { return {a.x - b.x, a.y - b.y}; }
inline double Dot(RealPoint a, RealPoint b) { return a.x * b.x + a.y * b.y; }
inline double Length(RealPoint a) { return std::hypot(a.x, a.y); }
inline bool Finite(RealPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }
inline double LongestSide(const std::array<RealPoint, 3>& abc) {
    return std::max(
        {Length(Minus(abc[0], abc[1])), Length(Minus(abc[1], abc[2])), Length(Minus(abc[2], abc[0]))});
}

} // namespace trimora::plane
