#include "explore/drawn_relations.h"

#include "explore/drawn_geometry.h"
#include "explore/relation_checks.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace trimora {
namespace {

using namespace plane;

// Two lines closer to parallel than this (the sine of their angle) meet too far off, or too
// unsharply, to say where.
constexpr double kLeastMeetingSine = 1e-2;
// Lines count as parallel or perpendicular within this angle (radians): their directions come
// from points exact to about 1e-13 of the triangle that lie a good part of it apart.
constexpr double kSameDirection = 1e-8;
// Meeting points farther than this many longest sides from the centroid are not looked at.
constexpr double kFarthestMeet = 25;

// A drawn line or circle found on every other triangle: per triangle (0 here, then the others)
// the element there and its tolerance.
struct Curve {
    std::vector<const LoggedLine*> line;
    std::vector<const LoggedCircle*> circle;
    std::string name; // numbered where its entry draws several of one name: "Nagel-Transversale (2)"
    std::vector<RealPoint> along; // a line's unit direction per triangle
    bool IsLine() const { return !line.empty(); }
    double Off(std::size_t t, RealPoint p) const { return std::fabs(Cross(along[t], Minus(p, line[t]->p1))); }
    int Entry() const { return IsLine() ? line[0]->entry : circle[0]->entry; }
    int Stage() const { return IsLine() ? line[0]->stage : circle[0]->stage; }
    const std::string& Name() const { return name; }
};

// Numbered where the log holds several of one name, in the order drawn: "Nagel-Transversale (2)".
template <class Logged>
std::string NumberedName(const Logged& e, const std::vector<Logged>& all) {
    int before = 0, same = 0;
    for (const Logged& o : all)
        if (o.name == e.name) before += &o < &e, ++same;
    return same > 1 ? e.name + " (" + std::to_string(before + 1) + ")" : e.name;
}

template <class Logged>
bool Found(const Logged& e, const std::vector<OtherTriangle>& others, std::vector<const Logged*>& out) {
    out.push_back(&e);
    for (const OtherTriangle& t : others) {
        const Logged* same = SameThere(e, t);
        if (!same) return false;
        out.push_back(same);
    }
    return true;
}

bool SameLine(const LoggedLine& a, const LoggedLine& b, double tolerance) {
    return Distance(a, b.p1) <= tolerance && Distance(a, b.p2) <= tolerance;
}
bool SameCircle(const LoggedCircle& a, const LoggedCircle& b, double tolerance) {
    return Length(Minus(a.centre, b.centre)) <= tolerance && std::fabs(a.radius - b.radius) <= tolerance;
}

// The drawn lines and circles that every other triangle draws too, each line and circle once.
std::vector<Curve> CurvesOf(const PaintLog& log, const std::vector<OtherTriangle>& others, double tolerance) {
    std::vector<Curve> out;
    for (const LoggedLine& l : log.lines) {
        Curve c;
        const bool again = std::any_of(out.begin(), out.end(),
                                       [&](const Curve& o) { return o.IsLine() && SameLine(*o.line[0], l, tolerance); });
        c.name = NumberedName(l, log.lines);
        if (again || !Found(l, others, c.line)) continue;
        for (const LoggedLine* there : c.line) c.along.push_back(Direction(*there));
        out.push_back(std::move(c));
    }
    for (const LoggedCircle& k : log.circles) {
        if (k.builtTouching) continue; // takes part in nothing that is looked for
        Curve c;
        const bool again = std::any_of(out.begin(), out.end(), [&](const Curve& o) {
            return !o.IsLine() && SameCircle(*o.circle[0], k, tolerance);
        });
        c.name = NumberedName(k, log.circles);
        if (!again && Found(k, others, c.circle)) out.push_back(std::move(c));
    }
    return out;
}

// Where the line through p with unit direction u meets the one through q along v.
std::optional<RealPoint> Meet(RealPoint p, RealPoint u, RealPoint q, RealPoint v) {
    const double sine = Cross(u, v);
    if (std::fabs(sine) < kLeastMeetingSine) return std::nullopt;
    const double t = Cross(Minus(q, p), v) / sine;
    return RealPoint{p.x + t * u.x, p.y + t * u.y};
}

std::optional<RealPoint> Touch(const LoggedCircle& a, const LoggedCircle& b, double tolerance) {
    const RealPoint d = Minus(b.centre, a.centre);
    const double apart = Length(d);
    if (apart <= tolerance) return std::nullopt;
    const RealPoint u{d.x / apart, d.y / apart};
    if (std::fabs(apart - (a.radius + b.radius)) <= tolerance)
        return RealPoint{a.centre.x + a.radius * u.x, a.centre.y + a.radius * u.y};
    if (std::fabs(apart - std::fabs(a.radius - b.radius)) <= tolerance) {
        const double s = a.radius >= b.radius ? a.radius : -b.radius; // from a's centre, away from b's when b is larger
        const RealPoint from = a.radius >= b.radius ? a.centre : b.centre;
        return RealPoint{from.x + s * u.x, from.y + s * u.y};
    }
    return std::nullopt;
}

std::optional<RealPoint> Touch(const LoggedCircle& c, const LoggedLine& l, double tolerance) {
    const RealPoint u = Direction(l);
    const double along = Dot(Minus(c.centre, l.p1), u);
    const RealPoint foot{l.p1.x + along * u.x, l.p1.y + along * u.y};
    if (std::fabs(Length(Minus(c.centre, foot)) - c.radius) > tolerance) return std::nullopt;
    return foot;
}

std::optional<RealPoint> Touch(const Curve& a, const Curve& b, std::size_t t, double tolerance) {
    if (!a.IsLine() && !b.IsLine()) return Touch(*a.circle[t], *b.circle[t], tolerance);
    if (!a.IsLine()) return Touch(*a.circle[t], *b.line[t], tolerance);
    return Touch(*b.circle[t], *a.line[t], tolerance);
}

class DrawnSearch {
public:
    DrawnSearch(const std::vector<MarkedPoint>& points, const PaintLog& log, const std::array<RealPoint, 3>& abc,
                const std::vector<OtherTriangle>& others)
        : points_(points), abc_(abc), others_(others) {
        const double size = LongestSide(abc);
        tolerance_.push_back(kRelationTolerance * size);
        for (const OtherTriangle& t : others) tolerance_.push_back(t.tolerance);
        curves_ = CurvesOf(log, others, tolerance_[0]);
        centroid_ = {(abc[0].x + abc[1].x + abc[2].x) / 3, (abc[0].y + abc[1].y + abc[2].y) / 3};
        far_ = kFarthestMeet * size;
    }

