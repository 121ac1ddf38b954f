// Loci traced through the paint routine: classroom theorems on several triangles, pieces where a
// point is gone, a repaint cut short that changes nothing, the document left as it was, and the
// loci in the picture and the results.
#include "base/lines.h"
#include "draw/point_table.h"
#include "explore/loci.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <optional>

namespace trimora {
namespace {

constexpr int kWidth = 821, kHeight = 660;

std::vector<Locus> Trace(const Document& doc, int vertex, VertexPath path,
                         const std::vector<std::string>& names) {
    const std::vector<TracePoint> all = TracePoints(doc, kWidth, kHeight);
    LocusRequest request{vertex, path, {}};
    for (const std::string& name : names) {
        const int i = FindTracePoint(all, name);
        EXPECT_GE(i, 0) << name;
        if (i >= 0) request.points.push_back(all[static_cast<std::size_t>(i)]);
    }
    return TraceLoci(doc, kWidth, kHeight, request).value();
}

RealPoint FromOrigin(RealPoint p) {
    return {p.x - kWidth / 2, p.y - kHeight / 2};
}
RealPoint Real(IntPoint p) {
    return {double(p.x), double(p.y)};
}
double Distance(RealPoint p, RealPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

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
        const auto loci = Trace(doc, 2, VertexPath::Circumcircle,
                                {"Höhenschnittpunkt", "Schwerpunkt S", "Inkreismittelpunkt"});
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
            const RealPoint m1{U.x + u.radius * n.x, U.y + u.radius * n.y},
                m2{U.x - u.radius * n.x, U.y - u.radius * n.y};
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
        const auto loci = Trace(doc, 2, VertexPath::Horizontal,
                                {"Schwerpunkt S", "Umkreismittelpunkt", "Höhenschnittpunkt"});
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

// C runs upright through the line AB: the flat triangles there count as none, and the centroid's
// locus is two pieces of its line, each on its own side, with no stroke across the gap; the
// orthocentre goes through infinity there and never strides across either.
TEST(Loci, PiecesWhereAPointIsGone) {
    int cases = 0;
    for (const Triangle& t : kTriangles) {
        if (!t.level) continue;
        Document doc = testing::MakeDocument(t.a, t.b, t.c, {12, 13});
        const auto loci = Trace(doc, 2, VertexPath::Vertical, {"Schwerpunkt S", "Höhenschnittpunkt"});
        const double ab = FromOrigin(Real(t.a)).y;
        const double side = std::max(
            {Distance(Real(t.a), Real(t.b)), Distance(Real(t.b), Real(t.c)), Distance(Real(t.c), Real(t.a))});
        ASSERT_EQ(loci[0].pieces.size(), 2u);
        for (const auto& piece : loci[0].pieces) {
            const bool above = piece.front().y < ab;
            for (std::size_t k = 0; k < piece.size(); ++k) {
                EXPECT_EQ(piece[k].y < ab, above);
                if (k > 0) {
                    EXPECT_LT(Distance(piece[k], piece[k - 1]), 1.0); // a third of the vertex's pixel
                }
            }
        }
        EXPECT_GT(Distance(loci[0].pieces[0].back(), loci[0].pieces[1].front()), 1.0);
        ASSERT_GE(loci[1].pieces.size(), 2u);
        for (const auto& piece : loci[1].pieces)
            for (std::size_t k = 1; k < piece.size(); ++k)
                EXPECT_LE(Distance(piece[k], piece[k - 1]), side);
        ++cases;
    }
    EXPECT_EQ(cases, 4);
}

// A repaint that ends after the stage of the points asked for finds them exactly where the whole
// repaint does; the document is left as it was; a cancelled trace gives nothing.
TEST(Loci, ShortRepaintsAgreeAndTheDocumentStays) {
    Document doc = testing::MakeDocument({300, 400}, {520, 400}, {350, 250});
    for (int e = 0; e < 120; ++e)
        doc.SetOn(e);
    const Document before = doc;
    const std::vector<TracePoint> all = TracePoints(doc, kWidth, kHeight);
    LocusRequest request{0, VertexPath::AroundOrigin, {}};
    for (const char* name : {"Schwerpunkt S", "Höhenschnittpunkt", "Nagelpunkt N", "Inkreismittelpunkt"})
        request.points.push_back(all.at(static_cast<std::size_t>(FindTracePoint(all, name))));
    ASSERT_LT(request.points[1].stage, request.points[3].stage);
    const auto shortened = TraceLoci(doc, kWidth, kHeight, request).value();
    for (TracePoint& p : request.points)
        p.stage = INT_MAX;
    const auto whole = TraceLoci(doc, kWidth, kHeight, request).value();
    ASSERT_EQ(shortened.size(), 4u);
    for (std::size_t n = 0; n < 4; ++n)
        EXPECT_EQ(shortened[n].pieces, whole[n].pieces) << shortened[n].name;
    EXPECT_EQ(doc.points.screen, before.points.screen);
    EXPECT_EQ(doc.fields, before.fields);
    EXPECT_FALSE(doc.loci);

    LocusProgress progress;
    progress.cancel = true;
    EXPECT_FALSE(TraceLoci(doc, kWidth, kHeight, request, &progress));
}

// The loci are drawn under the elements in pens of their own and change nothing else of the
// picture; their lines close the results; another triangle forgets them, a zoom keeps them.
TEST(Loci, InThePictureAndTheResults) {
    Document doc = testing::MakeDocument({300, 400}, {520, 400}, {350, 250}, {0, 1, 2, 3, 4, 5, 6, 12, 13});
    WriteFieldsFromVertices(doc, kWidth / 2, kHeight / 2);
    const testing::Painted plain = testing::Paint(doc, kWidth, kHeight);
    doc.loci = WithLoci(doc, kWidth, kHeight,
                        Trace(doc, 2, VertexPath::Circumcircle, {"Höhenschnittpunkt", "Schwerpunkt S"}));
    const testing::Painted traced = testing::Paint(doc, kWidth, kHeight);
    std::vector<CanvasCall> others;
    std::size_t polylines = 0, firstPolyline = 0;
    for (std::size_t i = 0; i < traced.calls.size(); ++i) {
        if (traced.calls[i].kind != CanvasCall::Kind::Polyline) {
            others.push_back(traced.calls[i]);
            continue;
        }
        if (polylines++ == 0) firstPolyline = i;
        EXPECT_EQ(traced.calls[i].pen.width, 3);
    }
    EXPECT_EQ(polylines, 4u); // two pieces each, cut where C passes A and B
    EXPECT_EQ(traced.calls[firstPolyline - 1].kind, CanvasCall::Kind::Polygon); // right over the fill
    ASSERT_EQ(others.size(), plain.calls.size());
    for (std::size_t i = 0; i < others.size(); ++i)
        EXPECT_TRUE(others[i].pen == plain.calls[i].pen) << i;
    ASSERT_EQ(traced.lines.size(), plain.lines.size() + 4);
    EXPECT_EQ(traced.lines[plain.lines.size()], "Ortslinien");
    EXPECT_EQ(traced.lines[plain.lines.size() + 1], "Bahn\tC auf dem Umkreis");
    EXPECT_EQ(traced.lines[plain.lines.size() + 2].rfind(
                  "Ortslinie von Höhenschnittpunkt\tKreis, Mittelpunkt ( ", 0),
              0u);

    // A zoom with the same typed coordinates keeps them, grown with it.
    Document zoomed = doc;
    zoomed.view.stretchFactor = 2;
    ApplyFieldTexts(zoomed, kWidth, kHeight);
    const testing::Painted grown = testing::Paint(zoomed, kWidth, kHeight);
    ASSERT_EQ(grown.lines.size(), traced.lines.size());
    // Measured at the new stretch, as every result line is.
    auto circle = [](std::string line) {
        std::replace(line.begin(), line.end(), ',', '.');
        double x = 0, y = 0, r = 0;
        EXPECT_EQ(std::sscanf(line.c_str() + line.find('('), "( %lf | %lf ). Radius %lf", &x, &y, &r), 3)
            << line;
        return std::array<double, 3>{x, y, r};
    };
    const auto before = circle(traced.lines[plain.lines.size() + 2]),
               after = circle(grown.lines[plain.lines.size() + 2]);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(after[k], 2 * before[k], 0.0021);
    doc.points.screen[kSlotC].x += 1;
    const testing::Painted moved = testing::Paint(doc, kWidth, kHeight);
    EXPECT_EQ(moved.lines.size(), plain.lines.size());
    EXPECT_TRUE(std::none_of(moved.calls.begin(), moved.calls.end(),
                             [](const CanvasCall& c) { return c.kind == CanvasCall::Kind::Polyline; }));
}

} // namespace
} // namespace trimora
