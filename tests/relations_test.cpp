// Relations among the marked points: the classic ones are found, and on random triangles every
// reported set holds for the exact points, computed here independently where the name tells.
#include "cli/cli.h"
#include "explore/relations.h"
#include "etc_reference.h"
#include "base/catalogue.h"
#include "base/etc_numbers.h"
#include "explore/relations_search.h"
#include "draw/recording_canvas.h"
#include "paint/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <sstream>

namespace trimora {
namespace {

constexpr int kWidth = 821, kHeight = 660;

int Entry(const char* name) {
    const int e = FindCatalogueEntry(name);
    EXPECT_GE(e, 0) << name;
    return e;
}

Document MakeDoc(IntPoint a, IntPoint b, IntPoint c, const std::vector<int>& entries) {
    Document doc = testing::MakeDocument(a, b, c);
    for (int e : entries)
        doc.SetOn(e);
    return doc;
}

bool HasName(const MarkedPoint& p, std::string_view name) {
    return std::find(p.names.begin(), p.names.end(), name) != p.names.end();
}

// The relation of `kind` whose members carry every one of `names`.
bool Contains(const RelationSet& set, RelationKind kind, const std::vector<std::string>& names) {
    return std::any_of(set.relations.begin(), set.relations.end(), [&](const Relation& r) {
        return r.kind == kind && std::all_of(names.begin(), names.end(), [&](const std::string& n) {
                   return std::any_of(r.members.begin(), r.members.end(), [&](int m) {
                       return HasName(set.points[static_cast<std::size_t>(m)], n);
                   });
               });
    });
}

TEST(Relations, EulerLineAndNinePointCircleOnGeneralTriangles) {
    const std::vector<int> entries = {Entry("Schwerpunkt"),           Entry("Umkreis"),
                                      Entry("Höhenschnittpunkt"),     Entry("Feuerbach-Punkt"),
                                      Entry("Seitenmittelpunkte"),    Entry("Höhenfußpunkte"),
                                      Entry("Umkreis Dreieck AHbHc"), Entry("Umkreis Dreieck BHaHc"),
                                      Entry("Umkreis Dreieck CHaHb"), Entry("Umkreismittelpunkt")};
    const struct {
        IntPoint a, b, c;
    } triangles[] = {{{310, 130}, {180, 430}, {560, 400}},  // acute
                     {{250, 330}, {180, 430}, {660, 420}},  // obtuse
                     {{401, 111}, {233, 457}, {611, 389}}}; // odd sums: midpoints between pixels
    int run = 0;
    for (const auto& t : triangles) {
        const RelationSet set = RelationsOfDocument(MakeDoc(t.a, t.b, t.c, entries), kWidth, kHeight);
        EXPECT_TRUE(
            Contains(set, RelationKind::Collinear,
                     {"Schwerpunkt S", "Umkreis … Mittelpunkt", "Höhenschnittpunkt", "Feuerbach-Punkt",
                      "Umkreismittelpunkt"})); // marked without a result line of its own
        EXPECT_TRUE(
            Contains(set, RelationKind::Concyclic,
                     {"Seitenmittelpunkt AB", "Seitenmittelpunkt AC", "Seitenmittelpunkt BC",
                      "Höhenfußpunkt H(a) auf a", "Höhenfußpunkt H(b) auf b", "Höhenfußpunkt H(c) auf c",
                      "Umkreismittelpunkt AHbHc", "Umkreismittelpunkt BHaHc", "Umkreismittelpunkt CHaHb"}));
        ++run;
    }
    EXPECT_EQ(run, 3);
}

TEST(Relations, TheNinePointsOfOneElementAreNoRelation) {
    const RelationSet set = RelationsOfDocument(
        MakeDoc({310, 130}, {180, 430}, {560, 400}, {Entry("9-Feuerbach-Punkte")}), kWidth, kHeight);
    EXPECT_FALSE(
        Contains(set, RelationKind::Concyclic, {"1.Feuerbachpunkt", "4.Feuerbachpunkt", "7.Feuerbachpunkt"}));
    // The vertices and all nine points, the last three listed from whole pixels but taken exactly.
    EXPECT_EQ(set.points.size(), 12u);
}

TEST(Relations, DegenerateTriangleAndNoPoints) {
    EXPECT_TRUE(RelationsOfDocument(MakeDoc({100, 100}, {100, 100}, {300, 200}, {Entry("Schwerpunkt")}),
                                    kWidth, kHeight)
                    .relations.empty());
    Document flat = MakeDoc({100, 100}, {200, 200}, {300, 300}, {});
    flat.checked.set();
    EXPECT_TRUE(RelationsOfDocument(flat, kWidth, kHeight).relations.empty());
    const RelationSet none =
        RelationsOfDocument(MakeDoc({310, 130}, {180, 430}, {560, 400}, {}), kWidth, kHeight);
    EXPECT_EQ(RelationLines(none),
              (std::vector<std::string>{"Zusammenhänge", "Keine Zusammenhänge gefunden"}));
}

TEST(Relations, WhatHoldsByConstructionIsLeftOut) {
    const std::array<RealPoint, 3> abc{RealPoint{0, 0}, {400, 0}, {100, 300}};
    using Points = std::vector<std::pair<RealPoint, int>>; // point, element
    const Points onLine = {{{10, 60}, 1}, {{60, 110}, 2}, {{110, 160}, 3}};
    const Points onCircle = {{{300, 150}, 1}, {{200, 250}, 2}, {{100, 150}, 3}, {{200, 50}, 4}};
    const struct {
        const char* what;
        Points points;
        std::vector<std::array<RealPoint, 3>> triangles;
        std::vector<std::size_t> sizes; // of the sets found, largest first
        std::vector<LoggedFoot> feet = {};
    } cases[] = {
        {"three elements on a line", onLine, {}, {3}},
        {"one element", {{{10, 60}, 7}, {{60, 110}, 7}, {{110, 160}, 7}}, {}, {}},
        {"side line AB", {{{50, 0}, 1}, {{150, 0}, 2}, {{250, 0}, 3}}, {}, {}},
        {"two vertices of a derived triangle", onLine, {{RealPoint{10, 60}, {110, 160}, {300, 50}}}, {}},
        {"one vertex of a derived triangle", onLine, {{RealPoint{10, 60}, {300, 40}, {300, 50}}}, {3}},
        {"four elements on a circle", onCircle, {}, {4}},
        // The circle on (100,150)-(300,150) as diameter: the feet from each end onto a line
        // through the other see it at a right angle by how they are built.
        {"feet on a diameter's ends", onCircle, {}, {}, {{{200, 250}, {100, 150}, {300, 150}}, {{200, 50}, {300, 150}, {100, 150}}}},
        {"one foot only", onCircle, {}, {4}, {{{200, 250}, {100, 150}, {300, 150}}}},
        {"a point a hair beside another on the circle's tangent",
         [&] {
             Points p = onCircle;
             p.push_back({{300, 150.0001}, 5});
             return p;
         }(),
         {},
         {4}},
    };
    int run = 0;
    for (const auto& c : cases) {
        std::vector<MarkedPoint> points;
        for (const auto& [p, element] : c.points)
            points.push_back({p, {"P" + std::to_string(points.size())}, {element}, points.size(), {}, {}, {}});
        PaintLog log;
        log.triangles = c.triangles;
        log.feet = c.feet;
        const RelationSet set = FindRelations(points, log, abc);
        std::vector<std::size_t> sizes;
        for (const Relation& r : set.relations)
            if (r.kind != RelationKind::Coincident) sizes.push_back(r.members.size());
        EXPECT_EQ(sizes, c.sizes) << c.what;
        ++run;
    }
    EXPECT_EQ(run, 9);
}

// Random points and points placed on circles: each placed circle is found whole and nothing else,
// however crowded the search's cells (every pair on a circle of many points puts all its other
// points at one place), also when the search runs ahead of the checks (SearchSets).
TEST(Relations, PlacedCirclesAmongRandomPointsAreFoundWhole) {
    const std::array<RealPoint, 3> abc{RealPoint{0, 0}, {600, 0}, {200, 500}};
    struct Circle {
        RealPoint centre;
        double radius;
        int points;
    };
    const struct {
        const char* what;
        int random;
        std::vector<Circle> circles;
    } cases[] = {
        // few enough random points that four of them are not concyclic by chance
        {"random points only", 60, {}},
        {"two small circles", 60, {{{300, 200}, 50, 5}, {{150, 300}, 80, 7}}},
        {"one circle of many points", 30, {{{300, 250}, 200, 80}}},
        {"a circle far larger than the triangle", 50, {{{300, -5e4}, 5.02e4, 6}}},
    };
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0, 600), angle(0, 2 * std::acos(-1.0));
    int run = 0;
    for (const auto& c : cases) {
        std::vector<MarkedPoint> points;
        std::vector<std::set<int>> placed;
        auto add = [&](RealPoint p) {
            const int k = static_cast<int>(points.size());
            points.push_back({p, {"P" + std::to_string(k)}, {k}, static_cast<std::size_t>(k), {}, {}, {}});
            return k;
        };
        for (const Circle& circle : c.circles) {
            placed.emplace_back();
            for (int k = 0; k < circle.points; ++k) {
                // spread round the circle (points a hair apart are left out as touching), or on
                // the large circle's arc near the triangle
                const double t = circle.radius > 1e4 ? std::acos(-1.0) / 2 + (k - 2.5) * 0.002
                                                     : (k + 0.25 * angle(random) / std::acos(-1.0)) * 2 * std::acos(-1.0) / circle.points;
                placed.back().insert(add({circle.centre.x + circle.radius * std::cos(t),
                                          circle.centre.y + circle.radius * std::sin(t)}));
            }
        }
        for (int k = 0; k < c.random; ++k)
            add({coordinate(random), coordinate(random)});
        std::shuffle(points.begin(), points.end(), random); // the placed points anywhere in the order
        const RelationSet set = FindRelations(points, PaintLog{}, abc);
        std::vector<std::set<int>> circles;
        for (const Relation& r : set.relations) {
            if (r.kind == RelationKind::Coincident) continue; // points less than a pixel apart
            ASSERT_EQ(r.kind, RelationKind::Concyclic) << c.what;
            std::set<int> members;
            for (int m : r.members)
                members.insert(std::stoi(set.points[static_cast<std::size_t>(m)].names[0].substr(1)));
            circles.push_back(members);
        }
        std::sort(circles.begin(), circles.end());
        std::sort(placed.begin(), placed.end());
        EXPECT_EQ(circles, placed) << c.what;
        const RelationSet ahead = FindRelations(points, PaintLog{}, abc, {}, {}, true, SearchSets(points, abc, {}, true));
        EXPECT_EQ(RelationLines(ahead, true), RelationLines(set, true)) << c.what;
        ++run;
    }
    EXPECT_EQ(run, 4);
}

// ---------------------------------------------------------------- exact points, independently

RealPoint Bary(double wa, double wb, double wc, RealPoint a, RealPoint b, RealPoint c) {
    const double s = wa + wb + wc;
    return {(wa * a.x + wb * b.x + wc * c.x) / s, (wa * a.y + wb * b.y + wc * c.y) / s};
}

RealPoint Foot(RealPoint p, RealPoint q, RealPoint r) { // from p onto the line qr
    const double dx = r.x - q.x, dy = r.y - q.y;
    const double t = ((p.x - q.x) * dx + (p.y - q.y) * dy) / (dx * dx + dy * dy);
    return {q.x + t * dx, q.y + t * dy};
}

// The exact points of names outside the ETC table, from the vertices in pixels.
std::map<std::string, RealPoint> NamedPoints(RealPoint A, RealPoint B, RealPoint C) {
    const double a2 = (B.x - C.x) * (B.x - C.x) + (B.y - C.y) * (B.y - C.y);
    const double b2 = (A.x - C.x) * (A.x - C.x) + (A.y - C.y) * (A.y - C.y);
    const double c2 = (A.x - B.x) * (A.x - B.x) + (A.y - B.y) * (A.y - B.y);
    const double a = std::sqrt(a2), b = std::sqrt(b2), c = std::sqrt(c2);
    const RealPoint U = Bary(a2 * (b2 + c2 - a2), b2 * (c2 + a2 - b2), c2 * (a2 + b2 - c2), A, B, C);
    const RealPoint H = Bary(1 / (b2 + c2 - a2), 1 / (c2 + a2 - b2), 1 / (a2 + b2 - c2), A, B, C);
    const RealPoint N = Midpoint(U, H);
    const RealPoint Mab = Midpoint(A, B), Mac = Midpoint(A, C), Mbc = Midpoint(B, C);
    const RealPoint Fa = Foot(A, B, C), Fb = Foot(B, A, C), Fc = Foot(C, A, B);
    return {{"Punkt A", A},
            {"Punkt B", B},
            {"Punkt C", C},
            {"Schwerpunkt S", Bary(1, 1, 1, A, B, C)},
            {"Umkreis … Mittelpunkt", U},
            {"Umkreismittelpunkt", U},
            {"Inkreismittelpunkt", Bary(a, b, c, A, B, C)},
            {"Höhenschnittpunkt", H},
            {"Feuerbach-Punkt", N},
            {"Inkreis … Mittelpunkt", Bary(a, b, c, A, B, C)},
            {"Seitenmittelpunkt AB", Mab},
            {"Seitenmittelpunkt AC", Mac},
            {"Seitenmittelpunkt BC", Mbc},
            {"1.Feuerbachpunkt", Mab},
            {"2.Feuerbachpunkt", Mac},
            {"3.Feuerbachpunkt", Mbc},
            {"Höhenfußpunkt H(b) auf b", Fb},
            {"Höhenfußpunkt H(a) auf a", Fa},
            {"Höhenfußpunkt H(c) auf c", Fc},
            {"4.Feuerbachpunkt", Fb},
            {"5.Feuerbachpunkt", Fa},
            {"6.Feuerbachpunkt", Fc},
            {"7.Feuerbachpunkt", Midpoint(A, H)},
            {"8.Feuerbachpunkt", Midpoint(B, H)},
            {"9.Feuerbachpunkt", Midpoint(C, H)},
            {"Umkreismittelpunkt AHbHc", Midpoint(A, H)},
            {"Umkreismittelpunkt BHaHc", Midpoint(B, H)},
            {"Umkreismittelpunkt CHaHb", Midpoint(C, H)},
            {"Lémoine-Punkt", Bary(a2, b2, c2, A, B, C)},
            {"Nagel-Punkt", Bary(b + c - a, c + a - b, a + b - c, A, B, C)}};
}

// The exact point of every name this test knows: the centres of the ETC table from their published
// coordinates, the others written out above.
std::map<std::string, RealPoint> ExactPoints(RealPoint A, RealPoint B, RealPoint C) {
    std::map<std::string, RealPoint> exact = NamedPoints(A, B, C);
    for (const EtcRow& row : EtcRows()) {
        if (row.label.empty()) continue; // marked without a line: named above
        if (const auto p = etc::Centre(row.n, A, B, C))
            exact[row.block.empty() ? std::string(row.label)
                                    : std::string(row.block) + " " + std::string(row.label)] = *p;
    }
    return exact;
}

// The determinant of a square matrix, by elimination with the largest pivot.
double Determinant(std::vector<std::array<double, 6>> m, std::size_t n) {
    double det = 1;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col])) pivot = row;
        if (m[pivot][col] == 0) return 0;
        if (pivot != col) std::swap(m[pivot], m[col]), det = -det;
        det *= m[col][col];
        for (std::size_t row = col + 1; row < n; ++row) {
            const double f = m[row][col] / m[col][col];
            for (std::size_t k = col; k < n; ++k)
                m[row][k] -= f * m[col][k];
        }
    }
    return det;
}

