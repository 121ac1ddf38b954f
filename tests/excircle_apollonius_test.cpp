// The excircle Apollonius circle: every catalogue entry on its own on A(1|2) B(-2|-1) C(2|-1), and
// the circle touching the three excircles (computed here from Heron and barycentrics) on triangles
// of every shape.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

TEST(ExcircleApollonius, EveryEntryAloneDrawsAndWritesItsLines) {
    // Radius (r² + s²) / (4r) with r the inradius and s the semiperimeter.
    const double a = 4, b = std::sqrt(10.0), c = 3 * std::sqrt(2.0), s = (a + b + c) / 2, r = 6 / s;
    const std::string radius = FormatReal((r * r + s * s) / (4 * r), 3);
    // The pen of the contact family before it.
    const Color carried = Rgb(0xFF8080);
    const std::vector<EntryCase> cases{
        {130,
         {"Radius des Ankreis-Apollonius-Kreises"},
         carried,
         {"Radius des Ankreis-Apollonius-Kreises\t" + radius}},
        {131,
         {"Ankreis-Apollonius-Kreis-Mittelpunkt"},
         carried,
         {"Ankreis-Apollonius-Kreis-Mittelpunkt\t( -1,7 | -0,213 )"}},
        {132, {"… 1.Berührungspunkt", "… 2.Berührungspunkt", "… 3.Berührungspunkt"}, carried},
        {133, {"Apollonius-Linie", "Apollonius-Linie", "Apollonius-Linie"}, kRed},
        {134, {"Apollonius-Punkt"}, kRed, {"Apollonius-Punkt\t( 0,88 | 0,092 )"}}, // X(181) = (0,87997 | 0,09232)
        {160, {"Apollonius-Punkt"}, kBlack},
        {161, {"Apollonius-Punkt"}, kLime},
        {162, {"Apollonius-Punkt-Lot-Dreieck"}, kGrey},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 8);
}

TEST(ExcircleApollonius, TouchesTheThreeExcircles) {
    const std::vector<Triangle> shapes{
        kBasic,
        {{350, 110}, {110, 430}, {670, 430}}, // acute
        {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
        {{300, 100}, {700, 400}, {300, 400}}, // right angle at C
        {{100, 300}, {700, 300}, {350, 260}}, // nearly flat
    };
    int checked = 0;
    for (const Triangle& t : shapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {130, 132, 133, 134});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B), s = (a + b + c) / 2,
                     area = Area(A, B, C);
        const RealPoint ex[3] = {Barycentric(A, B, C, -a, b, c), Barycentric(A, B, C, a, -b, c),
                                 Barycentric(A, B, C, a, b, -c)};
        const double exr[3] = {area / (s - a), area / (s - b), area / (s - c)};

        const auto radiusLine = FindLine(p.lines, "Radius des Ankreis-Apollonius-Kreises");
        ASSERT_TRUE(radiusLine);
        const double rho = 100 * ValueOf(*radiusLine); // to a tenth of a pixel
        const RealPoint X = pt.precise[97];
        for (int n = 0; n < 3; ++n) {
            // Internal tangency, and the touch point on both circles.
            EXPECT_NEAR(Dist(X, ex[n]), rho - exr[n], 0.1 + 1e-6 * rho) << n;
            const RealPoint T = pt.precise[98 + n];
            EXPECT_NEAR(Dist(T, ex[n]), exr[n], 0.1 + 1e-6 * rho) << n;
            EXPECT_NEAR(Dist(T, X), rho, 0.1 + 1e-6 * rho) << n;
        }
        // The three Apollonius lines meet in the Apollonius point (the touch points are rounded).
        const RealPoint Ap = pt.precise[101];
        EXPECT_LT(LineDistance(Ap, C, AsReal(pt.screen[100])), 1.0) << Ap.x << "," << Ap.y;
        EXPECT_EQ(std::count(p.lines.begin(), p.lines.end(),
                             "Apollonius-Punkt\t( " + FormatReal(ToWorld(Ap).x, 3) + " | " +
                                 FormatReal(ToWorld(Ap).y, 3) + " )"),
                  1);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(ExcircleApollonius, EquilateralCentreIsTheCentroid) {
    const Triangle t{{400, 100}, {227, 400}, {573, 400}};
    Document doc = MakeDocument(t.a, t.b, t.c, {130, 131});
    Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_LT(Dist(doc.points.precise[97], doc.points.precise[kSlotCentroid]), 1.0);
}

} // namespace
} // namespace trimora
