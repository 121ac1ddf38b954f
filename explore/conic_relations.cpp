#include "explore/conic_relations.h"

#include "explore/plane.h"
#include "explore/relation_checks.h"

#include <algorithm>

namespace trimora {
namespace {

using namespace plane;

// A set made only of the points the element built the conic through (for a circumconic the
// vertices among them) holds by construction, however many there are. One place beyond them says
// something: with the two vertices the fourth point on a circumconic, with two more places the
// three points where the Kiepert parabola touches the sides.
constexpr std::size_t kLeastPlaces = 3;

bool Noteworthy(const std::vector<int>& members, const std::vector<MarkedPoint>& points,
                const LoggedConic& conic, double tolerance) {
    if (members.size() < kLeastPlaces) return false;
    return std::any_of(members.begin(), members.end(), [&](int m) {
        const RealPoint p = points[static_cast<std::size_t>(m)].p;
        return std::none_of(conic.through.begin(), conic.through.end(),
                            [&](RealPoint t) { return Length(Minus(p, t)) <= tolerance; });
    });
}

bool On(const LoggedConic& conic, RealPoint p, double tolerance) {
    return ConicDistance(conic.equation, p) <= tolerance;
}

// The same conic in another repaint, or nothing when it was not drawn there.
const LoggedConic* Same(const LoggedConic& conic, const OtherTriangle& t) {
    const auto it = std::find_if(t.conics.begin(), t.conics.end(), [&](const LoggedConic& c) {
        return c.entry == conic.entry && c.ordinal == conic.ordinal;
    });
    return it == t.conics.end() ? nullptr : &*it;
}

// Per member the names whose points lie on the same conic on every other triangle.
std::vector<std::vector<int>> KeptNames(const Relation& r, const LoggedConic& conic,
                                        const std::vector<MarkedPoint>& points,
                                        const std::vector<OtherTriangle>& others) {
    std::vector<std::vector<int>> kept(r.members.size());
    std::vector<const LoggedConic*> there;
    for (const OtherTriangle& t : others)
        if (const LoggedConic* c = Same(conic, t)) there.push_back(c);
    if (there.size() < others.size()) return kept;
    for (std::size_t m = 0; m < r.members.size(); ++m) {
        const MarkedPoint& p = points[static_cast<std::size_t>(r.members[m])];
        for (std::size_t n = 0; n < p.keys.size(); ++n) {
            bool on = !p.keys[n].empty();
            for (std::size_t t = 0; t < others.size() && on; ++t) {
                const auto it = others[t].points.find(p.keys[n]);
                on = it != others[t].points.end() && On(*there[t], it->second, others[t].tolerance);
            }
            if (on) kept[m].push_back(static_cast<int>(n));
        }
    }
    return kept;
}

} // namespace

std::vector<Relation> ConicRelations(const std::vector<MarkedPoint>& points, const PaintLog& log, double size,
                                     const std::vector<OtherTriangle>& others) {
    std::vector<Relation> out;
    const double tolerance = kRelationTolerance * size;
    for (const LoggedConic& conic : log.conics) {
        Relation r;
        r.kind = RelationKind::OnConic;
        r.title = conic.name;
        for (int k = 0; k < static_cast<int>(points.size()); ++k)
            if (On(conic, points[static_cast<std::size_t>(k)].p, tolerance)) r.members.push_back(k);
        if (!Noteworthy(r.members, points, conic, tolerance)) continue;
        // No line or circle to show: the places themselves, as for a coincidence.
        r.centre = points[static_cast<std::size_t>(r.members[0])].p;
        if (others.empty()) {
            for (int m : r.members)
                r.names.push_back(AllNames(points[static_cast<std::size_t>(m)]));
            out.push_back(std::move(r));
            continue;
        }
        const std::vector<std::vector<int>> kept = KeptNames(r, conic, points, others);
        Relation general = r;
        general.members.clear();
        for (std::size_t m = 0; m < r.members.size(); ++m)
            if (!kept[m].empty()) general.members.push_back(r.members[m]), general.names.push_back(kept[m]);
        const bool whole = general.members.size() == r.members.size();
        if (Noteworthy(general.members, points, conic, tolerance)) out.push_back(std::move(general));
        if (!whole) {
            r.general = false;
            r.names.assign(r.members.size(), std::vector<int>{0});
            out.push_back(std::move(r));
        }
    }
    return out;
}

} // namespace trimora