// Whether the points lie on one conic to `tol` (fewer than six always do): the conic through five
// of them spread wide, its coefficients the cofactors of the 6×6 determinant of the monomials, and
// each point's distance from it to first order, |F| / |∇F|.
bool OnOneConic(const std::vector<RealPoint>& p, double tol) {
    if (p.size() < 6) return true;
    std::vector<std::size_t> five{0};
    while (five.size() < 5) {
        std::size_t best = 0;
        double widest = -1;
        for (std::size_t k = 0; k < p.size(); ++k) {
            double nearest = std::numeric_limits<double>::infinity();
            for (std::size_t f : five)
                nearest = std::min(nearest, std::hypot(p[k].x - p[f].x, p[k].y - p[f].y));
            if (nearest > widest) widest = nearest, best = k;
        }
        five.push_back(best);
    }
    const RealPoint o = p[five[0]];
    const double s = std::hypot(p[five[1]].x - o.x, p[five[1]].y - o.y);
    auto row = [&](RealPoint q) {
        const double u = (q.x - o.x) / s, v = (q.y - o.y) / s;
        return std::array<double, 6>{u * u, u * v, v * v, u, v, 1};
    };
    std::array<double, 6> coefficient{};
    for (std::size_t c = 0; c < 6; ++c) {
        std::vector<std::array<double, 6>> minor;
        for (std::size_t f : five) {
            const std::array<double, 6> r = row(p[f]);
            std::array<double, 6> m{};
            for (std::size_t k = 0, j = 0; k < 6; ++k)
                if (k != c) m[j++] = r[k];
            minor.push_back(m);
        }
        coefficient[c] = (c % 2 == 0 ? 1 : -1) * Determinant(minor, 5);
    }
    const auto [a, b, c, d, e, f] = coefficient;
    return std::all_of(p.begin(), p.end(), [&](RealPoint q) {
        const double u = (q.x - o.x) / s, v = (q.y - o.y) / s;
        const double value = a * u * u + b * u * v + c * v * v + d * u + e * v + f;
        return std::fabs(value) / std::hypot(2 * a * u + b * v + d, b * u + 2 * c * v + e) * s <= tol;
    });
}

