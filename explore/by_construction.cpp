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
