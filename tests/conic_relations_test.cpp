// Points on the drawn conics: the conic equation of exact conics, and the classic centres on the
// Kiepert, Jerabek and Feuerbach hyperbolas and the Steiner ellipse, found on several triangles as
// theorems and checked against the circumconic computed here from the centres' reference
// coordinates.
#include "base/catalogue.h"
#include "base/conic_equation.h"
#include "cli/cli.h"
#include "etc_reference.h"
#include "explore/conic_relations.h"
#include "explore/relations.h"
#include "explore/relations_search.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

namespace trimora {
namespace {

constexpr int kWidth = 821, kHeight = 660;

TEST(ConicEquation, DistancesFromExactConics) {
    // A circle of radius 100 about (300, 200); the hyperbola (x − 400)(y − 300) = 2500; the parabola
    // of the focus (200, 100) and the directrix y = 140: y = 120 − (x − 200)² / 80.
    const std::vector<RealPoint> circle = {{400, 200}, {300, 300}, {200, 200}, {360, 280}, {240, 120}};
    const std::vector<RealPoint> hyperbola = {{450, 350}, {410, 550}, {500, 325}, {350, 250}, {375, 200}};
    const std::optional<ConicEquation> parabola = FocusDirectrixConic({200, 100}, {0, 140}, {50, 140});
    const struct {
        std::optional<ConicEquation> conic;
        RealPoint p;
        double distance;
        bool atLeast = false; // off the gradient's direction: the distance is an upper bound
    } cases[] = {
        {ConicThroughPoints(circle), {300, 100}, 0},
        {ConicThroughPoints(circle), {410, 200}, 10}, // along the radius: exact
        {ConicThroughPoints(circle), {300, 195}, 95},
        {ConicThroughPoints(circle), {300, 200}, 100}, // the centre: every line meets it at the radius
        {ConicThroughPoints(hyperbola), {425, 400}, 0},
        {ConicThroughPoints(hyperbola), {400, 300}, 50 * std::sqrt(2.0), true}, // the centre
        {ConicThroughPoints(hyperbola), {450 + 3e-6, 350 + 3e-6}, std::sqrt(2.0) * 3e-6},
        {parabola, {280, 40}, 0},
        {parabola, {200, 120}, 0},
        {parabola, {200, 125}, 5},  // at the vertex, along the axis
        {parabola, {200, 100}, 20}, // the focus
    };
    int run = 0;
    for (const auto& c : cases) {
        ASSERT_TRUE(c.conic.has_value()) << run;
        const double d = ConicDistance(*c.conic, c.p);
        if (c.atLeast)
            EXPECT_GE(d, c.distance) << run;
        else
            EXPECT_NEAR(d, c.distance, 1e-9 * (1 + c.distance)) << run;
        ++run;
    }
    EXPECT_EQ(run, 11);
}

TEST(ConicEquation, NoConicFromTooFewOrDegeneratePoints) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::vector<RealPoint>> cases = {
        {{0, 0}, {100, 0}, {0, 100}, {70, 70}},                         // four points
        {{0, 0}, {100, 0}, {200, 0}, {300, 0}, {0, 100}},               // four on a line
        {{0, 0}, {100, 0}, {200, 0}, {0, 100}, {100, 200}, {50, 150}},  // a pair of lines
        {{0, 0}, {100, 0}, {0, 100}, {70, 70}, {nan, 3}},               // not a number
        {{0, 0}, {100, 0}, {0, 100}, {100, 100}, {50, -20}, {50, 130}}, // six on no conic
        {{5, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}},                       // one place
    };
    for (std::size_t k = 0; k < cases.size(); ++k)
        EXPECT_FALSE(ConicThroughPoints(cases[k]).has_value()) << k;
    EXPECT_FALSE(FocusDirectrixConic({50, 0}, {0, 0}, {100, 0}).has_value()); // focus on the directrix
    EXPECT_FALSE(FocusDirectrixConic({50, 10}, {0, 0}, {0, 0}).has_value());  // no directrix
}

// Normalised barycentrics of p with respect to a, b, c.
std::array<double, 3> Barycentrics(RealPoint p, RealPoint a, RealPoint b, RealPoint c) {
    auto area = [](RealPoint u, RealPoint v, RealPoint w) {
        return (v.x - u.x) * (w.y - u.y) - (v.y - u.y) * (w.x - u.x);
    };
    const double whole = area(a, b, c);
    return {area(p, b, c) / whole, area(a, p, c) / whole, area(a, b, p) / whole};
}

// The circumconic u βγ + v γα + w αβ = 0 through two more points P and Q: (u, v, w) is
// perpendicular to the reciprocal barycentrics of both. Its value at X, relative to the terms.
double CircumconicValue(const std::array<double, 3>& uvw, const std::array<double, 3>& x) {
    const double value = uvw[0] * x[1] * x[2] + uvw[1] * x[2] * x[0] + uvw[2] * x[0] * x[1];
    const double scale = std::hypot(uvw[0], uvw[1], uvw[2]) * (x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
    return value / scale;
}

std::array<double, 3> ThroughTwo(const std::array<double, 3>& p, const std::array<double, 3>& q) {
    const std::array<double, 3> r{1 / p[0], 1 / p[1], 1 / p[2]}, s{1 / q[0], 1 / q[1], 1 / q[2]};
    return {r[1] * s[2] - r[2] * s[1], r[2] * s[0] - r[0] * s[2], r[0] * s[1] - r[1] * s[0]};
}

int Centre(const MarkedPoint& p) {
    const auto it = std::find_if(p.etc.begin(), p.etc.end(), [](int n) { return n > 0; });
    return it == p.etc.end() ? 0 : *it;
}

bool IsVertex(const MarkedPoint& p) {
    return std::any_of(p.names.begin(), p.names.end(), [](const std::string& n) {
        return n == "Punkt A" || n == "Punkt B" || n == "Punkt C";
    });
}

TEST(ConicRelations, PointsNearTheConicAreNotOnIt) {
    // An ellipse of semi-axes 300 and 200 pixels drawn through five of its points; marked points on
    // it and beside it by a millionth and a ten-millionth of the size: only those on it are members.
    auto at = [](double t, double off) {
        return RealPoint{400 + (300 + off) * std::cos(t), 300 + (200 + off) * std::sin(t)};
    };
    PaintLog log;
    std::vector<RealPoint> five;
    for (double t : {0.1, 1.3, 2.2, 3.9, 5.1}) five.push_back(at(t, 0));
    log.conics.push_back({7, 0, "Testellipse", ConicThroughPoints(five).value(), five});
    std::vector<MarkedPoint> points;
    const double size = 600;
    const double offs[] = {0, 0, 0, 0, 1e-6 * size, -1e-7 * size, 1e-7 * size};
    for (std::size_t k = 0; k < std::size(offs); ++k)
        points.push_back({at(0.5 + 0.7 * k, offs[k]), {"P" + std::to_string(k)}, {100 + int(k)}, k, {}, {}, {}});
    const std::vector<Relation> found = ConicRelations(points, log, size, {});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].members, (std::vector<int>{0, 1, 2, 3}));
}