// Whether the points lie on one line (or circle, or conic) to `tol`, fitted through the widest of
// them.
bool Holds(RelationKind kind, const std::vector<RealPoint>& p, double tol) {
    if (kind == RelationKind::OnConic) return OnOneConic(p, tol);
    std::size_t i = 0, j = 1;
    double longest = -1;
    for (std::size_t x = 0; x < p.size(); ++x)
        for (std::size_t y = x + 1; y < p.size(); ++y)
            if (const double d = std::hypot(p[x].x - p[y].x, p[x].y - p[y].y); d > longest)
                longest = d, i = x, j = y;
    const double dx = p[j].x - p[i].x, dy = p[j].y - p[i].y, len = std::hypot(dx, dy);
    auto off = [&](RealPoint q) { return std::fabs(dx * (q.y - p[i].y) - dy * (q.x - p[i].x)) / len; };
    if (kind == RelationKind::Collinear)
        return std::all_of(p.begin(), p.end(), [&](RealPoint q) { return off(q) <= tol; });
    const RealPoint k =
        *std::max_element(p.begin(), p.end(), [&](RealPoint x, RealPoint y) { return off(x) < off(y); });
    const double bx = p[j].x - p[i].x, by = p[j].y - p[i].y, cx = k.x - p[i].x, cy = k.y - p[i].y;
    const double den = 2 * (bx * cy - by * cx), bb = bx * bx + by * by, cc = cx * cx + cy * cy;
    const RealPoint centre{p[i].x + (cy * bb - by * cc) / den, p[i].y + (bx * cc - cx * bb) / den};
    const double r = std::hypot(p[i].x - centre.x, p[i].y - centre.y);
    return std::all_of(p.begin(), p.end(), [&](RealPoint q) {
        return std::fabs(std::hypot(q.x - centre.x, q.y - centre.y) - r) <= tol;
    });
}