    void LinesThroughOnePoint(std::vector<Relation>& out) const;
    void TouchingCurves(std::vector<Relation>& out) const;
    void ParallelAndPerpendicular(std::vector<Relation>& out) const;

private:
    std::size_t Triangles() const { return tolerance_.size(); }

    // The marked place at `at` (per triangle) with those of its names that are there on each
    // other triangle; -1 when none. Adds it to the members of `r`.
    int MemberAt(Relation& r, const std::vector<RealPoint>& at) const {
        for (std::size_t k = 0; k < points_.size(); ++k) {
            const MarkedPoint& p = points_[k];
            if (Length(Minus(p.p, at[0])) > tolerance_[0]) continue;
            std::vector<int> names;
            for (int n : AllNames(p)) {
                bool there = static_cast<std::size_t>(n) < p.keys.size() && !p.keys[static_cast<std::size_t>(n)].empty();
                for (std::size_t t = 1; t < Triangles() && there; ++t) {
                    const auto it = others_[t - 1].points.find(p.keys[static_cast<std::size_t>(n)]);
                    there = it != others_[t - 1].points.end() && Length(Minus(it->second, at[t])) <= tolerance_[t];
                }
                if (there) names.push_back(n);
            }
            if (names.empty()) return -1;
            r.members.push_back(static_cast<int>(k));
            r.names.push_back(std::move(names));
            return static_cast<int>(r.members.size()) - 1;
        }
        return -1;
    }

    // The marked place at `at`, or nothing.
    const MarkedPoint* PlaceAt(RealPoint at) const {
        for (const MarkedPoint& p : points_)
            if (Length(Minus(p.p, at)) <= tolerance_[0]) return &p;
        return nullptr;
    }
    // A vertex of ABC, or a point that the entry itself reports: where its elements were built through.
    bool BuiltAt(RealPoint at, int entry) const {
        if (std::any_of(abc_.begin(), abc_.end(), [&](RealPoint v) { return Length(Minus(v, at)) <= tolerance_[0]; }))
            return true;
        const MarkedPoint* p = PlaceAt(at);
        return p && std::binary_search(p->elements.begin(), p->elements.end(), entry);
    }
    // A place the program marks as a point of contact, where it built curves to touch.
    bool MarkedContact(RealPoint at) const {
        const MarkedPoint* p = PlaceAt(at);
        return p && std::any_of(p->names.begin(), p->names.end(), [](const std::string& name) {
                   return name.find("Berührungspunkt") != std::string::npos ||
                          name.find("Kontaktpunkt") != std::string::npos;
               });
    }
    bool AtVertex(RealPoint at) const {
        return std::any_of(abc_.begin(), abc_.end(), [&](RealPoint v) { return Length(Minus(v, at)) <= tolerance_[0]; });
    }
    // Parallel or perpendicular to a side of ABC: most such lines are built so.
    bool AlongOrAcrossSide(const LoggedLine& l) const {
        const RealPoint u = Direction(l);
        for (std::size_t k = 0; k < 3; ++k) {
            const RealPoint side = Minus(abc_[(k + 1) % 3], abc_[k]);
            const double n = Length(side);
            if (std::fabs(Cross(u, side)) <= kSameDirection * n || std::fabs(Dot(u, side)) <= kSameDirection * n)
                return true;
        }
        return false;
    }

