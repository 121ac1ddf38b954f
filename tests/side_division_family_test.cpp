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
    const std::vector<EntryCase> cases{
        {501, {}, kBlack}, // the marks keep the black pen that the Kiepert/Lucas family leaves
        {502, {}, kLime},
        {503, {}, kBlack},
        {504, {}, kRed},
        {505, {"Rosenbaum-Dreieck"}, kBlue, {"… Dreiecksflächeninhalt\t" + FormatReal(Area(R, S, T), 3)}},
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
        const double tol = 1e-9 * Dist(V[0], V[1]);
        for (int n : {3, 4}) {
            // Both divisions on leave the quarters; the Rosenbaum triangle is built from the thirds.
            Document doc = MakeDocument(t.a, t.b, t.c, {501, 505, n == 4 ? 503 : 502});
            Paint(doc, kAreaWidth, kAreaHeight);
            const RealPoint* P = &doc.points.precise[407];
            for (int side = 0; side < 3; ++side) {
                const RealPoint from = V[side], to = V[(side + 1) % 3];
                EXPECT_NEAR(Dist(P[2 * side], Towards(from, to, 1.0 / n)), 0, tol);
                EXPECT_NEAR(Dist(P[2 * side + 1], Towards(from, to, (n - 1.0) / n)), 0, tol);
            }
            const RealPoint* RST = &doc.points.precise[413];
            EXPECT_NEAR(LineDistance(RST[0], V[0], Towards(V[1], V[2], 1.0 / 3)), 0, tol);
            EXPECT_NEAR(LineDistance(RST[0], V[1], Towards(V[2], V[0], 2.0 / 3)), 0, tol);
            EXPECT_NEAR(LineDistance(RST[1], V[2], Towards(V[0], V[1], 2.0 / 3)), 0, tol);
            EXPECT_NEAR(LineDistance(RST[1], V[1], Towards(V[2], V[0], 1.0 / 3)), 0, tol);
            EXPECT_NEAR(LineDistance(RST[2], V[0], Towards(V[1], V[2], 2.0 / 3)), 0, tol);
            EXPECT_NEAR(LineDistance(RST[2], V[2], Towards(V[0], V[1], 1.0 / 3)), 0, tol);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(SideDivisionFamily, RedPenOfTheQuarterCeviansCarriesOver) {
    // Six lime and six red cevians; the mid-parallels, drawn later without a colour, come out red.
    Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {502, 504, 27});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    const auto lines = [&](Color c) {
        return std::count_if(p.calls.begin(), p.calls.end(), [&](const CanvasCall& call) {
            return call.kind == CanvasCall::Kind::LineTo && call.pen.color == c;
        });
    };
    EXPECT_EQ(lines(kLime), 6);
    EXPECT_EQ(lines(kRed), 6 + 3);
    EXPECT_EQ(p.calls.back().pen.color, kRed);
}

} // namespace
} // namespace trimora
