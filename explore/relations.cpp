#include "explore/relations.h"

#include "explore/by_construction.h"
#include "explore/conic_relations.h"
#include "explore/drawn_relations.h"
#include "explore/plane.h"
#include "explore/relation_checks.h"
#include "explore/relation_names.h"

#include "draw/point_table.h"
#include "draw/results.h"
#include "base/format.h"
#include "explore/two_jobs.h"

#include <algorithm>
#include <cmath>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <unordered_map>
#include <tuple>
#include <type_traits>
#include <utility>

namespace trimora {
namespace {

using namespace plane;

// Candidates are gathered with looser tolerances than kRelationTolerance and then checked
// against it, so that rounding in the candidate search never loses a relation.
constexpr double kDirectionSlack = 1e-7; // between directions from one point (the measure in Lines)
constexpr double kCentreSlack = 1e-6;    // of the longest side, along a perpendicular bisector
constexpr double kLargestRadius = 1e3;   // of the longest side: beyond it a circle is a line

// Which found set holds a pair (lines) or a triple (circles) of points: two points fix a line and
// three a circle, so a candidate through a held pair or triple is no new set, and a set that
// shares one with a found set is the same set.
class Held {
  public:
    Held(std::size_t n, int order) : n_(n), order_(order) {}
    // Files the pairs or triples of `m` (increasing) that contain a point of `fresh` under `set`.
    void Add(const std::vector<int>& m, const std::vector<bool>& fresh, int set) {
        for (std::size_t a = 0; a < m.size(); ++a)
            for (std::size_t b = a + 1; b < m.size(); ++b) {
                const bool newPair =
                    fresh[static_cast<std::size_t>(m[a])] || fresh[static_cast<std::size_t>(m[b])];
                if (order_ == 2) {
                    if (newPair) owner_.emplace(Key(m[a], m[b], 0), set);
                    continue;
                }
                for (std::size_t c = b + 1; c < m.size(); ++c)
                    if (newPair || fresh[static_cast<std::size_t>(m[c])])
                        owner_.emplace(Key(m[a], m[b], m[c]), set);
            }
    }
    // Points in increasing order; -1 when no set holds them.
    int Owner(int a, int b, int c = 0) const {
        const auto it = owner_.find(Key(a, b, order_ == 2 ? 0 : c));
        return it == owner_.end() ? -1 : it->second;
    }
    // The set that holds a pair or triple of `m`, or -1.
    int OwnerOfAny(const std::vector<int>& m) const {
        for (std::size_t a = 0; a < m.size(); ++a)
            for (std::size_t b = a + 1; b < m.size(); ++b) {
                if (order_ == 2) {
                    if (const int o = Owner(m[a], m[b]); o >= 0) return o;
                    continue;
                }
                for (std::size_t c = b + 1; c < m.size(); ++c)
                    if (const int o = Owner(m[a], m[b], m[c]); o >= 0) return o;
            }
        return -1;
    }

  private:
    std::uint64_t Key(int a, int b, int c) const {
        return (static_cast<std::uint64_t>(a) * n_ + static_cast<std::uint64_t>(b)) * n_ +
               static_cast<std::uint64_t>(c);
    }
    std::uint64_t n_;
    int order_;
    std::unordered_map<std::uint64_t, int> owner_;
};

// Runs work(k) for every k < count on this thread and a second one, each taking the next k when
// it is done; work(k) may write only what belongs to k.
template <class Work>
void OnBothCores(std::size_t count, Work work) {
    std::atomic<std::size_t> next{0};
    auto run = [&] {
        for (std::size_t k = next++; k < count; k = next++)
            work(k);
    };
    RunTwoJobs(run, run);
}

// Places along a line in cells twice the slack wide: two places within the slack share a cell or
// lie near the border of neighbouring cells, so a place is looked up in its own cell and in the
// neighbour nearer to it. Places come shifted to positive numbers (kPlaceShift), where truncation
// is the floor. Small slots in a table a few times larger than the points, cleared per use by a
// generation stamp.
constexpr double kPlaceShift = 4294967296.0; // beyond every place (at most 1e9 cells)

class PlaceBuckets {
  public:
    explicit PlaceBuckets(std::size_t points) {
        while (bits_ < 40 && (std::size_t{1} << bits_) < 4 * points)
            ++bits_;
        slots_.resize(std::size_t{1} << bits_);
    }
    void Start() {
        if (++generation_ == 0) {
            std::fill(slots_.begin(), slots_.end(), Slot{});
            generation_ = 1;
        }
    }
    // `shifted`: the place in cells plus kPlaceShift; the earlier point filed nearest to it within
    // the slack, or -1. Files `k` as well. The nearest, not the first: a point within the slack but
    // off the circle must not hide the one that is on it.
    int Insert(double shifted, int k) {
        const std::int64_t whole = static_cast<std::int64_t>(shifted);
        const std::int64_t cell = whole - static_cast<std::int64_t>(kPlaceShift);
        const float within = static_cast<float>(shifted - static_cast<double>(whole));
        const std::int64_t neighbour = cell + 1 - 2 * static_cast<std::int64_t>(within < 0.5f);
        // One walk along the cell's chain finds the earlier points in it and the free slot for `k`.
        const std::size_t mask = slots_.size() - 1;
        Nearest nearest;
        std::size_t s = Hash(cell);
        for (; slots_[s].generation == generation_; s = (s + 1) & mask)
            if (slots_[s].cell == static_cast<std::int32_t>(cell)) nearest.Offer(slots_[s], within - slots_[s].within);
        slots_[s] = {static_cast<std::int32_t>(cell), within, generation_, static_cast<std::int16_t>(k)};
        const float shift = static_cast<float>(neighbour - cell); // ±1 cell
        for (s = Hash(neighbour); slots_[s].generation == generation_; s = (s + 1) & mask)
            if (slots_[s].cell == static_cast<std::int32_t>(neighbour))
                nearest.Offer(slots_[s], within - (slots_[s].within + shift));
        return nearest.point;
    }