// A shown name's point on another triangle: exactly where the name tells, else from a repaint.
std::optional<RealPoint> PointOn(const MarkedPoint& p, int name, const std::map<std::string, RealPoint>& exact,
                                 const PointsByKey& painted) {
    const std::string& key = p.keys[static_cast<std::size_t>(name)];
    if (const auto it = exact.find(key.substr(0, key.rfind('#'))); it != exact.end()) return it->second;
    if (const auto it = painted.find(key); it != painted.end()) return it->second;
    return std::nullopt;
}

TEST(Relations, RandomTrianglesReportOnlyWhatTheExactPointsSatisfy) {
    // Every third entry: a few hundred marked points of all families.
    std::vector<int> entries;
    for (int e = 0; e < kEntryCount; e += 3)
        entries.push_back(e);
    for (int e : {13, 15, 26, 28})
        entries.push_back(e);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> x(120, 700), y(80, 580);
    auto triangle = [&] {
        while (true) {
            const IntPoint A{x(random), y(random)}, B{x(random), y(random)}, C{x(random), y(random)};
            const double area = std::fabs(double(B.x - A.x) * (C.y - A.y) - double(B.y - A.y) * (C.x - A.x)) / 2;
            const double side = std::max({std::hypot(A.x - B.x, A.y - B.y), std::hypot(B.x - C.x, B.y - C.y),
                                          std::hypot(C.x - A.x, C.y - A.y)});
            if (area >= 0.05 * side * side) return std::array<IntPoint, 3>{A, B, C}; // no needle-thin ones
        }
    };
    auto real = [](IntPoint p) { return RealPoint{double(p.x), double(p.y)}; };
    int triangles = 0, checked = 0, named = 0, elsewhere = 0, conics = 0;
    while (triangles < 200) {
        const auto [A, B, C] = triangle();
        const RealPoint a = real(A), b = real(B), c = real(C);
        const double side = std::max({std::hypot(a.x - b.x, a.y - b.y), std::hypot(b.x - c.x, b.y - c.y),
                                      std::hypot(c.x - a.x, c.y - a.y)});
        ++triangles;
        const RelationSet set = RelationsOfDocument(MakeDoc(A, B, C, entries), kWidth, kHeight);
        const auto exact = ExactPoints(a, b, c);
        // A thousand times tighter than the half pixel of rounded screen points.
        const double tol = 1e-6 * side;
        for (const Relation& r : set.relations) {
            if (AmongDrawnElements(r.kind)) continue; // lines and circles: tests/drawn_relations_test.cpp
            std::vector<RealPoint> pts;
            for (int m : r.members) {
                const MarkedPoint& p = set.points[static_cast<std::size_t>(m)];
                RealPoint q = p.p;
                for (const std::string& name : p.names)
                    if (const auto it = exact.find(name); it != exact.end()) {
                        // A merged point is every one of its names.
                        EXPECT_LE(std::hypot(it->second.x - p.p.x, it->second.y - p.p.y), tol) << name;
                        q = it->second;
                        ++named;
                    }
                pts.push_back(q);
            }
            // As many places as the kind needs, each a point of its own (a coincidence: one place, two names).
            const std::size_t least = r.kind == RelationKind::Collinear   ? 3
                                      : r.kind == RelationKind::Concyclic ? 4
                                                                          : 1;
            EXPECT_GE(r.members.size(), least) << RelationLine(set, r);
            if (r.general && r.kind != RelationKind::Coincident && r.kind != RelationKind::OnConic) {
                EXPECT_GE(std::count_if(r.names.begin(), r.names.end(), [](const std::vector<int>& n) { return !n.empty(); }),
                          static_cast<long>(least))
                    << RelationLine(set, r);
            }
            if (r.kind == RelationKind::Coincident && !r.inPicture) {
                EXPECT_GE(r.names.empty() ? set.points[static_cast<std::size_t>(r.members[0])].names.size() : r.names[0].size(), 2u)
                    << RelationLine(set, r);
            }
            ASSERT_TRUE(r.kind == RelationKind::Coincident || Holds(r.kind, pts, tol))
                << RelationLine(set, r) << " in " << A.x << "," << A.y << " " << B.x << "," << B.y << " " << C.x
                << "," << C.y;
            ++checked;
            conics += r.kind == RelationKind::OnConic && pts.size() >= 6;
        }
        // What holds for every triangle holds on five more, for the names it shows.
        for (int further = 0; further < 5; ++further) {
            const auto [D, E, F] = triangle();
            Document doc = MakeDoc(D, E, F, entries);
            RecordingCanvas canvas(kWidth, kHeight);
            PaintLog log;
            PaintDocument(doc, canvas, true, &log);
            const PointsByKey painted = PointsOf(doc.results, log);
            const auto there = ExactPoints(real(D), real(E), real(F));
            const double side2 = std::max({std::hypot(D.x - E.x, D.y - E.y), std::hypot(E.x - F.x, E.y - F.y),
                                           std::hypot(F.x - D.x, F.y - D.y)});
            for (const Relation& r : set.relations) {
                if (!r.general || AmongDrawnElements(r.kind)) continue;
                std::vector<RealPoint> pts;
                for (std::size_t m = 0; m < r.members.size(); ++m)
                    for (int n : r.names[m])
                        // A name that several points carry does not tell which of them it is there.
                        if (const auto q = set.points[static_cast<std::size_t>(r.members[m])]
                                                   .names[static_cast<std::size_t>(n)]
                                                   .find(" ( ") != std::string::npos
                                               ? std::nullopt
                                               : PointOn(set.points[static_cast<std::size_t>(r.members[m])], n, there, painted)) {
                            pts.push_back(*q); // a member's names coincide there: its coincidences say so
                            if (r.kind != RelationKind::Coincident) break;
                        }
                if (pts.size() < 2) continue; // not drawn on that triangle
                const bool holds = r.kind == RelationKind::Coincident
                                       ? std::all_of(pts.begin(), pts.end(), [&](RealPoint q) {
                                             return std::hypot(q.x - pts[0].x, q.y - pts[0].y) <= 1e-6 * side2;
                                         })
                                       : pts.size() < (r.kind == RelationKind::Collinear ? 3u : 4u) ||
                                             Holds(r.kind, pts, 1e-6 * side2);
                ASSERT_TRUE(holds) << RelationLine(set, r) << " on " << D.x << "," << D.y << " " << E.x << ","
                                   << E.y << " " << F.x << "," << F.y;
                ++elsewhere;
            }
        }
    }
    EXPECT_EQ(triangles, 200);
    EXPECT_GT(checked, 2000);
    EXPECT_GT(named, 2000);
    EXPECT_GT(elsewhere, 10000);
    EXPECT_GT(conics, 0);
}

