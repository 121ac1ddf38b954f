// Side division points and the Rosenbaum triangle: every catalogue entry on its own on A(1|2)
// B(-2|-1) C(2|-1), division points on their sides in the stated ratio, the Rosenbaum triangle
// from the thirds even when the quarters overwrite them, and the red pen left to the pipeline.
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace trimora {
namespace {

using namespace testing;

RealPoint Towards(RealPoint p, RealPoint q, double t) {
    return {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
}

TEST(SideDivisionFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    // R = (A, B + (C - B) / 3) meets (B, C + 2 (A - C) / 3), and so on.
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const RealPoint R = Meet(A, Towards(B, C, 1.0 / 3), B, Towards(C, A, 2.0 / 3));
    const RealPoint S = Meet(C, Towards(A, B, 2.0 / 3), B, Towards(C, A, 1.0 / 3));
    const RealPoint T = Meet(A, Towards(B, C, 2.0 / 3), C, Towards(A, B, 1.0 / 3));
    const double area = Area(R, S, T);
    const std::vector<EntryCase> cases{
        {501, {}, kRed}, // the marks keep the Morley family's red pen
        {502, {}, kLime},
        {503, {}, kRed},
        {504, {}, kRed},
        {505, {"Rosenbaum-Dreieck"}, kBlue, {"… Dreiecksflächeninhalt\t" + FormatReal(area, 3)}},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 5);
}

TEST(SideDivisionFamily, PointsDivideTheSidesAndRosenbaumUsesTheThirds) {
    const std::vector<Triangle> shapes{
        {{350, 110}, {110, 430}, {670, 430}}, // acute
        {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
        {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
        {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
    };
    int checked = 0;
    for (const Triangle& t : shapes) {
        SCOPED_TRACE(checked);
        const RealPoint V[3] = {AsReal(t.a), AsReal(t.b), AsReal(t.c)};
        for (int n : {3, 4}) {
            Document doc = MakeDocument(t.a, t.b, t.c, {n == 3 ? 501 : 503});
            Paint(doc, kAreaWidth, kAreaHeight);
            for (int side = 0; side < 3; ++side) {
                const RealPoint P = V[side], Q = V[(side + 1) % 3];
                const RealPoint near = doc.points.precise[407 + 2 * side],
                                far = doc.points.precise[408 + 2 * side];
                const double length = Dist(P, Q);
                EXPECT_NEAR(LineDistance(near, P, Q), 0, 1e-9 * length);
                EXPECT_NEAR(LineDistance(far, P, Q), 0, 1e-9 * length);
                EXPECT_NEAR(Dist(P, near) * n, length, 1e-9 * length);
                EXPECT_NEAR(Dist(P, far) * n, (n - 1) * length, 1e-9 * length);
            }
        }
        // Both divisions on: the quarters stay, the Rosenbaum vertices lie on the cevians to the thirds.
        Document both = MakeDocument(t.a, t.b, t.c, {501, 503, 505});
        Paint(both, kAreaWidth, kAreaHeight);
        const PointTable& pt = both.points;
        EXPECT_NEAR(Dist(pt.precise[407], Towards(V[0], V[1], 0.25)), 0, 1e-9);
        const RealPoint R = pt.precise[413], S = pt.precise[414], Tv = pt.precise[415];
        const double tol = 1e-9 * Dist(V[0], V[1]);
        EXPECT_NEAR(LineDistance(R, V[0], Towards(V[1], V[2], 1.0 / 3)), 0, tol);
        EXPECT_NEAR(LineDistance(R, V[1], Towards(V[2], V[0], 2.0 / 3)), 0, tol);
        EXPECT_NEAR(LineDistance(S, V[2], Towards(V[0], V[1], 2.0 / 3)), 0, tol);
        EXPECT_NEAR(LineDistance(S, V[1], Towards(V[2], V[0], 1.0 / 3)), 0, tol);
        EXPECT_NEAR(LineDistance(Tv, V[0], Towards(V[1], V[2], 2.0 / 3)), 0, tol);
        EXPECT_NEAR(LineDistance(Tv, V[2], Towards(V[0], V[1], 1.0 / 3)), 0, tol);
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(SideDivisionFamily, RedPenOfTheQuarterCeviansCarriesOver) {
    // The mid-parallels, drawn later without a colour of their own, come out red.
    Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {502, 504, 27});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    ASSERT_GE(p.calls.size(), 2u);
    EXPECT_EQ(p.calls.back().kind, CanvasCall::Kind::LineTo);
    EXPECT_EQ(p.calls.back().pen.color, kRed);
    // Twelve cevians: six lime, six red.
    const auto count = [&](Color c) {
        return std::count_if(p.calls.begin(), p.calls.end(), [&](const CanvasCall& call) {
            return call.kind == CanvasCall::Kind::LineTo && call.pen.color == c;
        });
    };
    EXPECT_EQ(count(kLime), 6);
    EXPECT_EQ(count(kRed), 6 + 3);
}

TEST(SideDivisionFamily, CollinearVerticesHaveNoRosenbaumTriangle) {
    Document doc = MakeDocument({100, 300}, {200, 300}, {400, 300}, {505});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_FALSE(FindLine(p.lines, "Rosenbaum-Dreieck"));
    EXPECT_TRUE(std::none_of(p.calls.begin(), p.calls.end(),
                             [](const CanvasCall& c) { return c.kind == CanvasCall::Kind::Text; }));
}

} // namespace
} // namespace trimora