  private:
    struct Slot {
        std::int32_t cell = 0; // low bits: equal cells of one line are seldom 2^32 apart
        float within = 0;      // the place's fraction of its cell
        std::uint16_t generation = 0;
        std::int16_t point = -1;
    };
    struct Nearest {
        int point = -1;
        float distance = 2; // cells: beyond the slack
        void Offer(const Slot& slot, float d) {
            if (std::fabs(d) < distance) distance = std::fabs(d), point = slot.point;
        }
    };
    std::size_t Hash(std::int64_t cell) const {
        return static_cast<std::size_t>((static_cast<std::uint64_t>(cell) * 0x9E3779B97F4A7C15ull) >> (64 - bits_));
    }
    int bits_ = 11;
    std::vector<Slot> slots_;
    std::uint16_t generation_ = 0;
};

// How many places of one pair fall in each cell, by a hash of the cell: a place is looked up in
// the buckets only when its cell and the two beside it hold another place (or share a counter
// with a cell that does, or with the points without a place). Nearly all places are alone, and
// this count has no branches.
class CellCounts {
  public:
    CellCounts() : counts_(kSize, 0) {}
    void Add(std::int32_t cell) { ++counts_[Hash(Product(cell))]; }
    // Whether another place than one in `cell` may lie in it or beside it.
    bool Crowded(std::int32_t cell) const {
        const std::uint64_t h = Product(cell);
        return static_cast<unsigned>(counts_[Hash(h - kMultiplier)]) + counts_[Hash(h)] + counts_[Hash(h + kMultiplier)] > 1;
    }
    void Clear(std::int32_t cell) { counts_[Hash(Product(cell))] = 0; }

  private:
    static constexpr int kBits = 13; // 16 KB: stays in the first-level cache with the points
    static constexpr std::size_t kSize = std::size_t{1} << kBits;
    static constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    static std::uint64_t Product(std::int32_t cell) { return static_cast<std::uint64_t>(std::int64_t{cell}) * kMultiplier; }
    static std::size_t Hash(std::uint64_t product) { return static_cast<std::size_t>(product >> (64 - kBits)); }
    std::vector<std::uint16_t> counts_; // at most 30000 points
};

// Where the centres of the circles through a pair and each later point lie on the pair's
// perpendicular bisector (m + t u), in cells of PlaceBuckets.
struct Bisector {
    double mx, my, ux, uy, h2; // h2: the squared half distance of the pair
    double cellsPerPixel, farthest;

    static constexpr std::int32_t kNoCell = -1073741824; // -2^30: no place is that far

    // The place of the point (x, y) in cells plus kPlaceShift, or -1 when its centre lies
    // beyond `farthest` or nowhere; its cell, floor(place), in `cell`, or kNoCell. The same
    // operations on one or on two points at once give the same bits.
    template <class Real, class Cell>
    Real Place(Real x, Real y, Cell& cell) const {
        // |c - P| = |c - Pi| for the centre c = m + t u
        const Real dx = x - mx, dy = y - my;
        const Real t = (dx * dx + dy * dy - h2) / (2 * (dx * ux + dy * uy));
        const auto inside = t <= farthest && t >= -farthest;
        const Real shifted = t * cellsPerPixel + kPlaceShift;
        // shifted - kPlaceShift is exact (|place| < 2^30 in steps of 2^-21), and so is the sum
        // with 2^30, which is positive: its truncation is the floor, within 32 bits.
        constexpr double kLift = 1073741824.0; // 2^30
        const Real lifted = Select(inside, (shifted - kPlaceShift) + kLift, Real{});
        cell = Truncate<Cell>(lifted) - static_cast<std::int32_t>(kLift);
        return Select(inside, shifted, Real{} - 1);
    }