TEST(Relations, CommandLinePrintsTheList) {
    const char* argv[] = {"trimora", "--vertices", "1;2;-2;-1;2.3;-1.4", "--on",       "Schwerpunkt", "--on",
                          "Umkreis", "--on",       "Höhenschnittpunkt",  "--relations"};
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(10, argv, out, err), 0) << err.str();
    EXPECT_EQ(out.str(),
              "Zusammenhänge\nEuler-Gerade\tSchwerpunkt S [X(2)], Umkreis … Mittelpunkt [X(3)], Höhenschnittpunkt [X(4)]\n");
}

// With every entry on, the list begins with the known lines and circles, and the command line
// prints at most the limit.
TEST(Relations, KnownLinesAndCirclesComeFirst) {
    const char* argv[] = {"trimora", "--vertices", "1.06;-0.76;2.53;1.22;-1.17;2.0", "--all", "--relations",
                          "--relations-limit", "16"};
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(7, argv, out, err), 0) << err.str();
    std::vector<std::string> labels;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        labels.push_back(line.substr(0, line.find('\t')));
    ASSERT_EQ(labels.size(), 18u); // heading, 16 relations, "… und N weitere"
    EXPECT_EQ(labels.back().rfind("… und ", 0), 0u) << labels.back();
    const auto named = std::find_if(labels.begin() + 1, labels.end(), [](const std::string& l) {
        return l == "kollinear" || l == "konzyklisch" || l == "fallen zusammen";
    });
    for (const char* name : {"Euler-Gerade", "Nagel-Gerade", "Brocard-Achse", "Feuerbach-Kreis", "Soddy-Gerade"})
        EXPECT_NE(std::find(labels.begin() + 1, named, name), named) << name;
    // The nine-point circle through the midpoints and the feet.
    EXPECT_NE(out.str().find("Feuerbach-Kreis\t"), std::string::npos);
    std::string circle = out.str().substr(out.str().find("Feuerbach-Kreis\t"));
    circle.resize(circle.find('\n'));
    for (const char* point : {"Seitenmittelpunkt AB", "Höhenfußpunkt H(a) auf a"})
        EXPECT_NE(circle.find(point), std::string::npos) << point;
}