    bool SideOfAbc(const LoggedLine& l) const {
        int on = 0;
        for (RealPoint v : abc_) on += Distance(l, v) <= tolerance_[0];
        return on >= 2;
    }

    int Entries(const std::vector<std::size_t>& members) const {
        std::set<int> entries;
        for (std::size_t k : members) entries.insert(curves_[k].Entry());
        return static_cast<int>(entries.size());
    }

    bool OneEntry(const std::vector<std::size_t>& members) const {
        return std::all_of(members.begin(), members.end(),
                           [&](std::size_t k) { return curves_[k].Entry() == curves_[members[0]].Entry(); });
    }

    const std::vector<MarkedPoint>& points_;
    const std::array<RealPoint, 3>& abc_;
    const std::vector<OtherTriangle>& others_;
    std::vector<double> tolerance_; // per triangle, here first
    std::vector<Curve> curves_;
    RealPoint centroid_{};
    double far_ = 0;
};

void DrawnSearch::LinesThroughOnePoint(std::vector<Relation>& out) const {
    std::vector<std::size_t> lines;
    for (std::size_t k = 0; k < curves_.size(); ++k)
        if (curves_[k].IsLine()) lines.push_back(k);
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            const Curve &a = curves_[lines[i]], &b = curves_[lines[j]];
            std::vector<RealPoint> meet;
            for (std::size_t t = 0; t < Triangles(); ++t) {
                const auto x = Meet(a.line[t]->p1, a.along[t], b.line[t]->p1, b.along[t]);
                if (!x) break;
                meet.push_back(*x);
            }
            if (meet.size() < Triangles() || Length(Minus(meet[0], centroid_)) > far_) continue;
            // The group is taken where its first two lines meet.
            std::vector<std::size_t> group;
            bool earlier = false;
            for (std::size_t k = 0; k < lines.size() && !earlier; ++k) {
                const Curve& c = curves_[lines[k]];
                bool through = true;
                for (std::size_t t = 0; t < Triangles() && through; ++t)
                    through = c.Off(t, meet[t]) <= tolerance_[t];
                if (!through) continue;
                earlier = k < j && k != i;
                group.push_back(lines[k]);
            }
            if (earlier || group.size() < 3 || AtVertex(meet[0])) continue;
            // Lines built through the point meet there by construction: three others make a theorem,
            // and only they are named.
            std::erase_if(group, [&](std::size_t k) {
                const LoggedLine& l = *curves_[k].line[0];
                return Length(Minus(l.p1, meet[0])) <= tolerance_[0] || Length(Minus(l.p2, meet[0])) <= tolerance_[0] ||
                       BuiltAt(meet[0], l.entry);
            });
            if (group.size() < 3 || OneEntry(group)) continue;
            Relation r;
            r.kind = RelationKind::Concurrent;
            r.centre = meet[0];
            for (std::size_t k : group) r.elements.push_back(curves_[k].Name());
            r.elementEntries = Entries(group);
            MemberAt(r, meet);
            out.push_back(std::move(r));
        }
}