  private:
    template <class Real> static Real Select(bool c, Real a, Real b) { return c ? a : b; }
    template <class Real, class Mask> static Real Select(Mask c, Real a, Real b) { return c ? a : b; }
    template <class Cell, class Real> static Cell Truncate(Real v) {
        if constexpr (std::is_same_v<Real, double>) return static_cast<Cell>(v);
        else return __builtin_convertvector(v, Cell);
    }
};

// Two doubles and two cells at once (GCC's and Clang's vector types: SSE2 on x86-64).
using TwoReals = double __attribute__((vector_size(16)));
using TwoCells = std::int32_t __attribute__((vector_size(8)));

struct Finder {
    const std::vector<MarkedPoint>& pts;
    double tolerance; // pixels
    double size;      // the longest side, pixels
    std::vector<Relation> found;
    std::set<std::vector<int>> seen; // member lists of the found sets of one kind
    std::vector<RealPoint> at = PositionsOf(pts); // the points' places side by side, for the scans
    std::vector<double> xs = Coordinates(at, &RealPoint::x), ys = Coordinates(at, &RealPoint::y);

    static std::vector<double> Coordinates(const std::vector<RealPoint>& at, double RealPoint::*axis) {
        std::vector<double> out(at.size());
        for (std::size_t k = 0; k < at.size(); ++k)
            out[k] = at[k].*axis;
        return out;
    }
    static std::vector<RealPoint> PositionsOf(const std::vector<MarkedPoint>& pts) {
        std::vector<RealPoint> out(pts.size());
        for (std::size_t k = 0; k < pts.size(); ++k)
            out[k] = pts[k].p;
        return out;
    }
    RealPoint P(int i) const { return at[static_cast<std::size_t>(i)]; }

    // The two members farthest apart.
    std::pair<int, int> FarthestPair(const std::vector<int>& m) const {
        std::pair<int, int> best{m[0], m[1]};
        double longest = -1;
        for (std::size_t a = 0; a < m.size(); ++a)
            for (std::size_t b = a + 1; b < m.size(); ++b) {
                const RealPoint v = Minus(P(m[a]), P(m[b]));
                const double d = Dot(v, v);
                if (d > longest) longest = d, best = {m[a], m[b]};
            }
        return best;
    }

    std::optional<Relation> LineThrough(const std::vector<int>& candidate) const {
        const auto [i, j] = FarthestPair(candidate);
        const RealPoint d = Minus(P(j), P(i));
        const double len = Length(d);
        if (!(len > tolerance)) return std::nullopt;
        Relation r;
        r.kind = RelationKind::Collinear;
        r.centre = P(i);
        r.direction = {d.x / len, d.y / len};
        for (int k = 0; k < static_cast<int>(pts.size()); ++k)
            if (std::fabs(Cross(r.direction, Minus(P(k), r.centre))) <= tolerance) r.members.push_back(k);
        return r;
    }