TEST(ConicRelations, ClassicCentresOnTheHyperbolasAndTheSteinerEllipse) {
    const struct {
        const char* conic; // the entry
        const char* title;
        std::vector<const char*> entries; // that mark the centres
        std::vector<int> on;              // X(n) listed with the vertices
        int p, q;                         // X(n) that fix the circumconic here; 0: the Steiner ellipse
        int off;                          // X(n) marked but not on the conic
    } cases[] = {
        {"Kiepert-Hyperbel",
         "Kiepert-Hyperbel",
         {"Schwerpunkt", "Höhenschnittpunkt", "Fermat-Punkt", "Fermat-Punkt, äußerer", "Umkreismittelpunkt"},
         {2, 4, 13, 14},
         2,
         4,
         3},
        {"Jerabek-Hyperbel",
         "Jerabek-Hyperbel",
         {"Schwerpunkt", "Höhenschnittpunkt", "Umkreismittelpunkt", "Lémoine-Punkt"},
         {3, 4, 6},
         3,
         4,
         2},
        {"Feuerbach-Hyperbel",
         "Feuerbach-Hyperbel",
         {"Schwerpunkt", "Höhenschnittpunkt", "Inkreismittelpunkt", "Gergonne-Punkt", "Nagel-Punkt",
          "Mittenpunkt"},
         {1, 4, 7, 8, 9},
         1,
         4,
         2},
        {"Steiner-Ellipse", "Steiner-Umellipse", {"Schwerpunkt", "Steiner-Punkt"}, {99}, 0, 0, 2},
    };
    const std::array<IntPoint, 3> triangles[] = {{{{310, 130}, {180, 430}, {560, 400}}},  // acute
                                                 {{{250, 330}, {180, 430}, {660, 420}}},  // obtuse
                                                 {{{401, 111}, {233, 457}, {611, 389}}}}; // odd sums
    int run = 0;
    for (const auto& c : cases)
        for (const auto& t : triangles) {
            Document doc = testing::MakeDocument(t[0], t[1], t[2]);
            for (const char* name : c.entries)
                doc.SetOn(FindCatalogueEntry(name));
            doc.SetOn(FindCatalogueEntry(c.conic));
            const RelationSet set = RelationsOfDocument(doc, kWidth, kHeight);
            const auto r = std::find_if(set.relations.begin(), set.relations.end(), [&](const Relation& x) {
                return x.kind == RelationKind::OnConic && x.general && x.title == c.title;
            });
            ASSERT_NE(r, set.relations.end()) << c.title << ' ' << t[0].x;
            std::vector<int> centres;
            int vertices = 0;
            const RealPoint a{double(t[0].x), double(t[0].y)}, b{double(t[1].x), double(t[1].y)},
                cc{double(t[2].x), double(t[2].y)};
            auto at = [&](int n) { return *etc::FromBarycentrics(a, b, cc, etc::CoordinateTable().at(n)); };
            const std::array<double, 3> uvw =
                c.p == 0 ? std::array<double, 3>{1, 1, 1}
                         : ThroughTwo(Barycentrics(at(c.p), a, b, cc), Barycentrics(at(c.q), a, b, cc));
            for (int m : r->members) {
                const MarkedPoint& p = set.points[static_cast<std::size_t>(m)];
                vertices += IsVertex(p);
                const int x = Centre(p);
                if (x == 0) continue;
                centres.push_back(x);
                // The listed place is the reference centre, and that lies on the conic.
                const RealPoint ref = at(x);
                EXPECT_LT(std::hypot(p.p.x - ref.x, p.p.y - ref.y), 1e-6) << c.title << " X" << x;
                EXPECT_LT(std::fabs(CircumconicValue(uvw, Barycentrics(ref, a, b, cc))), 1e-12)
                    << c.title << " X" << x;
            }
            EXPECT_EQ(vertices, 3) << c.title;
            for (int x : c.on)
                EXPECT_NE(std::find(centres.begin(), centres.end(), x), centres.end())
                    << c.title << " X" << x;
            EXPECT_EQ(std::find(centres.begin(), centres.end(), c.off), centres.end())
                << c.title << " X" << c.off;
            // The centre that is not on it is marked, and its reference misses the conic.
            EXPECT_TRUE(std::any_of(set.points.begin(), set.points.end(), [&](const MarkedPoint& p) {
                return Centre(p) == c.off;
            })) << c.title;
            EXPECT_GT(std::fabs(CircumconicValue(uvw, Barycentrics(at(c.off), a, b, cc))), 1e-6) << c.title;
            ++run;
        }
    EXPECT_EQ(run, 12);
}

