// The Fuhrmann family and the tangential triangle: every catalogue entry on its own on A(1|2)
// B(-2|-1) C(2|-1) (U = (0|0), R = sqrt 5), the Fuhrmann circle on the diameter from H to the Nagel
// point, the arc midpoints away from the opposite vertex also for obtuse triangles, and the sides
// of the tangential triangle touching the circumcircle at the vertices.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

TEST(FuhrmannFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const double R = std::sqrt(5.0);
    // U lies inside: each arc midpoint is R from U towards the side midpoint.
    auto arc = [&](RealPoint p, RealPoint q) {
        const RealPoint m = Mid(p, q);
        const double l = std::hypot(m.x, m.y);
        return RealPoint{R * m.x / l, R * m.y / l};
    };
    auto fuhrmann = [&](RealPoint p, RealPoint q) {
        const RealPoint u = arc(p, q);
        return RealPoint{p.x + q.x - u.x, p.y + q.y - u.y};
    };
    const std::vector<EntryCase> cases{
        {175,
         {"Umkreisbogen-Mittelpunkt Uc", "Umkreisbogen-Mittelpunkt Ub", "Umkreisbogen-Mittelpunkt Ua"},
         kGrey,
         {PointLine("Umkreisbogen-Mittelpunkt Uc", arc(A, B)),
          PointLine("Umkreisbogen-Mittelpunkt Ub", arc(A, C)),
          PointLine("Umkreisbogen-Mittelpunkt Ua", arc(B, C))}},
        {176,
         {"Fuhrmann-Punkt F3", "Fuhrmann-Punkt F1", "Fuhrmann-Punkt F2"},
         kGrey,
         {PointLine("Fuhrmann-Punkt F3", fuhrmann(A, B)), PointLine("Fuhrmann-Punkt F1", fuhrmann(A, C)),
          PointLine("Fuhrmann-Punkt F2", fuhrmann(B, C))}},
        {177,
         {"Fuhrmann-Linie", "Fuhrmann-Linie", "Fuhrmann-Linie"},
         kGrey,
         {"Fuhrmann-Linie\tX = 0 ; Anstiegswinkel 90°"}},
        {178, {}, kRed},
        {179, {"Fuhrmann-Kreis"}, kRed},
        {180, {"Fuhrmann-Dreieck"}, kBlue},
        {181, {"Fuhrmann-Kreismittelpunkt"}, kBlack},
        {182, {"Fuhrmann-Kreismittelpunkt"}, kLime},
        {183, {"Fuhrmann-Kreismittelpunkt-Lot-Dreieck"}, kGrey},
        {184, {"Fuhrmann-Punkt A"}, kBlack},
        {185, {"Fuhrmann-Punkt A"}, kLime},
        {186, {"Fuhrmann-Punkt A-Lot-Dreieck"}, kGrey},
        {187, {"Fuhrmann-Punkt B"}, kBlack},
        {188, {"Fuhrmann-Punkt B"}, kLime},
        {189, {"Fuhrmann-Punkt B-Lot-Dreieck"}, kGrey},
        {190, {"Fuhrmann-Punkt C"}, kBlack},
        {191, {"Fuhrmann-Punkt C"}, kLime},
        {192, {"Fuhrmann-Punkt C-Lot-Dreieck"}, kGrey},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 18);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A, U 400 pixels beyond BC
    {{300, 200}, {700, 260}, {320, 300}}, // obtuse at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
};