    // The circle through the best-conditioned triple of the candidate: its two points farthest
    // apart and the one farthest from their line. `wholeCandidate`: none unless every point of the
    // candidate lies on it (a first fit, before the circle is widened).
    std::optional<Relation> CircleThrough(const std::vector<int>& candidate, bool wholeCandidate) const {
        const auto [i, j] = FarthestPair(candidate);
        const RealPoint d = Minus(P(j), P(i));
        int k = -1;
        double widest = 0;
        for (int m : candidate) {
            const double w = std::fabs(Cross(d, Minus(P(m), P(i))));
            if (w > widest) widest = w, k = m;
        }
        if (k < 0) return std::nullopt;
        const RealPoint b = Minus(P(j), P(i)), c = Minus(P(k), P(i));
        const double den = 2 * Cross(b, c);
        if (den == 0) return std::nullopt;
        const double bb = Dot(b, b), cc = Dot(c, c);
        const RealPoint centre{P(i).x + (c.y * bb - b.y * cc) / den, P(i).y + (b.x * cc - c.x * bb) / den};
        const double radius = Length(Minus(P(i), centre));
        if (!Finite(centre) || !(radius <= kLargestRadius * size)) return std::nullopt;
        Relation r;
        r.kind = RelationKind::Concyclic;
        r.centre = centre;
        r.radius = radius;
        // |d - r| <= tolerance without a square root per point
        const double inner = std::max(0.0, radius - tolerance), outer = radius + tolerance;
        const double inner2 = inner * inner, outer2 = outer * outer;
        auto on = [&](RealPoint p) {
            const RealPoint d = Minus(p, centre);
            const double d2 = Dot(d, d);
            return d2 >= inner2 && d2 <= outer2;
        };
        if (wholeCandidate && !std::all_of(candidate.begin(), candidate.end(), [&](int m) { return on(P(m)); }))
            return std::nullopt;
        // Two points at a time, by the same operations as `on`.
        std::size_t m = 0;
        for (; m + 1 < at.size(); m += 2) {
            TwoReals x, y;
            std::memcpy(&x, &xs[m], sizeof x);
            std::memcpy(&y, &ys[m], sizeof y);
            const TwoReals dx = x - centre.x, dy = y - centre.y;
            const TwoReals d2 = dx * dx + dy * dy;
            const auto hit = d2 >= inner2 && d2 <= outer2;
            if (hit[0]) r.members.push_back(static_cast<int>(m));
            if (hit[1]) r.members.push_back(static_cast<int>(m + 1));
        }
        if (m < at.size() && on(at[m])) r.members.push_back(static_cast<int>(m));
        return r;
    }

    // A point on a tangent of the circle lies within the tolerance of it as far as
    // sqrt(2 r tolerance) from the point of contact: of two members closer than that the later one
    // is left out, since the nearness may come from the tangent alone.
    void DropTouchingPoints(Relation& r) const {
        const double nearest = 10 * std::sqrt(2 * r.radius * tolerance);
        std::vector<int> kept;
        // hypot is never below either coordinate: most pairs are told apart without it
        auto close = [&](int m, int k) {
            const RealPoint d = Minus(P(m), P(k));
            return std::fabs(d.x) < nearest && std::fabs(d.y) < nearest && Length(d) < nearest;
        };
        for (int m : r.members)
            if (std::none_of(kept.begin(), kept.end(), [&](int k) { return close(m, k); }))
                kept.push_back(m);
        r.members.swap(kept);
    }

    bool Holds(int set, int point) const {
        const std::vector<int>& m = found[static_cast<std::size_t>(set)].members;
        return std::binary_search(m.begin(), m.end(), point);
    }

    // Checks a candidate, widens it to every point on its line or circle, fits once more through
    // the widest members, and keeps it when it is new.
    template <class Fit>
    void Confirm(const std::vector<int>& candidate, std::size_t least, Held& known, Fit fit) {
        std::optional<Relation> r = fit(candidate);
        if (!r || r->members.size() < least) return;
        r = fit(r->members);
        if (!r) return;
        if (r->kind == RelationKind::Concyclic) DropTouchingPoints(*r);
        if (r->members.size() < least || !seen.insert(r->members).second) return;
        // Points a hair apart fix a line or circle only loosely: a pair or triple may lie on two
        // sets, and the first one keeps it.
        const std::vector<bool> all(pts.size(), true);
        known.Add(r->members, all, static_cast<int>(found.size()));
        found.push_back(std::move(*r));
    }

    // For each point, the directions to the later points, sorted: equal directions are lines.
    void Lines() {
        const int n = static_cast<int>(pts.size());
        Held known(pts.size(), 2);
        std::vector<std::pair<double, int>> dirs;
        std::vector<int> candidate;
        for (int i = 0; i < n; ++i) {
            dirs.clear();
            for (int j = i + 1; j < n; ++j) {
                RealPoint d = Minus(P(j), P(i));
                if (d.x < 0 || (d.x == 0 && d.y < 0)) d = {-d.x, -d.y}; // folded to the right
                // A measure of the angle in (-1, 1] that grows with it, 0.5 to 1 per radian: cheaper
                // than the angle itself.
                const double angle = d.y / (d.x + std::fabs(d.y));
                dirs.emplace_back(angle, j);
                if (angle > 1 - kDirectionSlack) dirs.emplace_back(angle - 2, j); // nearly upright
            }
            std::sort(dirs.begin(), dirs.end());
            for (std::size_t a = 0; a < dirs.size();) {
                std::size_t b = a + 1;
                while (b < dirs.size() && dirs[b].first - dirs[b - 1].first <= kDirectionSlack)
                    ++b;
                const int owner =
                    b - a >= 2 ? known.Owner(i, std::min(dirs[a].second, dirs[a + 1].second)) : -1;
                if (b - a >= 2 &&
                    (owner < 0 || !Holds(owner, std::max(dirs[a].second, dirs[a + 1].second)))) {
                    candidate.assign({i});
                    for (std::size_t c = a; c < b; ++c)
                        candidate.push_back(dirs[c].second);
                    Confirm(candidate, 3, known,
                            [this](const std::vector<int>& m) { return LineThrough(m); });
                }
                a = b;
            }
        }
    }

