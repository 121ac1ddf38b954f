#include "draw/relations.h"

#include "draw/point_table.h"
#include "draw/results.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace trimora {
namespace {

// Candidates are gathered with looser tolerances than kRelationTolerance and then checked
// against it, so that rounding in the candidate search never loses a relation.
constexpr double kDirectionSlack = 1e-7; // radians between directions from one point
constexpr double kCentreSlack = 1e-6;    // of the longest side, along a perpendicular bisector
constexpr double kLargestRadius = 1e3;   // of the longest side: beyond it a circle is a line

double Cross(RealPoint a, RealPoint b) {
    return a.x * b.y - a.y * b.x;
}
RealPoint Minus(RealPoint a, RealPoint b) {
    return {a.x - b.x, a.y - b.y};
}
double Dot(RealPoint a, RealPoint b) {
    return a.x * b.x + a.y * b.y;
}
double Length(RealPoint a) {
    return std::hypot(a.x, a.y);
}
bool Finite(RealPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

double LongestSide(const std::array<RealPoint, 3>& abc) {
    return std::max(
        {Length(Minus(abc[0], abc[1])), Length(Minus(abc[1], abc[2])), Length(Minus(abc[2], abc[0]))});
}

bool StartsWithEllipsis(std::string_view label) {
    return label.substr(0, kEllipsis.size()) == kEllipsis;
}

std::string_view LabelOf(const std::string& line) {
    const auto tab = line.find('\t');
    return tab == std::string::npos ? std::string_view(line) : std::string_view(line).substr(0, tab);
}

// The head of the block of line i: the nearest line at or before it that is a title (no tab) or
// whose label is not a "…" sub-label.
std::size_t BlockHead(const ResultsList& results, std::size_t i) {
    for (std::size_t k = i + 1; k-- > 0;) {
        const std::string& line = results[k];
        if (line.find('\t') == std::string::npos || !StartsWithEllipsis(LabelOf(line))) return k;
    }
    return i;
}

// A sub-label "… Lotfußpunkt" is named with its block's title: "Schwerpunkt … Lotfußpunkt".
std::string PointName(const ResultsList& results, std::size_t i) {
    const std::string_view label = LabelOf(results[i]);
    if (!StartsWithEllipsis(label)) return std::string(label);
    const std::size_t head = BlockHead(results, i);
    if (head == i) return std::string(label);
    std::string name(LabelOf(results[head]));
    name += ' ';
    name += label;
    return name;
}

// The points listed as members of a found set, for leaving out candidates that a found set
// already holds.
struct Membership {
    explicit Membership(std::size_t n) : n_(n) {}
    void Add(const std::vector<int>& members) {
        sets_.emplace_back(n_, false);
        for (int m : members)
            sets_.back()[static_cast<std::size_t>(m)] = true;
    }
    bool Holds(std::initializer_list<int> points) const {
        return std::any_of(sets_.begin(), sets_.end(), [&](const std::vector<bool>& s) {
            return std::all_of(points.begin(), points.end(),
                               [&](int p) { return s[static_cast<std::size_t>(p)]; });
        });
    }

  private:
    std::size_t n_;
    std::vector<std::vector<bool>> sets_;
};

struct Finder {
    const std::vector<MarkedPoint>& pts;
    double tolerance; // pixels
    double size;      // the longest side, pixels
    std::vector<Relation> found;

    RealPoint P(int i) const { return pts[static_cast<std::size_t>(i)].p; }

    // The two members farthest apart.
    std::pair<int, int> FarthestPair(const std::vector<int>& m) const {
        std::pair<int, int> best{m[0], m[1]};
        double longest = -1;
        for (std::size_t a = 0; a < m.size(); ++a)
            for (std::size_t b = a + 1; b < m.size(); ++b) {
                const double d = Length(Minus(P(m[a]), P(m[b])));
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
    // apart and the one farthest from their line.
    std::optional<Relation> CircleThrough(const std::vector<int>& candidate) const {
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
        for (int m = 0; m < static_cast<int>(pts.size()); ++m)
            if (std::fabs(Length(Minus(P(m), centre)) - radius) <= tolerance) r.members.push_back(m);
        return r;
    }

    // Checks a candidate, widens it to every point on its line or circle, fits once more through
    // the widest members, and keeps it when it is new.
    template <class Fit>
    void Confirm(const std::vector<int>& candidate, std::size_t least, Membership& known, Fit fit) {
        std::optional<Relation> r = fit(candidate);
        if (!r || r->members.size() < least) return;
        r = fit(r->members);
        if (!r || r->members.size() < least) return;
        known.Add(r->members);
        found.push_back(std::move(*r));
    }

    // For each point, the directions to the later points, sorted: equal directions are lines.
    void Lines() {
        const int n = static_cast<int>(pts.size());
        Membership known(pts.size());
        std::vector<std::pair<double, int>> dirs;
        std::vector<int> candidate;
        for (int i = 0; i < n; ++i) {
            dirs.clear();
            for (int j = i + 1; j < n; ++j) {
                const RealPoint d = Minus(P(j), P(i));
                double angle = std::atan2(d.y, d.x); // folded into (-pi/2, pi/2]
                if (angle > M_PI / 2) angle -= M_PI;
                if (angle <= -M_PI / 2) angle += M_PI;
                dirs.emplace_back(angle, j);
                if (angle > M_PI / 2 - kDirectionSlack) dirs.emplace_back(angle - M_PI, j); // nearly upright
            }
            std::sort(dirs.begin(), dirs.end());
            for (std::size_t a = 0; a < dirs.size();) {
                std::size_t b = a + 1;
                while (b < dirs.size() && dirs[b].first - dirs[b - 1].first <= kDirectionSlack)
                    ++b;
                if (b - a >= 2 && !known.Holds({i, dirs[a].second, dirs[a + 1].second})) {
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
    // point lies on their perpendicular bisector: equal places are circles.
    void Circles() {
        const int n = static_cast<int>(pts.size());
        Membership known(pts.size());
        std::vector<std::pair<double, int>> places;
        std::vector<int> candidate;
        const double slack = kCentreSlack * size, farthest = kLargestRadius * size;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                const RealPoint m = Midpoint(P(i), P(j));
                const RealPoint half = Minus(P(i), m);
                const double h = Length(half);
                if (!(h > 0)) continue;
                const RealPoint u{-half.y / h, half.x / h}; // along the bisector
                places.clear();
                for (int k = j + 1; k < n; ++k) {
                    const RealPoint d = Minus(P(k), m);
                    const double den = 2 * Dot(d, u);
                    // |c - Pk| = |c - Pi| for the centre c = m + t u
                    const double t = (Dot(d, d) - h * h) / den;
                    if (std::fabs(t) <= farthest) places.emplace_back(t, k);
                }
                if (places.size() < 2) continue;
                std::sort(places.begin(), places.end());
                for (std::size_t a = 0; a < places.size();) {
                    std::size_t b = a + 1;
                    while (b < places.size() && places[b].first - places[b - 1].first <= slack)
                        ++b;
                    if (b - a >= 2 && !known.Holds({i, j, places[a].second})) {
                        candidate.assign({i, j});
                        for (std::size_t c = a; c < b; ++c)
                            candidate.push_back(places[c].second);
                        Confirm(candidate, 4, known,
                                [this](const std::vector<int>& mm) { return CircleThrough(mm); });
                    }
                    a = b;
                }
            }
    }
};

bool NearVertex(RealPoint p, RealPoint v, double tolerance) {
    if (Length(Minus(p, v)) <= tolerance) return true;
    // A vertex known only as its screen pixel matches the point that rounds to it.
    return v.x == std::round(v.x) && v.y == std::round(v.y) && RoundClamp(p.x) == static_cast<int>(v.x) &&
           RoundClamp(p.y) == static_cast<int>(v.y);
}

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

} // namespace

void LogReportedPoint(PaintContext& ctx, RealPoint p) {
    if (ctx.log) ctx.log->points.push_back({ctx.doc.results.Size(), p, ctx.lastEntryOn});
}

void NoteExactPoint(PaintContext& ctx, RealPoint exact) {
    if (!ctx.log || ctx.log->points.empty() || ctx.doc.results.Empty()) return;
    ReportedPoint& last = ctx.log->points.back();
    if (last.line + 1 == ctx.doc.results.Size()) last.p = exact;
}

void LogTriangle(PaintContext& ctx, int i, int j, int k) {
    if (!ctx.log) return;
    std::array<RealPoint, 3> tri;
    const int slots[3] = {i, j, k};
    for (int n = 0; n < 3; ++n) {
        // The block measures the screen points; the precise point is the same vertex when it
        // rounds to them (scratch slots carry only the screen point).
        const RealPoint precise = ctx.pt.precise[slots[n]];
        const IntPoint screen = ctx.pt.screen[slots[n]];
        const bool same =
            Finite(precise) && RoundClamp(precise.x) == screen.x && RoundClamp(precise.y) == screen.y;
        tri[static_cast<std::size_t>(n)] = same ? precise : ScreenAsReal(ctx.pt, slots[n]);
    }
    ctx.log->triangles.push_back(tri);
}

std::vector<MarkedPoint> CollectMarkedPoints(const ResultsList& results, const PaintLog& log,
                                             const ResultsList& scaledResults, const PaintLog& scaledLog,
                                             RealPoint centre, const std::array<RealPoint, 3>& abc) {
    const double tolerance = kRelationTolerance * LongestSide(abc);
    // The same point of the stretched triangle: the same name, counted in order.
    std::map<std::string, std::vector<RealPoint>> scaled;
    for (const ReportedPoint& r : scaledLog.points)
        if (r.line < scaledResults.Size()) scaled[PointName(scaledResults, r.line)].push_back(r.p);
    std::map<std::string, std::size_t> seen;

    std::vector<MarkedPoint> raw;
    for (const ReportedPoint& r : log.points) {
        if (r.line >= results.Size()) continue;
        std::string name = PointName(results, r.line);
        const std::size_t ordinal = seen[name]++;
        if (!Finite(r.p) || IsAbsentPoint(r.p)) continue;
        const auto twin = scaled.find(name);
        if (twin == scaled.end() || ordinal >= twin->second.size()) continue;
        const RealPoint expected{centre.x + 2 * (r.p.x - centre.x), centre.y + 2 * (r.p.y - centre.y)};
        const RealPoint got = twin->second[ordinal];
        if (!Finite(got) || !(Length(Minus(got, expected)) <= 2 * tolerance)) continue;
        // Without a tested entry, the block of the line stands for the element.
        const int element =
            r.entry >= 0 ? r.entry : kEntryCount + static_cast<int>(BlockHead(results, r.line));
        raw.push_back({r.p, {std::move(name)}, {element}, r.line});
    }
    // Equal points, whichever elements report them, are one point with several names.
    std::sort(raw.begin(), raw.end(),
              [](const MarkedPoint& a, const MarkedPoint& b) { return a.p.x < b.p.x; });
    std::vector<bool> taken(raw.size(), false);
    std::vector<MarkedPoint> merged;
    for (std::size_t a = 0; a < raw.size(); ++a) {
        if (taken[a]) continue;
        MarkedPoint point = raw[a];
        for (std::size_t b = a + 1; b < raw.size() && raw[b].p.x - raw[a].p.x <= tolerance; ++b) {
            if (taken[b] || Length(Minus(raw[b].p, raw[a].p)) > tolerance) continue;
            taken[b] = true;
            point.firstLine = std::min(point.firstLine, raw[b].firstLine);
            point.names.push_back(raw[b].names[0]);
            point.elements.push_back(raw[b].elements[0]);
        }
        std::sort(point.elements.begin(), point.elements.end());
        point.elements.erase(std::unique(point.elements.begin(), point.elements.end()), point.elements.end());
        merged.push_back(std::move(point));
    }
    // Names and points in the order of the results list.
    std::sort(merged.begin(), merged.end(),
              [](const MarkedPoint& a, const MarkedPoint& b) { return a.firstLine < b.firstLine; });
    for (MarkedPoint& m : merged) {
        std::vector<std::string> unique;
        for (std::string& name : m.names)
            if (std::find(unique.begin(), unique.end(), name) == unique.end())
                unique.push_back(std::move(name));
        m.names = std::move(unique);
    }
    return merged;
}

RelationSet FindRelations(std::vector<MarkedPoint> points, const PaintLog& log,
                          const std::array<RealPoint, 3>& abc) {
    RelationSet set;
    set.points = std::move(points);
    const double size = LongestSide(abc);
    if (!(size > 0) || set.points.size() < 3) return set;
    Finder finder{set.points, kRelationTolerance * size, size, {}};
    finder.Lines();
    finder.Circles();
    for (Relation& r : finder.found)
        if (!ByConstruction(r, set.points, log, abc, finder.tolerance)) set.relations.push_back(std::move(r));

    std::vector<std::string> texts;
    std::vector<std::size_t> order(set.relations.size());
    std::iota(order.begin(), order.end(), 0);
    for (const Relation& r : set.relations)
        texts.push_back(RelationLine(set, r));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::size_t sa = set.relations[a].members.size(), sb = set.relations[b].members.size();
        return sa != sb ? sa > sb : texts[a] < texts[b];
    });
    std::vector<Relation> sorted;
    for (std::size_t k : order)
        sorted.push_back(std::move(set.relations[k]));
    set.relations = std::move(sorted);
    return set;
}

std::string RelationLine(const RelationSet& set, const Relation& r) {
    std::string line = r.kind == RelationKind::Collinear ? "kollinear\t" : "konzyklisch\t";
    for (std::size_t m = 0; m < r.members.size(); ++m) {
        if (m > 0) line += ", ";
        const MarkedPoint& p = set.points[static_cast<std::size_t>(r.members[m])];
        for (std::size_t n = 0; n < p.names.size(); ++n) {
            if (n > 0) line += " = ";
            line += p.names[n];
        }
    }
    return line;
}

std::vector<std::string> RelationLines(const RelationSet& set) {
    std::vector<std::string> lines{std::string(kRelationsHeading)};
    if (set.relations.empty()) lines.emplace_back("Keine Zusammenhänge gefunden");
    for (const Relation& r : set.relations)
        lines.push_back(RelationLine(set, r));
    return lines;
}

} // namespace trimora