// Symmetric triangles: what their symmetry makes hold is listed, under its own heading, only with
// --relations-all; the centres of the equilateral triangle are one coincidence.
TEST(Relations, SymmetryGivesCoincidencesOfThisTriangleOnly) {
    const struct {
        const char* vertices;
        std::size_t mostGeneral; // rows of the default list
        std::size_t leastOthers; // rows for this triangle only
    } cases[] = {{"0;2;-1.7320508075688772;-1;1.7320508075688772;-1", 2000, 10000},
                 {"0;2;-1.5;-1;1.5;-1", 2000, 10000}};
    int run = 0;
    for (const auto& c : cases) {
        std::vector<std::string> lists[2];
        for (bool all : {false, true}) {
            const char* argv[] = {"trimora", "--vertices", c.vertices, "--all", all ? "--relations-all" : "--relations",
                                  "--relations-limit", "0"};
            std::ostringstream out, err;
            ASSERT_EQ(RunCommandLine(7, argv, out, err), 0) << err.str();
            std::istringstream in(out.str());
            for (std::string line; std::getline(in, line);)
                lists[all].push_back(line);
        }
        EXPECT_LE(lists[0].size(), c.mostGeneral) << c.vertices;
        const auto own = std::find(lists[1].begin(), lists[1].end(), "nur für dieses Dreieck");
        ASSERT_NE(own, lists[1].end());
        EXPECT_GE(static_cast<std::size_t>(lists[1].end() - own), c.leastOthers) << c.vertices;
        // Nothing of this triangle only in the default list.
        for (auto it = own + 1; it != lists[1].end(); ++it)
            EXPECT_EQ(std::count(lists[0].begin(), lists[0].end(), *it), 0) << *it;
        ++run;
    }
    EXPECT_EQ(run, 2);
    // The centres of the isosceles triangle on its axis.
    const char* argv[] = {"trimora", "--vertices", cases[1].vertices, "--on", "Schwerpunkt", "--on",
                          "Inkreis", "--on", "Höhenschnittpunkt", "--on", "Umkreis", "--relations-all"};
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(12, argv, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "Zusammenhänge\ngilt für jedes Dreieck\n"
                         "Euler-Gerade\tSchwerpunkt S [X(2)], Umkreis … Mittelpunkt [X(3)], Höhenschnittpunkt [X(4)]\n"
                         "nur für dieses Dreieck\nkollinear\tPunkt A, Schwerpunkt S [X(2)], Umkreis … Mittelpunkt [X(3)], "
                         "Inkreis … Mittelpunkt [X(1)], Höhenschnittpunkt [X(4)]\n");
    // The vertices of the equilateral triangle lie on whole pixels: its centres meet to the pixel,
    // and the Euler line through them says nothing more.
    for (bool all : {false, true}) {
        const char* argv[] = {"trimora", "--vertices", cases[0].vertices, "--on", "Schwerpunkt", "--on",
                              "Inkreis", "--on", "Höhenschnittpunkt", "--on", "Umkreis",
                              all ? "--relations-all" : "--relations"};
        std::ostringstream out, err;
        ASSERT_EQ(RunCommandLine(12, argv, out, err), 0) << err.str();
        const std::string centres = "im Bild nicht zu unterscheiden\tSchwerpunkt S [X(2)], Umkreis … Mittelpunkt [X(3)], "
                                    "Inkreis … Mittelpunkt [X(1)], Höhenschnittpunkt [X(4)]\n";
        EXPECT_EQ(out.str().find("Euler-Gerade"), std::string::npos) << out.str();
        EXPECT_EQ(out.str().find(centres) != std::string::npos, all) << out.str();
    }
}