    // For each pair of points, where the centre of the circle through them and a later third
    // point lies on their perpendicular bisector: a place repeated by a fourth point is a circle.
    // The pairs (i, j) with i taken from `next` as long as points are left: for each, every later
    // point whose place repeats an earlier one, with the nearest of those.
    void CircleCandidates(std::atomic<int>& next, std::vector<std::array<int, 4>>& out) const {
        const int n = static_cast<int>(pts.size());
        PlaceBuckets buckets(pts.size());
        CellCounts counts;
        std::vector<double> shifted(pts.size());
        std::vector<std::int32_t> cells(pts.size());
        std::vector<int> crowded(pts.size());
        Bisector b{};
        b.cellsPerPixel = 1 / (2 * kCentreSlack * size);
        b.farthest = kLargestRadius * size;
        for (int i = next++; i < n; i = next++)
            for (int j = i + 1; j < n; ++j) {
                b.mx = (xs[i] + xs[j]) / 2, b.my = (ys[i] + ys[j]) / 2;
                const double hx = xs[i] - b.mx, hy = ys[i] - b.my;
                b.h2 = hx * hx + hy * hy;
                if (!(b.h2 > 0)) continue;
                const double h = std::sqrt(b.h2);
                b.ux = -hy / h, b.uy = hx / h; // along the bisector
                // 1. Every place and its cell, two at a time.
                int k = j + 1;
                for (; k + 1 < n; k += 2) {
                    TwoReals x, y;
                    TwoCells c;
                    std::memcpy(&x, &xs[static_cast<std::size_t>(k)], sizeof x);
                    std::memcpy(&y, &ys[static_cast<std::size_t>(k)], sizeof y);
                    const TwoReals place = b.Place(x, y, c);
                    std::memcpy(&shifted[static_cast<std::size_t>(k)], &place, sizeof place);
                    std::memcpy(&cells[static_cast<std::size_t>(k)], &c, sizeof c);
                    counts.Add(c[0]), counts.Add(c[1]);
                }
                if (k < n) {
                    shifted[static_cast<std::size_t>(k)] = b.Place(xs[static_cast<std::size_t>(k)], ys[static_cast<std::size_t>(k)], cells[static_cast<std::size_t>(k)]);
                    counts.Add(cells[static_cast<std::size_t>(k)]);
                }
                // 2. The places that may repeat one, in order.
                std::size_t many = 0;
                for (k = j + 1; k < n; ++k) {
                    const std::int32_t cell = cells[static_cast<std::size_t>(k)];
                    crowded[many] = k;
                    many += static_cast<std::size_t>(cell != Bisector::kNoCell) & static_cast<std::size_t>(counts.Crowded(cell));
                }
                for (k = j + 1; k < n; ++k)
                    counts.Clear(cells[static_cast<std::size_t>(k)]);
                if (many < 2) continue;
                // 3. The nearest earlier place of each.
                buckets.Start();
                for (std::size_t c = 0; c < many; ++c) {
                    const int m = crowded[c];
                    const int earlier = buckets.Insert(shifted[static_cast<std::size_t>(m)], m);
                    if (earlier >= 0) out.push_back({i, j, earlier, m});
                }
            }
    }

