// Measures on the drawn lines and circles of a repaint's log, and finding the same one in another
// repaint.
#pragma once

#include "explore/plane.h"
#include "explore/relations.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace trimora {

inline RealPoint Direction(const LoggedLine& l) {
    const RealPoint d = plane::Minus(l.p2, l.p1);
    const double n = plane::Length(d);
    return {d.x / n, d.y / n};
}
inline double Distance(const LoggedLine& l, RealPoint p) {
    return std::fabs(plane::Cross(Direction(l), plane::Minus(p, l.p1)));
}
inline double Distance(const LoggedCircle& c, RealPoint p) {
    return std::fabs(plane::Length(plane::Minus(p, c.centre)) - c.radius);
}

inline const std::vector<LoggedLine>& DrawnThere(const OtherTriangle& t, const LoggedLine*) { return t.lines; }
inline const std::vector<LoggedCircle>& DrawnThere(const OtherTriangle& t, const LoggedCircle*) { return t.circles; }

// The same element in another repaint, or nothing when it was not drawn there.
template <class Logged>
const Logged* SameThere(const Logged& e, const OtherTriangle& t) {
    const std::vector<Logged>& there = DrawnThere(t, &e);
    const auto it = std::find_if(there.begin(), there.end(), [&](const Logged& o) {
        return o.entry == e.entry && o.ordinal == e.ordinal && o.name == e.name;
    });
    return it == there.end() ? nullptr : &*it;
}

} // namespace trimora
