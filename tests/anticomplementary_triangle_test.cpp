// The anticomplementary triangle: every catalogue entry on its own with exact values on A(1|2)
// B(-2|-1) C(2|-1), and on other shapes its medial triangle is ABC, its circumcircle lies about H
// with twice the circumradius and its incircle about the Nagel point with twice the inradius.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

TEST(AnticomplementaryTriangle, EveryEntryAloneDrawsAndWritesItsLines) {
    // H = (1 | 0), R = sqrt 5; s = (4 + sqrt 10 + 3 sqrt 2) / 2, r = 6 / s.
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const double a = 4, b = std::sqrt(10.0), c = 3 * std::sqrt(2.0), s = (a + b + c) / 2;
    const RealPoint nagel = Barycentric(A, B, C, s - a, s - b, s - c);
    const std::vector<EntryCase> cases{
        {69, {"Antikomplementär-Dreieck"}, kGreen, {"… Dreiecksflächeninhalt\t24"}},
        {70,
         std::vector<std::string>(3, "Antikomplementär-Dreieckspunkt"),
         kBlack,
         {"Antikomplementär-Dreieckspunkt\t( 5 | 2 )", "Antikomplementär-Dreieckspunkt\t( -3 | 2 )",
          "Antikomplementär-Dreieckspunkt\t( -1 | -4 )"}},
        {506,
         std::vector<std::string>(3, "Antikomplementärlinie"),
         kGreen,
         {"Antikomplementärlinie\tY = 3 X -1 ; Anstiegswinkel 71,57°"}},
        {494,
         {"Antikomplementärumkreis"},
         kBlue,
         {"… Mittelpunkt\t( 1 | 0 )", "… Radius\t" + FormatReal(2 * std::sqrt(5.0), 3)}},
        {495,
         {"Antikomplementärinkreis"},
         kMagenta,
         {PointLine("… Mittelpunkt", nagel), "… Radius\t" + FormatReal(12 / s, 3)}},
        {496, {}, kLime},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 6);
}

const std::vector<Triangle> kShapes{
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
    {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
};

TEST(AnticomplementaryTriangle, MedialTriangleIsABCAndCirclesDouble) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {494});
        Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint* V = &doc.points.precise[60]; // 60, 61, 62
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        EXPECT_EQ(Mid(V[0], V[1]), A);
        EXPECT_EQ(Mid(V[1], V[2]), B);
        EXPECT_EQ(Mid(V[0], V[2]), C);
        // Circumcircle: through the three vertices, centre H, twice the circumradius.
        const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B), s = (a + b + c) / 2,
                     area = Area(A, B, C);
        const double R = a * b * c / (4 * area), r = area / s;
        const RealPoint H =
            Meet(A, {A.x + C.y - B.y, A.y + B.x - C.x}, B, {B.x + C.y - A.y, B.y + A.x - C.x});
        EXPECT_NEAR(Dist(doc.points.precise[398], H), 0, 1e-6 * R);
        for (int n = 0; n < 3; ++n)
            EXPECT_NEAR(Dist(H, V[n]), 2 * R, 1e-6 * R);
        // Incircle: touches the three sides, centre at the Nagel point, twice the inradius.
        Document in = MakeDocument(t.a, t.b, t.c, {495});
        const Painted p = Paint(in, kAreaWidth, kAreaHeight);
        const RealPoint nagel = Barycentric(A, B, C, s - a, s - b, s - c);
        EXPECT_NEAR(Dist(in.points.precise[398], nagel), 0, 1e-6 * s);
        for (int n = 0; n < 3; ++n)
            EXPECT_NEAR(LineDistance(nagel, V[n], V[(n + 1) % 3]), 2 * r, 1e-6 * s);
        ASSERT_TRUE(FindLine(p.lines, "… Radius"));
        EXPECT_NEAR(ValueOf(*FindLine(p.lines, "… Radius")), 2 * r / 100, 6e-4);
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(DerivedTriangles, CollinearVerticesGiveNoCircleNoMalfattiNoMorleyNoRosenbaum) {
    // The perpendiculars at the Malfatti touch points and the Rosenbaum cevians are parallel, the
    // angles 0: nothing is drawn or listed, where a circle about the sentinel would appear.
    Document bare = MakeDocument({100, 300}, {200, 300}, {400, 300});
    const Painted before = Paint(bare, kAreaWidth, kAreaHeight);
    Document on = MakeDocument({100, 300}, {200, 300}, {400, 300}, {494, 495, 395, 396, 397, 505});
    for (int entry = 193; entry <= 212; ++entry)
        on.SetOn(entry);
    const Painted after = Paint(on, kAreaWidth, kAreaHeight);
    EXPECT_EQ(after.lines, before.lines);
    EXPECT_EQ(after.calls.size(), before.calls.size());
}

} // namespace
} // namespace trimora