    // The lines, then the circles. The O(n^3) part of the circles runs on two threads, the second
    // of them from the start, while this one looks for the lines (both only read the points); the
    // candidates are checked in one order afterwards, so that the result does not depend on the
    // threads.
    void LinesAndCircles() {
        const int n = static_cast<int>(pts.size());
        const bool circles = n <= 30000; // the buckets number points in 16 bits
        std::vector<std::array<int, 4>> candidates, second;
        std::atomic<int> next{0}; // the first point of the next pairs, for whichever thread is free
        RunTwoJobs(
            [&] {
                if (circles) CircleCandidates(next, second);
            },
            [&] {
                Lines();
                seen.clear();
                if (circles) CircleCandidates(next, candidates);
            });
        if (!circles) return;
        candidates.insert(candidates.end(), second.begin(), second.end());
        std::sort(candidates.begin(), candidates.end());
        Held known(pts.size(), 3);
        std::vector<int> candidate;
        for (const auto& c : candidates) {
            if (const int owner = known.Owner(c[0], c[1], c[2]); owner >= 0 && Holds(owner, c[3])) continue;
            candidate.assign(c.begin(), c.end());
            // The candidate was gathered with a looser slack: most fail on their own points.
            Confirm(candidate, 4, known, [this, first = true](const std::vector<int>& mm) mutable {
                return CircleThrough(mm, std::exchange(first, false));
            });
        }
    }
};

// Every maximal set of `pts`, without a part of a larger one.
std::vector<Relation> Search(const std::vector<MarkedPoint>& pts, double tolerance, double size) {
    Finder finder{pts, tolerance, size, {}, {}};
    finder.LinesAndCircles();
    // Fits through points at the edge of the tolerance can give a set and a part of it: only the
    // larger is kept. A part shares its first two (line) or three (circle) members with the whole.
    std::vector<Relation>& found = finder.found;
    std::stable_sort(found.begin(), found.end(),
                     [](const Relation& x, const Relation& y) { return x.members.size() > y.members.size(); });
    std::vector<Relation> kept;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> byFirst; // first pair -> kept sets
    const std::uint64_t n = pts.size();
    for (Relation& r : found) {
        const std::uint64_t first = static_cast<std::uint64_t>(r.members[0]) * n + static_cast<std::uint64_t>(r.members[1]);
        const auto sets = byFirst.find(first);
        const bool part = sets != byFirst.end() && std::any_of(sets->second.begin(), sets->second.end(), [&](std::size_t k) {
            const Relation& y = kept[k];
            return y.kind == r.kind && y.members.size() > r.members.size() &&
                   std::includes(y.members.begin(), y.members.end(), r.members.begin(), r.members.end());
        });
        if (part) continue;
        // File the whole under each pair of its members, so that any part finds it by its first pair.
        // A set of the fewest members its kind has (3 on a line, 4 on a circle) has no part.
        const std::size_t least = r.kind == RelationKind::Collinear ? 3 : 4;
        for (std::size_t a = 0; r.members.size() > least && a < r.members.size(); ++a)
            for (std::size_t b = a + 1; b < r.members.size(); ++b)
                byFirst[static_cast<std::uint64_t>(r.members[a]) * n + static_cast<std::uint64_t>(r.members[b])]
                    .push_back(kept.size());
        kept.push_back(std::move(r));
    }
    return kept;
}

// Whether the members of `r` lie on one line or circle here; fits it through them.
bool FitsHere(Relation& r, const std::vector<MarkedPoint>& pts, double tolerance, double size) {
    Finder finder{pts, tolerance, size, {}, {}};
    const std::optional<Relation> fit = r.kind == RelationKind::Collinear ? finder.LineThrough(r.members)
                                                                          : finder.CircleThrough(r.members, true);
    if (!fit) return false;
    for (int m : r.members)
        if (!std::binary_search(fit->members.begin(), fit->members.end(), m)) return false;
    r.centre = fit->centre;
    r.direction = fit->direction;
    r.radius = fit->radius;
    return true;
}

// How many places of the picture the members take: members within kOnePlaceInPicture of an
// earlier one take none of their own.
std::size_t PlacesInPicture(const std::vector<MarkedPoint>& pts, const std::vector<int>& members) {
    std::vector<RealPoint> places;
    for (int m : members) {
        const RealPoint p = pts[static_cast<std::size_t>(m)].p;
        if (std::none_of(places.begin(), places.end(), [&](RealPoint q) { return OnePlaceInPicture(p, q); }))
            places.push_back(p);
    }
    return places.size();
}

// The members of `r` that keep a name in `kept` (per member, as GeneralPart gives them), with those
// names.
Relation KeptPart(const Relation& r, const std::vector<std::vector<int>>& kept) {
    Relation g = r;
    g.members.clear();
    g.names.clear();
    for (std::size_t m = 0; m < kept.size(); ++m)
        if (!kept[m].empty()) g.members.push_back(r.members[m]), g.names.push_back(kept[m]);
    return g;
}

// Three vertices on one line (or none apart): everything the elements construct is degenerate.
bool Flat(const std::array<RealPoint, 3>& abc) {
    return !(LongestSide(abc) > 0) || Cross(Minus(abc[1], abc[0]), Minus(abc[2], abc[0])) == 0;
}

// Whether a general relation of `found` holds every member of `r`.
bool Covered(const std::vector<Relation>& found, const Relation& r) {
    return std::any_of(found.begin(), found.end(), [&](const Relation& t) {
        return t.general && t.kind == r.kind &&
               std::includes(t.members.begin(), t.members.end(), r.members.begin(), r.members.end());
    });
}

// The generic triangle's places of the names of `points` and, per place, the names there.
struct PlacesThere {
    struct Name {
        int place, name;
    };
    std::vector<MarkedPoint> places;
    std::vector<std::vector<Name>> names;