TEST(Relations, EveryPlaceGoesByOneNameAndTheListStopsAtAHundred) {
    // The start-up triangle with every entry: a hundred rows and a line for the rest; no row but a
    // coincidence names a place twice; the legend gives the other names of the incentre.
    const char* argv[] = {"trimora", "--all", "--relations", "--relations-names"};
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(4, argv, out, err), 0) << err.str();
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    const auto legend = std::find(lines.begin(), lines.end(), "Namen der Orte");
    ASSERT_NE(legend, lines.end());
    EXPECT_EQ(legend - lines.begin(), 102); // the heading, a hundred rows, "… und N weitere"
    EXPECT_TRUE(lines[101].starts_with("… und ")) << lines[101];
    for (auto it = lines.begin() + 1; it != lines.begin() + 101; ++it) {
        if (it->starts_with("fallen zusammen\t")) continue;
        EXPECT_EQ(it->find(" = "), std::string::npos) << *it;
    }
    EXPECT_TRUE(std::any_of(lines.begin() + 1, lines.begin() + 101, [](const std::string& l) {
        return l.starts_with("Euler-Gerade\tSchwerpunkt S [X(2)], Umkreismittelpunkt [X(3)], Höhenschnittpunkt [X(4)]");
    }));
    EXPECT_TRUE(std::any_of(legend, lines.end(), [](const std::string& l) {
        return l.starts_with("Inkreismittelpunkt [X(1)]\t") && l.find("Ajima-Punkt") != std::string::npos;
    }));
}

