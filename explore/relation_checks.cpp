#include "explore/relation_checks.h"

#include "explore/plane.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <optional>

namespace trimora {
namespace {

using namespace plane;

// Seeds tried per set before it counts as this triangle's only: a general set is found by the
// first seed unless a member lies on it by chance.
constexpr int kMostSeeds = 200;
// Seed points closer than this fraction of the tolerance's side fix a line or circle too loosely.
constexpr double kSeedSpread = 1e-4 / kRelationTolerance;
constexpr double kLargestRadius = 1e3 / kRelationTolerance; // in tolerances: beyond it a line

// A name of a member with its point on each other triangle.
struct Candidate {
    int member;
    int name;
    std::vector<RealPoint> at;
};

struct Shape {
    bool line = true;
    RealPoint centre{}, direction{};
    double radius = 0;
};

std::optional<Shape> Fit(const std::vector<RealPoint>& seed, double tolerance) {
    const RealPoint b = Minus(seed[1], seed[0]);
    if (!(Length(b) > kSeedSpread * tolerance)) return std::nullopt;
    if (seed.size() == 2) return Shape{true, seed[0], {b.x / Length(b), b.y / Length(b)}, 0};
    const RealPoint c = Minus(seed[2], seed[0]);
    const double den = 2 * Cross(b, c);
    if (!(Length(c) > kSeedSpread * tolerance) || !(Length(Minus(seed[2], seed[1])) > kSeedSpread * tolerance) ||
        den == 0)
        return std::nullopt;
    const double bb = Dot(b, b), cc = Dot(c, c);
    const RealPoint centre{seed[0].x + (c.y * bb - b.y * cc) / den, seed[0].y + (b.x * cc - c.x * bb) / den};
    const double radius = Length(Minus(seed[0], centre));
    if (!Finite(centre) || !(radius <= kLargestRadius * tolerance)) return std::nullopt;
    return Shape{false, centre, {}, radius};
}

bool On(const Shape& s, RealPoint q, double tolerance) {
    if (s.line) return std::fabs(Cross(s.direction, Minus(q, s.centre))) <= tolerance;
    return std::fabs(Length(Minus(q, s.centre)) - s.radius) <= tolerance;
}

std::vector<Candidate> Candidates(const Relation& r, const std::vector<MarkedPoint>& points,
                                  const std::vector<OtherTriangle>& others) {
    std::vector<Candidate> out;
    for (std::size_t m = 0; m < r.members.size(); ++m) {
        const MarkedPoint& p = points[static_cast<std::size_t>(r.members[m])];
        const std::vector<int> all = m < r.names.size() ? std::vector<int>{} : AllNames(p);
        for (const int n : m < r.names.size() ? r.names[m] : all) {
            if (static_cast<std::size_t>(n) >= p.keys.size()) continue;
            Candidate c{static_cast<int>(m), n, {}};
            for (const OtherTriangle& t : others)
                if (const auto it = t.points.find(p.keys[static_cast<std::size_t>(n)]); it != t.points.end())
                    c.at.push_back(it->second);
            if (c.at.size() == others.size()) out.push_back(std::move(c));
        }
    }
    return out;
}

} // namespace

std::vector<std::vector<int>> GeneralPart(const Relation& r, const std::vector<MarkedPoint>& points,
                                          const std::vector<OtherTriangle>& others) {
    const std::size_t order = r.kind == RelationKind::Collinear ? 2 : 3, least = order + 1;
    const std::vector<Candidate> cands = Candidates(r, points, others);
    int seeds = 0;
    std::vector<std::size_t> seed;
    std::vector<std::vector<int>> kept;
    // Tries the seed of `order` candidates of different members; true when enough members hold.
    auto tryShape = [&]() {
        ++seeds;
        std::vector<Shape> shapes;
        for (std::size_t t = 0; t < others.size(); ++t) {
            std::vector<RealPoint> at;
            for (std::size_t s : seed)
                at.push_back(cands[s].at[t]);
            const auto shape = Fit(at, others[t].tolerance);
            if (!shape) return false;
            shapes.push_back(*shape);
        }
        // Most seeds of a set of this triangle only fail on the first other triangle already.
        std::vector<bool> first(r.members.size(), false);
        std::size_t members = 0;
        for (const Candidate& c : cands)
            if (!first[static_cast<std::size_t>(c.member)] && On(shapes[0], c.at[0], others[0].tolerance))
                first[static_cast<std::size_t>(c.member)] = true, ++members;
        if (members < least) return false;
        kept.assign(r.members.size(), {});
        members = 0;
        for (const Candidate& c : cands) {
            bool on = true;
            for (std::size_t t = 0; t < others.size() && on; ++t)
                on = On(shapes[t], c.at[t], others[t].tolerance);
            if (!on) continue;
            std::vector<int>& names = kept[static_cast<std::size_t>(c.member)];
            if (names.empty()) ++members;
            names.push_back(c.name);
        }
        return members >= least;
    };
    // Seeds in order: a set whose first members are general is confirmed by the first one.
    auto search = [&](auto& self, std::size_t from) -> bool {
        if (seed.size() == order) return tryShape();
        for (std::size_t k = from; k < cands.size() && seeds < kMostSeeds; ++k) {
            if (std::any_of(seed.begin(), seed.end(), [&](std::size_t s) { return cands[s].member == cands[k].member; }))
                continue;
            seed.push_back(k);
            const bool found = self(self, k + 1);
            seed.pop_back();
            if (found) return true;
        }
        return false;
    };
    if (!others.empty() && search(search, 0)) return kept;
    return {};
}

std::vector<std::vector<int>> GeneralGroups(const MarkedPoint& p, const std::vector<OtherTriangle>& others) {
    std::vector<std::vector<int>> groups;
    std::vector<std::vector<RealPoint>> firstAt; // of each group's first name
    for (std::size_t n = 0; n < p.keys.size(); ++n) {
        std::vector<RealPoint> at;
        for (const OtherTriangle& t : others)
            if (const auto it = t.points.find(p.keys[n]); it != t.points.end()) at.push_back(it->second);
        std::size_t g = 0;
        if (at.size() == others.size())
            for (; g < groups.size(); ++g) {
                bool same = firstAt[g].size() == others.size();
                for (std::size_t t = 0; t < others.size() && same; ++t)
                    same = Length(Minus(at[t], firstAt[g][t])) <= others[t].tolerance;
                if (same) break;
            }
        else
            g = groups.size();
        if (g == groups.size()) groups.emplace_back(), firstAt.push_back(at);
        groups[g].push_back(static_cast<int>(n));
    }
    return groups;
}

std::vector<int> AllNames(const MarkedPoint& p) {
    std::vector<int> all(p.names.size());
    std::iota(all.begin(), all.end(), 0);
    return all;
}

namespace {

// Whether the names of a place all come from one element (the same centre twice).
bool OneElement(const MarkedPoint& p, const std::vector<int>& names) {
    if (p.nameElements.size() != p.names.size()) return false;
    std::vector<int> common = p.nameElements[static_cast<std::size_t>(names[0])];
    for (int n : names) {
        const std::vector<int>& e = p.nameElements[static_cast<std::size_t>(n)];
        std::vector<int> both;
        std::set_intersection(common.begin(), common.end(), e.begin(), e.end(), std::back_inserter(both));
        common.swap(both);
    }
    return !common.empty();
}

} // namespace

// The places with several names: what coincides on every triangle, and (when more than that
// meets here) the whole place as this triangle's coincidence.
void Coincidences(const std::vector<MarkedPoint>& pts, const std::vector<OtherTriangle>& others,
                  std::vector<Relation>& out) {
    for (std::size_t k = 0; k < pts.size(); ++k) {
        const MarkedPoint& p = pts[k];
        if (p.names.size() < 2) continue;
        Relation r;
        r.kind = RelationKind::Coincident;
        r.members = {static_cast<int>(k)};
        r.centre = p.p;
        const auto groups = others.empty() ? std::vector<std::vector<int>>{AllNames(p)} : GeneralGroups(p, others);
        for (const std::vector<int>& g : groups)
            if (g.size() >= 2 && !OneElement(p, g)) {
                r.names = {g};
                out.push_back(r);
            }
        if (groups.size() > 1) {
            r.general = false;
            r.names = {AllNames(p)};
            out.push_back(r);
        }
    }
    // Places that meet only to the pixel: one relation of this triangle per cluster.
    std::vector<bool> taken(pts.size(), false);
    for (std::size_t k = 0; k < pts.size(); ++k) {
        if (taken[k]) continue;
        Relation r;
        r.kind = RelationKind::Coincident;
        r.general = false;
        r.inPicture = true;
        r.centre = pts[k].p;
        for (std::size_t m = k; m < pts.size(); ++m) {
            if (taken[m]) continue;
            if (OnePlaceInPicture(pts[m].p, pts[k].p)) {
                taken[m] = true;
                r.members.push_back(static_cast<int>(m));
                r.names.push_back(AllNames(pts[m]));
            }
        }
        if (r.members.size() > 1) out.push_back(std::move(r));
    }
}

} // namespace trimora
