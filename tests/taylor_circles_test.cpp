// Taylor and Tucker circles: every catalogue entry on its own on A(1|2) B(-2|-1) C(2|-1), the six
// Taylor feet (projected here from scratch) on the Taylor circle, and right and flat triangles.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

// The foot of the perpendicular from P on the line through L1 and L2, by projection.
RealPoint Foot(RealPoint p, RealPoint l1, RealPoint l2) {
    const double dx = l2.x - l1.x, dy = l2.y - l1.y;
    const double k = ((p.x - l1.x) * dx + (p.y - l1.y) * dy) / (dx * dx + dy * dy);
    return {l1.x + k * dx, l1.y + k * dy};
}

// The six Taylor feet in the order of slots 38 to 43: Hb on AB and BC, Ha on AB and AC, Hc on AC and BC.
std::vector<RealPoint> TaylorFeet(RealPoint A, RealPoint B, RealPoint C) {
    const RealPoint Ha = Foot(A, B, C), Hb = Foot(B, C, A), Hc = Foot(C, A, B);
    return {Foot(Hb, A, B), Foot(Hb, B, C), Foot(Ha, A, B), Foot(Ha, A, C), Foot(Hc, A, C), Foot(Hc, B, C)};
}

TEST(TaylorCircles, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    std::vector<std::string> feetLines;
    for (const RealPoint& f : TaylorFeet(A, B, C))
        feetLines.push_back(PointLine("Taylorfußpunkt", f));
    // The Taylor radius is R sqrt(sin²α sin²β sin²γ + cos²α cos²β cos²γ) with R = sqrt 5, the sines
    // 2/sqrt 5, 1/sqrt 2, 3/sqrt 10 and the cosines 1/sqrt 5, 1/sqrt 2, 1/sqrt 10.
    const std::string taylorRadius = FormatReal(std::sqrt(5.0) * std::sqrt(0.36 + 0.01), 3);
    const std::vector<EntryCase> cases{
        {49, std::vector<std::string>(6, "Taylorfußpunkt"), kBlack, feetLines},
        {50,
         std::vector<std::string>(6, "Taylor-Linie"),
         kGreen,
         {"Taylor-Linie\tX = 1,6 ; Anstiegswinkel 90°"}},
        {51, {"Taylorkreis-Radius"}, kPurple, {"Taylorkreis-Radius\t" + taylorRadius}},
        {52, {"Taylor-Punkt"}, kBlack, {"Taylor-Punkt\t( 0,8 | 0,1 )"}},
        {53,
         {"1.Tucker-Kreisradius (1)", "1.Tucker-Kreisradius (2)", "1.Tucker-Kreisradius (3)"},
         kPurple,
         {"1.Tucker-Kreisradius (2)\t1,5"}},
        {54,
         {"1.Tucker-Kreismittelpunkt (1)", "1.Tucker-Kreismittelpunkt (2)", "1.Tucker-Kreismittelpunkt (3)"},
         kBlack,
         {"1.Tucker-Kreismittelpunkt (3)\t( 1 | 0 )"}},
        {55,
         {"2.Tucker-Kreisradius (1)", "2.Tucker-Kreisradius (2)", "2.Tucker-Kreisradius (3)"},
         kPurple,
         {"2.Tucker-Kreisradius (3)\t1,118"}},
        {56,
         {"2.Tucker-Kreismittelpunkt (1)", "2.Tucker-Kreismittelpunkt (2)", "2.Tucker-Kreismittelpunkt (3)"},
         kBlack,
         {"2.Tucker-Kreismittelpunkt (3)\t( 0,5 | 0 )"}},
        {57,
         {"3.Tucker-Kreisradius (1)", "3.Tucker-Kreisradius (2)", "3.Tucker-Kreisradius (3)"},
         kPurple,
         {"3.Tucker-Kreisradius (1)\t0,825"}},
        {58,
         {"3.Tucker-Kreismittelpunkt (1)", "3.Tucker-Kreismittelpunkt (2)", "3.Tucker-Kreismittelpunkt (3)"},
         kBlack,
         {"3.Tucker-Kreismittelpunkt (1)\t( 0,8 | -0,8 )"}},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 10);
}

TEST(TaylorCircles, SixFeetOnTheTaylorCircle) {
    const std::vector<Triangle> shapes{
        kBasic,
        {{350, 110}, {110, 430}, {670, 430}}, // acute
        {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
        {{300, 100}, {700, 400}, {300, 400}}, // right angle at C
        {{100, 300}, {700, 300}, {350, 240}}, // nearly flat
    };
    int checked = 0;
    for (const Triangle& t : shapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {49, 51, 52});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const std::vector<RealPoint> feet = TaylorFeet(AsReal(t.a), AsReal(t.b), AsReal(t.c));
        const auto radiusLine = FindLine(p.lines, "Taylorkreis-Radius");
        ASSERT_TRUE(radiusLine);
        const double rho = 100 * ValueOf(*radiusLine);
        // The circle comes from whole-pixel feet: each foot is within a pixel of it.
        const RealPoint centre = doc.points.precise[44];
        for (int n = 0; n < 6; ++n) {
            // (The altitude feet that they start from are the orthocentre family's.)
            EXPECT_LT(Dist(doc.points.precise[38 + n], feet[static_cast<std::size_t>(n)]), 0.5) << n;
            EXPECT_NEAR(Dist(centre, feet[static_cast<std::size_t>(n)]), rho, 1.5) << n;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(TaylorCircles, RightAngleSkipsTheCirclesThroughCoincidentPoints) {
    // Right angle at C: Ha = Hb = C, so the first Tucker circle about C and the second Tucker
    // circles through both feet have collinear or coincident points and are neither drawn nor listed.
    const Triangle t{{300, 100}, {600, 400}, {300, 400}};
    Document doc = MakeDocument(t.a, t.b, t.c, {53, 55, 57});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    for (const std::string& l : p.lines)
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
    EXPECT_FALSE(FindLine(p.lines, "2.Tucker-Kreisradius (2)"));
    // Every listed circle is a real one, not one fitted through nearly collinear pixels.
    for (const std::string& l : p.lines)
        if (l.find("Tucker-Kreisradius") != std::string::npos) {
            EXPECT_LT(ValueOf(l), 10) << l;
        }
}

} // namespace
} // namespace trimora