// The Kiepert parabola touches the sides where the Steiner lines meet them: three places, each as
// far from the focus X(110) as from the Euler line, the directrix.
TEST(ConicRelations, TouchPointsOnTheKiepertParabola) {
    const std::array<IntPoint, 3> triangles[] = {{{{310, 130}, {180, 430}, {560, 400}}},
                                                 {{{250, 330}, {180, 430}, {660, 420}}}};
    int run = 0;
    for (const auto& t : triangles) {
        Document doc = testing::MakeDocument(t[0], t[1], t[2]);
        for (const char* name : {"Kiepert-Parabel", "Kiepertparabel-Berührungspunkte"})
            doc.SetOn(FindCatalogueEntry(name));
        const RelationSet set = RelationsOfDocument(doc, kWidth, kHeight);
        const auto r = std::find_if(set.relations.begin(), set.relations.end(), [](const Relation& x) {
            return x.kind == RelationKind::OnConic && x.general && x.title == "Kiepert-Parabel";
        });
        ASSERT_NE(r, set.relations.end());
        ASSERT_EQ(r->members.size(), 3u);
        const RealPoint a{double(t[0].x), double(t[0].y)}, b{double(t[1].x), double(t[1].y)},
            c{double(t[2].x), double(t[2].y)};
        auto at = [&](int n) { return *etc::FromBarycentrics(a, b, c, etc::CoordinateTable().at(n)); };
        const RealPoint focus = at(110), u = at(3), h = at(4);
        const double euler = std::hypot(h.x - u.x, h.y - u.y);
        for (int m : r->members) {
            const RealPoint p = set.points[static_cast<std::size_t>(m)].p;
            const double toFocus = std::hypot(p.x - focus.x, p.y - focus.y);
            const double toLine = std::fabs((h.x - u.x) * (p.y - u.y) - (h.y - u.y) * (p.x - u.x)) / euler;
            EXPECT_NEAR(toFocus, toLine, 1e-7 * toFocus);
        }
        ++run;
    }
    EXPECT_EQ(run, 2);
}

TEST(ConicRelations, CommandLinePrintsTheRow) {
    const char* argv[] = {"trimora",           "--vertices", "1;2;-2;-1;2.3;-1.4", "--on",
                          "Kiepert-Hyperbel",  "--on",       "Schwerpunkt",        "--on",
                          "Höhenschnittpunkt", "--relations"};
    std::ostringstream out, err;
    ASSERT_EQ(RunCommandLine(10, argv, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "Zusammenhänge\nauf der Kiepert-Hyperbel\tPunkt A, Punkt B, Punkt C, Schwerpunkt S [X(2)], "
                         "Höhenschnittpunkt [X(4)]\n");
}

} // namespace
} // namespace trimora
