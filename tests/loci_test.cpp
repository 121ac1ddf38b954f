#include "explore/loci.h"
#include "explore/locus_shape.h"
#include "base/catalogue.h"
#include "base/lines.h"
#include "draw/point_table.h"
#include <algorithm>
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>

namespace trimora {
namespace {

constexpr int kWidth = 821, kHeight = 660;

std::vector<Locus> Trace(const Document& doc, int vertex, VertexPath path, const std::vector<std::string>& names) {
    const std::vector<TracePoint> all = TracePoints(doc, kWidth, kHeight);
    LocusRequest request{vertex, path, {}};
    for (const std::string& name : names) {
        const int i = FindTracePoint(all, name);
        EXPECT_GE(i, 0) << name;
        if (i >= 0) request.points.push_back(all[static_cast<std::size_t>(i)]);
    }
    return TraceLoci(doc, kWidth, kHeight, request).value();
}


RealPoint FromOrigin(RealPoint p) { return {p.x - kWidth / 2, p.y - kHeight / 2}; }
RealPoint Real(IntPoint p) { return {double(p.x), double(p.y)}; }
double Distance(RealPoint p, RealPoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

// The shape of a locus that names the whole of it, else nothing.
std::optional<LocusShape> Whole(const Locus& l) {
    if (l.shapes.size() == 1 && l.shapes[0].piece < 0) return l.shapes[0];
    return std::nullopt;
}

// Triangles with AB level (C above it, right-angled and obtuse ones among them) and tilted ones.
struct Triangle {
    IntPoint a, b, c;
    bool level;
};
const Triangle kTriangles[] = {
    {{300, 400}, {520, 400}, {350, 250}, true},  {{250, 420}, {560, 420}, {480, 200}, true},
    {{300, 380}, {450, 380}, {150, 250}, true},  {{330, 450}, {480, 450}, {330, 300}, true},
    {{290, 190}, {220, 420}, {560, 420}, false}, {{200, 300}, {600, 380}, {420, 120}, false},
};

TEST(Loci, CircumcirclePathTheorems) {
    int cases = 0;
    for (const Triangle& t : kTriangles) {
        SCOPED_TRACE(::testing::PrintToString(std::vector<int>{t.a.x, t.a.y, t.b.x, t.b.y, t.c.x, t.c.y}));
        Document doc = testing::MakeDocument(t.a, t.b, t.c, {12, 13, 14});
        const auto loci = Trace(doc, 2, VertexPath::Circumcircle, {"Höhenschnittpunkt", "Schwerpunkt S", "Inkreismittelpunkt"});
        const CircleFit u = CircleThroughPoints(Real(t.a), Real(t.b), Real(t.c)).value();
        const RealPoint U = FromOrigin(u.centre), A = FromOrigin(Real(t.a)), B = FromOrigin(Real(t.b));
        const RealPoint M = Midpoint(A, B);
        const double tol = 1e-3 * u.radius;
        // The orthocentre: the circumcircle reflected in AB.
        const auto h = Whole(loci[0]);
        ASSERT_TRUE(h && h->kind == LocusShape::Kind::Circle) << LocusShapeText(h.value_or(LocusShape{}));
        EXPECT_NEAR(Distance(h->centre, {2 * M.x - U.x, 2 * M.y - U.y}), 0, tol);
        EXPECT_NEAR(h->a, u.radius, tol);
        // The centroid: radius R/3 about the point a third of the way from M to U.
        const auto s = Whole(loci[1]);
        ASSERT_TRUE(s && s->kind == LocusShape::Kind::Circle) << LocusShapeText(s.value_or(LocusShape{}));
        EXPECT_NEAR(Distance(s->centre, {M.x + (U.x - M.x) / 3, M.y + (U.y - M.y) / 3}), 0, tol);
        EXPECT_NEAR(s->a, u.radius / 3, tol);
        // The incentre: an arc through A and B about each midpoint of the arcs AB.
        const Locus& i = loci[2];
        ASSERT_EQ(i.pieces.size(), 2u);
        ASSERT_EQ(i.shapes.size(), 2u);
        const double d = Distance(A, B);
        const RealPoint n{-(B.y - A.y) / d, (B.x - A.x) / d};
        for (const LocusShape& arc : i.shapes) {
            ASSERT_EQ(arc.kind, LocusShape::Kind::Circle) << LocusShapeText(arc);
            const RealPoint m1{U.x + u.radius * n.x, U.y + u.radius * n.y}, m2{U.x - u.radius * n.x, U.y - u.radius * n.y};
            const RealPoint mid = Distance(arc.centre, m1) < Distance(arc.centre, m2) ? m1 : m2;
            // A short arc of a large circle fixes its centre less closely.
            const double arcTol = 1e-3 * std::max(u.radius, Distance(mid, A));
            EXPECT_NEAR(Distance(arc.centre, mid), 0, arcTol);
            EXPECT_NEAR(arc.a, Distance(mid, A), arcTol);
        }
        EXPECT_NE(Distance(i.shapes[0].centre, i.shapes[1].centre), 0);
        ++cases;
    }
    EXPECT_EQ(cases, 6);
}

TEST(Loci, HorizontalPathTheorems) {
    int cases = 0;
    for (const Triangle& t : kTriangles) {
        if (!t.level) continue;
        SCOPED_TRACE(::testing::PrintToString(std::vector<int>{t.a.x, t.a.y, t.b.x, t.b.y, t.c.x, t.c.y}));
        Document doc = testing::MakeDocument(t.a, t.b, t.c, {12, 13, 15});
        const auto loci = Trace(doc, 2, VertexPath::Horizontal, {"Schwerpunkt S", "Umkreismittelpunkt", "Höhenschnittpunkt"});
        const RealPoint A = FromOrigin(Real(t.a)), B = FromOrigin(Real(t.b)), C = FromOrigin(Real(t.c));
        const RealPoint M = Midpoint(A, B);
        // The centroid: the level line a third of the way up from AB.
        const auto s = Whole(loci[0]);
        ASSERT_TRUE(s && s->kind == LocusShape::Kind::Line) << LocusShapeText(s.value_or(LocusShape{}));
        EXPECT_NEAR(s->direction.y, 0, 1e-9);
        EXPECT_NEAR(s->centre.y, (A.y + B.y + C.y) / 3, 1e-6);
        // The circumcentre: the perpendicular bisector x = x(M).
        const auto u = Whole(loci[1]);
        ASSERT_TRUE(u && u->kind == LocusShape::Kind::Line) << LocusShapeText(u.value_or(LocusShape{}));
        EXPECT_NEAR(u->direction.x, 0, 1e-9);
        EXPECT_NEAR(u->centre.x, M.x, 1e-6);
        // The orthocentre: a parabola about that bisector; with C at height h above AB (half of
        // it c) the orthocentre of C above M is c²/h above AB, the focus h/4 beyond on the far side.
        const auto h = Whole(loci[2]);
        ASSERT_TRUE(h && h->kind == LocusShape::Kind::Parabola) << LocusShapeText(h.value_or(LocusShape{}));
        const double height = A.y - C.y, half = Distance(A, B) / 2;
        EXPECT_NEAR(h->direction.x, 0, 1e-6);
        EXPECT_NEAR(h->direction.y, 1, 1e-6); // opening downwards on the screen, away from C
        EXPECT_NEAR(h->centre.x, M.x, 1e-4);
        EXPECT_NEAR(h->centre.y, A.y - half * half / height, 1e-4);
        EXPECT_NEAR(h->a, height / 4, 1e-4);
        ++cases;
    }
    EXPECT_EQ(cases, 4);
}

} // namespace
} // namespace trimora