    PlacesThere(const std::vector<MarkedPoint>& points, const OtherTriangle& generic) {
        for (std::size_t u = 0; u < points.size(); ++u) {
            const MarkedPoint& p = points[u];
            for (std::size_t n = 0; n < p.keys.size(); ++n) {
                const auto it = generic.points.find(p.keys[n]);
                if (it == generic.points.end() || !Finite(it->second)) continue;
                std::size_t g = 0;
                const double tolerance2 = generic.tolerance * generic.tolerance;
                for (; g < places.size(); ++g)
                    if (const RealPoint d = Minus(places[g].p, it->second); Dot(d, d) <= tolerance2) break;
                if (g == places.size()) places.emplace_back().p = it->second, names.emplace_back();
                names[g].push_back({static_cast<int>(u), static_cast<int>(n)});
            }
        }
    }
};

std::vector<Relation> SearchThere(const std::vector<MarkedPoint>& places, const OtherTriangle& generic) {
    return Search(places, generic.tolerance, generic.tolerance / kRelationTolerance);
}

// The theorems: sets searched among the names' points on a generic triangle, where no symmetry
// adds sets and no special angle, then taken back to this triangle's places. `searched`: the sets
// found there already (SearchSets), or none.
void Theorems(RelationSet& set, const PaintLog& log, const std::array<RealPoint, 3>& abc,
              const std::vector<OtherTriangle>& others, const OtherTriangle& generic, double tolerance,
              const std::vector<Relation>* searched) {
    const PlacesThere there(set.points, generic);
    using Name = PlacesThere::Name;
    const std::vector<std::vector<Name>>& namesThere = there.names;
    // This triangle by its names, checked first, then the others.
    std::vector<OtherTriangle> checks(1);
    checks[0].tolerance = tolerance;
    for (const MarkedPoint& p : set.points)
        for (const std::string& key : p.keys)
            checks[0].points.emplace(key, p.p);
    checks.insert(checks.end(), others.begin(), others.end());
    // Each set is taken back and checked on both cores (reading only what is shared), then kept
    // in order unless an earlier one covers it.
    std::vector<Relation> searchedHere;
    const std::vector<Relation>& found = searched ? *searched : (searchedHere = SearchThere(there.places, generic));
    std::vector<std::optional<Relation>> theorems(found.size());
    OnBothCores(found.size(), [&](std::size_t k) {
        std::map<int, std::vector<int>> byPlace;
        for (int m : found[k].members)
            for (const Name& n : namesThere[static_cast<std::size_t>(m)])
                byPlace[n.place].push_back(n.name);
        Relation r;
        r.kind = found[k].kind;
        for (auto& [place, names] : byPlace) {
            r.members.push_back(place);
            std::sort(names.begin(), names.end());
            r.names.push_back(std::move(names));
        }
        const std::size_t least = r.kind == RelationKind::Collinear ? 3 : 4;
        if (PlacesInPicture(set.points, r.members) < least) return; // places that meet here: nothing more to say
        // The names that satisfy it here and on the other triangles: a point on it by chance on
        // the generic triangle drops out.
        Relation g = KeptPart(r, GeneralPart(r, set.points, checks));
        if (PlacesInPicture(set.points, g.members) >= least && FitsHere(g, set.points, tolerance, LongestSide(abc)) &&
            !ByConstruction(g, set.points, log, abc, tolerance))
            theorems[k] = std::move(g);
    });
    for (std::optional<Relation>& g : theorems)
        if (g && !Covered(set.relations, *g)) set.relations.push_back(std::move(*g));
}

} // namespace

SetsFound SearchSets(const std::vector<MarkedPoint>& points, const std::array<RealPoint, 3>& abc,
                     const std::vector<OtherTriangle>& generic, bool thisTriangle) {
    SetsFound out;
    if (Flat(abc) || points.empty()) return out;
    const double size = LongestSide(abc);
    for (const OtherTriangle& there : generic)
        out.theorems.push_back(SearchThere(PlacesThere(points, there).places, there));
    if (generic.empty() || thisTriangle) out.here = Search(points, kRelationTolerance * size, size);
    return out;
}

RelationSet FindRelations(std::vector<MarkedPoint> points, const PaintLog& log, const std::array<RealPoint, 3>& abc,
                          const std::vector<OtherTriangle>& others, const std::vector<OtherTriangle>& generic,
                          bool thisTriangle, std::optional<SetsFound> searched) {
    if (searched && searched->theorems.size() != generic.size()) searched.reset(); // for other triangles
    RelationSet set;
    set.points = std::move(points);
    if (Flat(abc) || set.points.empty()) return set;
    const double size = LongestSide(abc);
    Coincidences(set.points, others, set.relations);
    const double tolerance = kRelationTolerance * size;
    for (std::size_t g = 0; g < generic.size(); ++g)
        Theorems(set, log, abc, others, generic[g], tolerance, searched ? &searched->theorems[g] : nullptr);
    if (!generic.empty() && !thisTriangle) {
        std::erase_if(set.relations, [](const Relation& r) { return !r.general; });
    } else {
        std::vector<Relation> found =
            searched && searched->here ? std::move(*searched->here) : Search(set.points, tolerance, size);
        // The checks of each set read only what is shared and run on both cores; the sets are
        // then taken in order.
        struct Checked {
            bool byConstruction = false;
            std::vector<std::vector<int>> kept; // the names that satisfy it on the other triangles
            bool whole = false;                 // every member keeps one
            Relation general;                   // the members that keep a name, with those names
            bool generalByConstruction = false;
        };
        const bool elsewhere = !generic.empty(); // the theorems were searched on a generic triangle
        std::vector<Checked> checked(found.size());
        OnBothCores(found.size(), [&](std::size_t k) {
            Relation& r = found[k];
            Checked& c = checked[k];
            c.byConstruction = ByConstruction(r, set.points, log, abc, tolerance);
            if (c.byConstruction) return;
            for (int m : r.members)
                r.names.push_back(AllNames(set.points[static_cast<std::size_t>(m)]));
            if (others.empty()) return;
            // The names that satisfy it on the other triangles: all members keep one, or a part of
            // them is a theorem and the whole set holds here only.
            c.kept = GeneralPart(r, set.points, others);
            c.whole = !c.kept.empty() &&
                      std::none_of(c.kept.begin(), c.kept.end(), [](const auto& n) { return n.empty(); });
            if (c.kept.empty()) return;
            c.general = KeptPart(r, c.kept);
            if (!c.whole && !elsewhere)
                c.generalByConstruction = ByConstruction(c.general, set.points, log, abc, tolerance);
        });
        for (std::size_t k = 0; k < found.size(); ++k) {
            Relation& r = found[k];
            Checked& c = checked[k];
            if (c.byConstruction) continue;
            if (others.empty()) {
                set.relations.push_back(std::move(r));
                continue;
            }
            // On a generic triangle the theorems were found already, but a set at the edge of
            // the candidates' slack there may have been missed: it is kept from here.
            if (!c.kept.empty() && (!elsewhere || (c.whole && !Covered(set.relations, r))) &&
                (c.whole || !c.generalByConstruction))
                set.relations.push_back(std::move(c.general));
            if (!c.whole) {
                r.general = false;
                r.names.assign(r.members.size(), {0}); // by its places' first names
                set.relations.push_back(std::move(r));
            }
        }
    }

    for (Relation& r : ConicRelations(set.points, log, size, others))
        set.relations.push_back(std::move(r));
    for (Relation& r : DrawnElementRelations(set.points, log, abc, others))
        set.relations.push_back(std::move(r));

    std::vector<std::string> texts;
    std::vector<int> weights;
    std::vector<std::size_t> order(set.relations.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<bool> famous; // a line or circle of the table of known ones: they come first
    for (Relation& r : set.relations) {
        if (r.general) r.title = KnownName(r, set.points, abc);
        famous.push_back(!r.title.empty() && r.kind != RelationKind::OnConic);
        if (r.general && r.title.empty()) r.title = DrawnTitle(r, set.points, log, others, tolerance);
        texts.push_back(RelationLine(set, r));
        weights.push_back(Weight(r, set.points) + r.elementEntries);
    }
    auto rank = [&](std::size_t k) {
        const Relation& r = set.relations[k];
        return std::make_tuple(!r.general, !famous[k], r.title.empty() && !AmongDrawnElements(r.kind), r.kind == RelationKind::OnConic,
                               r.kind == RelationKind::Coincident, r.inPicture, -weights[k],
                               -static_cast<long>(r.members.size()));
    };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return rank(a) != rank(b) ? rank(a) < rank(b) : texts[a] < texts[b];
    });
    std::vector<Relation> sorted;
    for (std::size_t k = 0; k < order.size(); ++k)
        if (k == 0 || texts[order[k]] != texts[order[k - 1]] ||
            set.relations[order[k]].general != set.relations[order[k - 1]].general)
            sorted.push_back(std::move(set.relations[order[k]]));
    set.relations = std::move(sorted);
    return set;
}

} // namespace trimora
