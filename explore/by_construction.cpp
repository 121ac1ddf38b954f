#include "explore/by_construction.h"

#include "explore/plane.h"

#include "draw/point_table.h"

#include <algorithm>
#include <iterator>

namespace trimora {
namespace {

using namespace plane;

bool NearVertex(RealPoint p, RealPoint v, double tolerance) {
    if (Length(Minus(p, v)) <= tolerance) return true;
    // A vertex known only as its screen pixel matches the point that rounds to it.
    return v.x == std::round(v.x) && v.y == std::round(v.y) && RoundClamp(p.x) == static_cast<int>(v.x) &&
           RoundClamp(p.y) == static_cast<int>(v.y);
}

// Whether `q` lies on the line through `a` and `b`.
bool OnLine(RealPoint q, RealPoint a, RealPoint b, double tolerance) {
    const RealPoint d = Minus(b, a);
    const double len = Length(d);
    return len > tolerance && std::fabs(Cross(d, Minus(q, a))) <= tolerance * len;
}

// A circle on a segment XY as diameter through feet built on it: each other member is a logged foot
// whose perpendicular passes through one end and whose base line through the other, so that it
// sees XY at a right angle by how it is built.
bool ThalesCircle(const Relation& r, const std::vector<MarkedPoint>& pts, const PaintLog& log, double tolerance) {
    if (log.feet.empty()) return false;
    // Feet are compared far more loosely than relations are checked: they are the same numbers.
    const double loose = 1e3 * tolerance;
    auto P = [&](int m) { return pts[static_cast<std::size_t>(m)].p; };
    for (std::size_t a = 0; a < r.members.size(); ++a)
        for (std::size_t b = a + 1; b < r.members.size(); ++b) {
            const RealPoint x = P(r.members[a]), y = P(r.members[b]);
            const RealPoint mid{(x.x + y.x) / 2, (x.y + y.y) / 2};
            if (Length(Minus(mid, r.centre)) > loose) continue; // not a diameter
            bool all = true;
            for (std::size_t m = 0; m < r.members.size() && all; ++m) {
                if (m == a || m == b) continue;
                const RealPoint f = P(r.members[m]);
                all = std::any_of(log.feet.begin(), log.feet.end(), [&](const LoggedFoot& foot) {
                    if (Length(Minus(foot.foot, f)) > loose) return false;
                    return (OnLine(x, foot.foot, foot.from, loose) && OnLine(y, foot.foot, foot.on, loose)) ||
                           (OnLine(y, foot.foot, foot.from, loose) && OnLine(x, foot.foot, foot.on, loose));
                });
            }
            if (all) return true;
        }
    return false;
}

} // namespace

bool ByConstruction(const Relation& r, const std::vector<MarkedPoint>& pts, const PaintLog& log,
                    const std::array<RealPoint, 3>& abc, double tolerance) {
    // 1. All its points come from one element.
    std::vector<int> common = pts[static_cast<std::size_t>(r.members[0])].elements;
    for (int m : r.members) {
        const std::vector<int>& e = pts[static_cast<std::size_t>(m)].elements;
        std::vector<int> both;
        std::set_intersection(common.begin(), common.end(), e.begin(), e.end(), std::back_inserter(both));
        common.swap(both);
    }
    if (!common.empty()) return true;
    if (r.kind == RelationKind::Concyclic) return ThalesCircle(r, pts, log, tolerance);
    if (r.kind != RelationKind::Collinear) return false;
    // 2. A side line of ABC: feet, touch points and the like lie there by their definition.
    int onLine = 0;
    for (RealPoint v : abc)
        if (std::fabs(Cross(r.direction, Minus(v, r.centre))) <= tolerance) ++onLine;
    if (onLine >= 2) return true;
    // 3. A side line of a derived triangle through two of its vertices.
    for (const auto& tri : log.triangles) {
        int vertices = 0;
        for (RealPoint v : tri)
            if (std::any_of(r.members.begin(), r.members.end(), [&](int m) {
                    return NearVertex(pts[static_cast<std::size_t>(m)].p, v, tolerance);
                }))
                ++vertices;
        if (vertices >= 2) return true;
    }
    return false;
}


} // namespace trimora
