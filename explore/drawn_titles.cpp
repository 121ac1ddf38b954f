#include "explore/drawn_relations.h"

#include "explore/drawn_geometry.h"
#include "explore/relation_checks.h"

#include <algorithm>

namespace trimora {
namespace {

// Whether some shown name of every member lies on the same element on every other triangle.
template <class Logged>
bool OnEverywhere(const Relation& r, const Logged& e, const std::vector<MarkedPoint>& points,
                  const std::vector<OtherTriangle>& others) {
    std::vector<const Logged*> there;
    for (const OtherTriangle& t : others) {
        const Logged* same = SameThere(e, t);
        if (!same) return false;
        there.push_back(same);
    }
    for (std::size_t m = 0; m < r.members.size(); ++m) {
        const MarkedPoint& p = points[static_cast<std::size_t>(r.members[m])];
        const std::vector<int> names = m < r.names.size() ? r.names[m] : AllNames(p);
        const bool some = std::any_of(names.begin(), names.end(), [&](int n) {
            if (static_cast<std::size_t>(n) >= p.keys.size() || p.keys[static_cast<std::size_t>(n)].empty())
                return false;
            for (std::size_t t = 0; t < others.size(); ++t) {
                const auto it = others[t].points.find(p.keys[static_cast<std::size_t>(n)]);
                if (it == others[t].points.end() || Distance(*there[t], it->second) > others[t].tolerance)
                    return false;
            }
            return true;
        });
        if (!some) return false;
    }
    return true;
}

// Within `tolerance` of the line or circle, without a square root: this runs for every set and
// every drawn element.
bool Near(const LoggedLine& l, RealPoint p, double tolerance) {
    const RealPoint d = plane::Minus(l.p2, l.p1);
    const double cross = plane::Cross(d, plane::Minus(p, l.p1));
    return cross * cross <= tolerance * tolerance * plane::Dot(d, d);
}
bool Near(const LoggedCircle& c, RealPoint p, double tolerance) {
    if (c.builtTouching) return false; // a circle of a packing names no set
    const RealPoint d = plane::Minus(p, c.centre);
    const double squared = plane::Dot(d, d), inner = std::max(0.0, c.radius - tolerance), outer = c.radius + tolerance;
    return squared >= inner * inner && squared <= outer * outer;
}

template <class Logged>
std::string TitleFrom(const std::vector<Logged>& drawn, const Relation& r, const std::vector<MarkedPoint>& points,
                      const std::vector<OtherTriangle>& others, double tolerance) {
    for (const Logged& e : drawn) {
        const bool here = std::all_of(r.members.begin(), r.members.end(), [&](int m) {
            return Near(e, points[static_cast<std::size_t>(m)].p, tolerance);
        });
        if (here && OnEverywhere(r, e, points, others)) return e.name;
    }
    return {};
}

} // namespace

std::string DrawnTitle(const Relation& r, const std::vector<MarkedPoint>& points, const PaintLog& log,
                       const std::vector<OtherTriangle>& others, double tolerance) {
    if (r.kind == RelationKind::Collinear) return TitleFrom(log.lines, r, points, others, tolerance);
    if (r.kind == RelationKind::Concyclic) return TitleFrom(log.circles, r, points, others, tolerance);
    return {};
}

} // namespace trimora