TEST(Relations, PointsThatCoincideHaveOneListedPlace) {
    // "fallen zusammen" says the points are one: their own result lines list them at one place.
    // Places that only share a pixel are said to be indistinguishable in the picture, not equal.
    int rows = 0, pixelRows = 0;
    for (const char* vertices : {"0;2;-1.5;-1;1.5;-1", "0;0;3;0;0;4", "-1.8;-1.2;1.9;-1.1;-1.87;1.6"}) {
        const char* argv[] = {"trimora", "--vertices", vertices, "--all", "--results", "-", "--relations-all",
                              "--relations-limit", "0"};
        std::ostringstream out, err;
        ASSERT_EQ(RunCommandLine(9, argv, out, err), 0) << err.str();
        std::map<std::string, std::vector<std::pair<double, double>>> placed;
        std::istringstream in(out.str());
        static const std::regex kPoint(R"(^([^\t]+)\t\( (-?[\d,]+) \| (-?[\d,]+) \))");
        auto number = [](std::string n) {
            std::replace(n.begin(), n.end(), ',', '.');
            return std::stod(n);
        };
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            if (std::regex_search(line, m, kPoint)) placed[m[1]].push_back({number(m[2]), number(m[3])});
            const bool equal = line.starts_with("fallen zusammen\t");
            pixelRows += line.starts_with("im Bild nicht zu unterscheiden\t");
            if (!equal) continue;
            std::vector<std::pair<double, double>> at;
            const std::string names = line.substr(line.find('\t') + 1);
            for (std::size_t from = 0; from <= names.size();) {
                const std::size_t to = std::min(names.find(" = ", from), names.size());
                const auto it = placed.find(names.substr(from, to - from));
                if (it != placed.end() && it->second.size() == 1) at.push_back(it->second[0]);
                from = to + 3;
            }
            for (const auto& p : at) {
                EXPECT_NEAR(p.first, at[0].first, 0.0011) << vertices << ": " << line;
                EXPECT_NEAR(p.second, at[0].second, 0.0011) << vertices << ": " << line;
            }
            rows += at.size() > 1;
        }
    }
    EXPECT_GE(rows, 10);
    EXPECT_GE(pixelRows, 1);
}

// On an isosceles triangle the theorems are searched on a moved generic triangle; what the search
// on this triangle finds and holds on the other triangles is among them.
TEST(Relations, TheoremsFromAGenericTriangleMissNothingFoundHere) {
    std::mt19937 random(30);
    std::uniform_int_distribution<int> middle(300, 500), half(-30, 30), height(1, 12);
    int triangles = 0;
    while (triangles < 6) {
        // A and B mirror each other in the line through their midpoint and C.
        const int mx = middle(random), my = middle(random) - 80, dx = 4 * half(random), dy = 4 * half(random),
                  k = height(random);
        if (dx * dx + dy * dy < 60 * 60) continue;
        const IntPoint a{mx - dx, my - dy}, b{mx + dx, my + dy}, c{mx - dy * k / 4, my + dx * k / 4};
        Document doc = MakeDoc(a, b, c, {});
        doc.checked.set();
        const RelationSet theorems = RelationsOfDocument(doc, kWidth, kHeight, false);
        const RelationSet all = RelationsOfDocument(doc, kWidth, kHeight, true);
        ASSERT_EQ(theorems.points.size(), all.points.size());
        std::size_t rows = 0, missed = 0;
        for (const Relation& r : all.relations) {
            if (!r.general || r.kind == RelationKind::Coincident) continue;
            // Points that meet to the pixel here say nothing more than that they meet.
            std::vector<RealPoint> places;
            for (int m : r.members) {
                const RealPoint p = all.points[static_cast<std::size_t>(m)].p;
                if (std::none_of(places.begin(), places.end(), [&](RealPoint q) {
                        return std::hypot(p.x - q.x, p.y - q.y) < kOnePlaceInPicture;
                    }))
                    places.push_back(p);
            }
            if (places.size() < (r.kind == RelationKind::Collinear ? 3u : 4u)) continue;
            ++rows;
            const bool m = std::none_of(theorems.relations.begin(), theorems.relations.end(), [&](const Relation& t) {
                return t.kind == r.kind && std::includes(t.members.begin(), t.members.end(), r.members.begin(),
                                                         r.members.end());
            });
            missed += m;
        }
        EXPECT_GT(rows, 500u);
        EXPECT_EQ(missed, 0u) << a.x << "," << a.y << ";" << b.x << "," << b.y << ";" << c.x << "," << c.y;
        ++triangles;
    }
}

} // namespace
} // namespace trimora