void DrawnSearch::TouchingCurves(std::vector<Relation>& out) const {
    // Per curve the curves it touches on every triangle, and where.
    struct Contact {
        std::size_t other;
        std::vector<RealPoint> at;
    };
    std::vector<std::vector<Contact>> touches(curves_.size());
    for (std::size_t i = 0; i < curves_.size(); ++i)
        for (std::size_t j = i + 1; j < curves_.size(); ++j) {
            const Curve &a = curves_[i], &b = curves_[j];
            // Curves of one family are built together, often to touch (the Soddy and Lucas circles).
            if ((a.IsLine() && b.IsLine()) || a.Stage() == b.Stage()) continue;
            const Curve* line = a.IsLine() ? &a : b.IsLine() ? &b : nullptr;
            if (line && SideOfAbc(*line->line[0])) continue;
            std::vector<RealPoint> at;
            for (std::size_t t = 0; t < Triangles(); ++t) {
                const auto p = Touch(a, b, t, tolerance_[t]);
                if (!p) break;
                at.push_back(*p);
            }
            if (at.size() < Triangles() || BuiltAt(at[0], a.Entry()) || BuiltAt(at[0], b.Entry()) ||
                MarkedContact(at[0]))
                continue;
            // A line built through the point where it touches.
            if (line && (Length(Minus(line->line[0]->p1, at[0])) <= tolerance_[0] ||
                         Length(Minus(line->line[0]->p2, at[0])) <= tolerance_[0]))
                continue;
            touches[i].push_back({j, at});
            touches[j].push_back({i, at});
        }
    // Each contact once, in the row of the curve with more of them.
    for (std::size_t i = 0; i < curves_.size(); ++i) {
        Relation r;
        r.kind = RelationKind::Touching;
        r.elements.push_back(curves_[i].Name());
        r.at.push_back(-1);
        std::vector<std::size_t> row{i};
        for (const Contact& c : touches[i]) {
            const std::size_t mine = touches[i].size(), theirs = touches[c.other].size();
            if (theirs > mine || (theirs == mine && c.other < i)) continue;
            row.push_back(c.other);
            r.elementEntries = Entries(row);
            r.elements.push_back(curves_[c.other].Name());
            r.at.push_back(MemberAt(r, c.at));
            if (r.elements.size() == 2) r.centre = c.at[0];
        }
        if (r.elements.size() > 1) out.push_back(std::move(r));
    }
}

void DrawnSearch::ParallelAndPerpendicular(std::vector<Relation>& out) const {
    std::vector<std::size_t> lines;
    for (std::size_t k = 0; k < curves_.size(); ++k)
        if (curves_[k].IsLine()) lines.push_back(k);
    const auto everywhere = [&](std::size_t a, std::size_t b, bool perpendicular) {
        for (std::size_t t = 0; t < Triangles(); ++t) {
            const RealPoint u = curves_[a].along[t], v = curves_[b].along[t];
            if (std::fabs(perpendicular ? Dot(u, v) : Cross(u, v)) > kSameDirection) return false;
        }
        return true;
    };
    // Classes of lines parallel on every triangle, in the order of their first line.
    std::vector<std::vector<std::size_t>> classes;
    for (std::size_t k : lines) {
        if (AlongOrAcrossSide(*curves_[k].line[0])) continue;
        const auto it = std::find_if(classes.begin(), classes.end(),
                                     [&](const auto& c) { return everywhere(c[0], k, false); });
        if (it == classes.end())
            classes.push_back({k});
        else
            it->push_back(k);
    }
    const auto names = [&](const std::vector<std::size_t>& c, Relation& r) {
        for (std::size_t k : c) r.elements.push_back(curves_[k].Name());
    };
    const auto entries = [&](const std::vector<std::size_t>& c, const std::vector<std::size_t>& d = {}) {
        std::vector<std::size_t> both = c;
        both.insert(both.end(), d.begin(), d.end());
        return Entries(both);
    };
    for (const auto& c : classes) {
        if (c.size() < 2 || OneEntry(c)) continue;
        Relation r;
        r.kind = RelationKind::Parallel;
        r.centre = curves_[c[0]].line[0]->p1;
        names(c, r);
        r.elementEntries = entries(c);
        out.push_back(std::move(r));
    }
    for (std::size_t a = 0; a < classes.size(); ++a)
        for (std::size_t b = a + 1; b < classes.size(); ++b) {
            std::vector<std::size_t> both = classes[a];
            both.insert(both.end(), classes[b].begin(), classes[b].end());
            if (OneEntry(both) || !everywhere(classes[a][0], classes[b][0], true)) continue;
            Relation r;
            r.kind = RelationKind::Perpendicular;
            r.centre = curves_[classes[a][0]].line[0]->p1;
            names(classes[a], r);
            r.split = classes[a].size();
            names(classes[b], r);
            r.elementEntries = entries(classes[a], classes[b]);
            out.push_back(std::move(r));
        }
}

} // namespace

std::vector<Relation> DrawnElementRelations(const std::vector<MarkedPoint>& points, const PaintLog& log,
                                            const std::array<RealPoint, 3>& abc,
                                            const std::vector<OtherTriangle>& others) {
    std::vector<Relation> out;
    if (!Finite(abc[0]) || !Finite(abc[1]) || !Finite(abc[2]) || !(LongestSide(abc) > 0)) return out;
    const DrawnSearch search(points, log, abc, others);
    search.LinesThroughOnePoint(out);
    search.TouchingCurves(out);
    search.ParallelAndPerpendicular(out);
    return out;
}

} // namespace trimora
