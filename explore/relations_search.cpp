#include "explore/relations_search.h"

#include "draw/point_table.h"
#include "explore/null_canvas.h"
#include "explore/plane.h"
#include "paint/paint.h"
#include "explore/two_jobs.h"

#include <atomic>
#include <optional>
#include <random>

namespace trimora {
namespace {

// How many other triangles a set is checked on, and the seed of their moves (fixed, so that the
// list is the same every time).
constexpr int kOtherTriangles = 3;
constexpr std::size_t kSearchTriangles = 1; // where the theorems of a symmetric triangle are searched
constexpr unsigned kMoveSeed = 29;

// Far from isosceles and right triangles and not thin, so that no symmetry or special angle of
// the moved triangle makes a set hold by chance.
bool Generic(const std::array<RealPoint, 3>& v) {
    using namespace plane;
    const double a = Length(Minus(v[1], v[2])), b = Length(Minus(v[2], v[0])), c = Length(Minus(v[0], v[1]));
    const double longest = std::max({a, b, c});
    if (!(std::fabs(Cross(Minus(v[1], v[0]), Minus(v[2], v[0]))) > 0.1 * longest * longest)) return false;
    if (std::fabs(a - b) < 0.05 * longest || std::fabs(b - c) < 0.05 * longest || std::fabs(c - a) < 0.05 * longest)
        return false;
    for (int k = 0; k < 3; ++k) {
        const RealPoint p = v[k], q = v[(k + 1) % 3], r = v[(k + 2) % 3];
        const RealPoint u = Minus(q, p), w = Minus(r, p);
        if (std::fabs(Dot(u, w)) < 0.08 * Length(u) * Length(w)) return false; // within ~5° of a right angle
    }
    return true;
}

// Two sides equal or a right angle, to the rounding of the coordinates.
bool Symmetric(const std::array<RealPoint, 3>& v) {
    using namespace plane;
    const double size = LongestSide(v), close = 1e-9 * size * size;
    for (int k = 0; k < 3; ++k) {
        const RealPoint p = v[k], q = v[(k + 1) % 3], r = v[(k + 2) % 3];
        const RealPoint u = Minus(q, p), w = Minus(r, p);
        if (std::fabs(Dot(u, u) - Dot(w, w)) <= close || std::fabs(Dot(u, w)) <= close) return true;
    }
    return false;
}

// The triangles of the checks: each vertex moved by up to a quarter of the longest side.
std::vector<std::array<RealPoint, 3>> MovedTriangles(const std::array<RealPoint, 3>& abc, int count) {
    const double size = plane::LongestSide(abc);
    std::mt19937 random(kMoveSeed);
    std::uniform_real_distribution<double> move(-0.25 * size, 0.25 * size);
    std::vector<std::array<RealPoint, 3>> out;
    for (int attempt = 0; attempt < 1000 && static_cast<int>(out.size()) < count; ++attempt) {
        std::array<RealPoint, 3> v = abc;
        for (RealPoint& p : v)
            p = {p.x + move(random), p.y + move(random)};
        if (Generic(v)) out.push_back(v);
    }
    return out;
}

} // namespace

RelationSet RelationsOfDocument(const Document& doc, int width, int height, bool thisTriangle) {
    // The same repaint with the triangle stretched by 2 about the drawing origin (whole pixels
    // stay whole) tells the exact points from those that went through rounded pixels; repaints
    // with the vertices moved tell theorems from coincidences.
    const IntPoint origin{width / 2 + doc.view.panX, height / 2 + doc.view.panY};
    Document start = doc;
    KeepVertexPrecise(start.points);
    const std::array<RealPoint, 3> typed{start.points.precise[kSlotA], start.points.precise[kSlotB],
                                         start.points.precise[kSlotC]};
    struct Repaint {
        Document doc;
        PaintLog log;
    };
    std::vector<Repaint> repaints(1, {start, {}});
    for (int v : {kSlotA, kSlotB, kSlotC}) {
        const RealPoint p = start.points.precise[v];
        PlaceVertex(repaints[0].doc.points, v, {2 * p.x - origin.x, 2 * p.y - origin.y});
    }
    // A triangle with two equal sides or a right angle has sets of its own by the thousand (any two
    // mirror pairs are concyclic): the theorems are then searched on the first moved triangle.
    const bool searchElsewhere = Symmetric(typed);
    if (plane::Finite(typed[0]) && plane::Finite(typed[1]) && plane::Finite(typed[2]))
        for (const auto& moved :
             MovedTriangles(typed, searchElsewhere ? kOtherTriangles + kSearchTriangles : kOtherTriangles)) {
            repaints.push_back({start, {}});
            for (int k = 0; k < 3; ++k)
                PlaceVertex(repaints.back().doc.points, kSlotA + k, moved[static_cast<std::size_t>(k)]);
        }
    // The search needs the stretched repaint, this one and, for a symmetric triangle, the triangle
    // it searches on; the other triangles of the checks are painted meanwhile, which fills the
    // time that the search leaves one core idle.
    const std::size_t firstCheck = searchElsewhere && repaints.size() > 1 + kSearchTriangles ? 1 + kSearchTriangles : 1;
    // Each repaint's points by their keys are noted by the thread that paints it.
    std::vector<std::optional<OtherTriangle>> triangles(repaints.size());
    auto paint = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to; ++k) {
            NullCanvas canvas(width, height);
            PaintDocument(repaints[k].doc, canvas, true, &repaints[k].log);
            const PointTable& t = repaints[k].doc.points;
            if (k == 0 || repaints[k].doc.view.triangleDegenerate) continue;
            const double size = plane::LongestSide({t.precise[kSlotA], t.precise[kSlotB], t.precise[kSlotC]});
            triangles[k] = OtherTriangle{PointsOf(repaints[k].doc.results, repaints[k].log), kRelationTolerance * size,
                                         repaints[k].log.conics, repaints[k].log.lines, repaints[k].log.circles};
        }
    };
    // A second thread paints the stretched triangle, then the checks' triangles.
    std::atomic<bool> stretchedDone{false};
    auto second = [&] {
        paint(0, 1);
        stretchedDone = true;
        stretchedDone.notify_one();
        paint(firstCheck, repaints.size());
    };
    Document copy = doc;
    PaintLog log;
    std::optional<SetsFound> found;
    std::vector<MarkedPoint> points;
    std::array<RealPoint, 3> abc{};
    std::vector<OtherTriangle> generic;
    RunTwoJobs(second, [&] {
        NullCanvas canvas(width, height);
        PaintDocument(copy, canvas, true, &log);
        paint(1, firstCheck);
        stretchedDone.wait(false);
        if (copy.view.triangleDegenerate) return;
        const RealPoint centre{static_cast<double>(origin.x), static_cast<double>(origin.y)};
        const PointTable& pt = copy.points;
        abc = {ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotB), ScreenAsReal(pt, kSlotC)};
        points = CollectMarkedPoints(copy.results, log, repaints[0].doc.results, repaints[0].log, centre, abc,
                                     copy.etcCentres);
        // The generic triangles as the checks below will take them when none of theirs is
        // degenerate; else they are searched again there.
        for (std::size_t k = 1; k < firstCheck; ++k)
            if (triangles[k]) generic.push_back(*triangles[k]);
        if (generic.size() == firstCheck - 1) found = SearchSets(points, abc, generic, thisTriangle);
    });
    if (copy.view.triangleDegenerate) return {};
    std::vector<OtherTriangle> others;
    for (std::size_t k = 1; k < repaints.size(); ++k)
        if (triangles[k]) others.push_back(std::move(*triangles[k]));
    generic.clear();
    if (searchElsewhere && others.size() > kSearchTriangles) {
        generic.assign(std::make_move_iterator(others.begin()), std::make_move_iterator(others.begin() + kSearchTriangles));
        others.erase(others.begin(), others.begin() + kSearchTriangles);
    }
    return FindRelations(std::move(points), log, abc, others, generic, thisTriangle, std::move(found));
}

} // namespace trimora
