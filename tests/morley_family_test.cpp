// The Morley family: every catalogue entry on its own with exact values on A(1|2) B(-2|-1)
// C(2|-1) from the trilinear coordinates of the Morley points, and on other shapes an equilateral
// Morley triangle whose segments trisect the angles, the same for a mirrored triangle.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

// The Morley points next to AB, AC and BC: trilinears 2cos(B/3) : 2cos(A/3) : 1 and cyclically.
std::array<RealPoint, 3> MorleyPoints(RealPoint A, RealPoint B, RealPoint C) {
    const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B);
    const double ca = 2 * std::cos(AngleAt(A, B, C) / 3), cb = 2 * std::cos(AngleAt(B, A, C) / 3),
                 cc = 2 * std::cos(AngleAt(C, A, B) / 3);
    return {Barycentric(A, B, C, a * cb, b * ca, c), Barycentric(A, B, C, a * cc, b, c * ca),
            Barycentric(A, B, C, a, b * cc, c * cb)};
}

TEST(MorleyFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const auto M = MorleyPoints({1, 2}, {-2, -1}, {2, -1});
    const std::vector<std::string> segments{"Morley-Strecke",     "Morley-Strecke",     "Morley-Strecke",
                                            "Morley-Strecke",     "Morley-Strecke",     "Morley-Strecke",
                                            "Abstand A-Morley 1", "Abstand B-Morley 1", "Abstand A-Morley 2",
                                            "Abstand C-Morley 2", "Abstand B-Morley 3", "Abstand C-Morley 3"};
    const std::vector<EntryCase> cases{
        // The distances of the exact Morley points, computed on their own: 1,862 and 1,650.
        {395, segments, kRed, {"Abstand A-Morley 1\t1,862", "Abstand C-Morley 3\t1,65"}},
        {396, {"Morley-Dreieck"}, kRed},
        {397,
         std::vector<std::string>(3, "Morley-Punkt"),
         kRed,
         {PointLine("Morley-Punkt", M[0]), PointLine("Morley-Punkt", M[1]), PointLine("Morley-Punkt", M[2])}},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 3);
}

TEST(MorleyFamily, EquilateralAndTrisectingOnEveryShape) {
    const std::vector<Triangle> shapes{
        {{350, 110}, {110, 430}, {670, 430}}, // acute
        {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
        {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
        {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
        {{100, 300}, {700, 300}, {400, 299}}, // a third of A's angle turns less than a pixel
    };
    int checked = 0;
    for (const Triangle& t : shapes) {
        for (bool mirrored : {false, true}) {
            SCOPED_TRACE(checked);
            // The mirror image runs the other way round on the screen.
            auto place = [&](IntPoint p) { return mirrored ? IntPoint{p.x, 660 - p.y} : p; };
            Document doc = MakeDocument(place(t.a), place(t.b), place(t.c), {396});
            Paint(doc, kAreaWidth, kAreaHeight);
            const RealPoint A = AsReal(place(t.a)), B = AsReal(place(t.b)), C = AsReal(place(t.c));
            const RealPoint* P = &doc.points.precise[286];
            const auto expected = MorleyPoints(A, B, C);
            const double side = Dist(P[0], P[1]);
            EXPECT_GT(side, 0.1);
            EXPECT_NEAR(Dist(P[1], P[2]), side, 1e-7 * side);
            EXPECT_NEAR(Dist(P[0], P[2]), side, 1e-7 * side);
            for (int n = 0; n < 3; ++n)
                EXPECT_NEAR(Dist(P[n], expected[n]), 0, 1e-7 * side) << n;
            // The point next to AB lies on the trisectors of A and B nearest AB.
            EXPECT_NEAR(AngleAt(A, B, P[0]), AngleAt(A, B, C) / 3, 1e-9);
            EXPECT_NEAR(AngleAt(B, A, P[0]), AngleAt(B, A, C) / 3, 1e-9);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 10);
}

} // namespace
} // namespace trimora