RealPoint CircumcentreOf(RealPoint a, RealPoint b, RealPoint c) {
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
            (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

TEST(FuhrmannFamily, CircleOnTheDiameterFromHToTheNagelPoint) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {178});
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint U = CircumcentreOf(A, B, C);
        const RealPoint H{A.x + B.x + C.x - 2 * U.x, A.y + B.y + C.y - 2 * U.y};
        const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B);
        const RealPoint N = Barycentric(A, B, C, b + c - a, c + a - b, a + b - c);
        EXPECT_NEAR(Dist(pt.precise[130], Mid(H, N)), 0, 1e-6 * (a + b + c));
        // Each arc midpoint lies on the circumcircle, on the far side of its side from the third vertex.
        const struct {
            RealPoint p, q, r;
            int slot;
        } arcs[3] = {{A, B, C, 124}, {A, C, B, 125}, {B, C, A, 126}};
        for (const auto& s : arcs) {
            const RealPoint m = pt.precise[s.slot];
            EXPECT_NEAR(Dist(m, U), Dist(A, U), 1e-6 * (a + b + c));
            const double side = (s.q.x - s.p.x) * (m.y - s.p.y) - (s.q.y - s.p.y) * (m.x - s.p.x);
            const double third = (s.q.x - s.p.x) * (s.r.y - s.p.y) - (s.q.y - s.p.y) * (s.r.x - s.p.x);
            EXPECT_LT(side * third, 0);
        }
        // The circle drawn has |H N| / 2 as its radius (the box of DrawCircle is one pixel wider).
        bool drawn = false;
        for (const CanvasCall& call : Paint(doc, kAreaWidth, kAreaHeight).calls)
            if (call.kind == CanvasCall::Kind::Ellipse && call.pen.color == kRed)
                drawn = std::fabs((call.x2 - call.x1 - 1) / 2.0 - Dist(H, N) / 2) < 1.5;
        EXPECT_TRUE(drawn);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(TangentialTriangle, EveryEntryAloneDrawsAndWritesItsLines) {
    // Tangents x + 2y = 5 at A, -2x - y = 5 at B, 2x - y = 5 at C.
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const RealPoint T1{-5, 5}, T2{3, 1}, T3{0, -5};
    // Exeter point: barycentric a²(b⁴ + c⁴ - a⁴) : … with a² = 16, b² = 10, c² = 18.
    const RealPoint exeter =
        Barycentric(A, B, C, 16 * (100 + 324 - 256), 10 * (324 + 256 - 100), 18 * (256 + 100 - 324));
    const std::vector<EntryCase> cases{
        {145,
         {"Tangentialdreieck-Seite"},
         kGreen,
         {"Tangentialdreieck-Seite\tY = -0,5 X +2,5 ; Anstiegswinkel -26,57°"}},
        {146,
         {"Tangentialdreieck-Seite"},
         kGreen,
         {"Tangentialdreieck-Seite\tY = -2 X -5 ; Anstiegswinkel -63,43°"}},
        {147,
         {"Tangentialdreieck-Seite"},
         kGreen,
         {"Tangentialdreieck-Seite\tY = 2 X -5 ; Anstiegswinkel 63,43°"}},
        {148,
         {"Tangentialdreieck-Punkt T1", "Tangentialdreieck-Punkt T2", "Tangentialdreieck-Punkt T3"},
         kRed,
         {PointLine("Tangentialdreieck-Punkt T1", T1), PointLine("Tangentialdreieck-Punkt T2", T2),
          PointLine("Tangentialdreieck-Punkt T3", T3)}},
        {149, std::vector<std::string>(3, "Seitenhalbierende Tangentialdreieck"), kGreen},
        {150, {"Exeter-Punkt"}, kGreen, {PointLine("Exeter-Punkt", exeter)}},
        {151, {"Inkreis-Umkreis-Gerade"}, kGreen},
        {166, {"Exeter-Punkt"}, kBlack},
        {167, {"Exeter-Punkt"}, kLime},
        {168, {"Exeter-Punkt-Lot-Dreieck"}, kGrey},
        {321,
         std::vector<std::string>(3, "Tangentialdreieckseitenmittelpunkt"),
         kGreen,
         {PointLine("Tangentialdreieckseitenmittelpunkt", Mid(T1, T2)),
          PointLine("Tangentialdreieckseitenmittelpunkt", Mid(T1, T3)),
          PointLine("Tangentialdreieckseitenmittelpunkt", Mid(T2, T3))}},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 11);
}

TEST(TangentialTriangle, SidesTouchTheCircumcircleAtTheVertices) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint U = CircumcentreOf(A, B, C);
        const double R = Dist(U, A), tol = 1e-6 * R;
        const RealPoint T1 = pt.precise[115], T2 = pt.precise[116], T3 = pt.precise[117];
        // T1 T2 touches at A, T1 T3 at B, T2 T3 at C: the vertex is on the side and U is R from it.
        const struct { RealPoint p, q, v; } sides[3] = {{T1, T2, A}, {T1, T3, B}, {T2, T3, C}};
        for (const auto& s : sides) {
            EXPECT_NEAR(LineDistance(s.v, s.p, s.q), 0, tol);
            EXPECT_NEAR(LineDistance(U, s.p, s.q), R, tol);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(TangentialTriangle, RightAngleLeavesTheVertexAtInfinityAbsent) {
    // The right angle at A: the tangents at B and C are parallel.
    Document doc = MakeDocument({410, 130}, {410, 330}, {610, 130}, {145, 146, 147, 148, 321});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_FALSE(Present(doc.points, 117));
    EXPECT_TRUE(Present(doc.points, 115));
    EXPECT_TRUE(Present(doc.points, 116));
    for (const std::string& l : p.lines)
        EXPECT_EQ(l.find("e+"), std::string::npos) << l;
}

} // namespace
} // namespace trimora
