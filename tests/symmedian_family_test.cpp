// The symmedian family: every catalogue entry on its own with exact values on A(1|2) B(-2|-1)
// C(2|-1), the Lémoine point and the first Lémoine circle against the geometry, and the
// (nearly) equilateral triangle.
#include "draw/results.h"
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

TEST(SymmedianFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    // Expected points from barycentric coordinates: a^2 = 16, b^2 = 10, c^2 = 18, U = (0 | 0).
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1}, U{0, 0};
    const double a2 = 16, b2 = 10, c2 = 18;
    const RealPoint K = Barycentric(A, B, C, a2, b2, c2); // (32/44 | 4/44)
    const RealPoint feet[3] = {Barycentric(A, B, C, 0, b2, c2), Barycentric(A, B, C, a2, 0, c2),
                               Barycentric(A, B, C, a2, b2, 0)};
    auto through = [&](RealPoint p, RealPoint q) { return RealPoint{K.x + q.x - p.x, K.y + q.y - p.y}; };
    const RealPoint circlePoints[6] = {Meet(K, through(A, B), A, C), Meet(K, through(A, B), B, C),
                                       Meet(K, through(A, C), A, B), Meet(K, through(A, C), B, C),
                                       Meet(K, through(B, C), A, B), Meet(K, through(B, C), A, C)};
    std::vector<std::string> circlePointLines;
    for (const RealPoint& p : circlePoints)
        circlePointLines.push_back(PointLine("1.Lémoine-Kreispunkt", p));

    const std::vector<EntryCase> cases{
        {64,
         {"1.Symmedian-Punkt", "2.Symmedian-Punkt", "3.Symmedian-Punkt"},
         kBlack,
         {PointLine("1.Symmedian-Punkt", feet[0]), PointLine("2.Symmedian-Punkt", feet[1]),
          PointLine("3.Symmedian-Punkt", feet[2]), "3.Symmedian-Punkt\t( -0,154 | 0,846 )"}},
        {65, {"Symmedian-Linie", "Symmedian-Linie", "Symmedian-Linie"}, kGreen},
        {66, {"Symmedian-Dreieck"}, kLime},
        {67, {"Lémoine-Punkt"}, kBlack, {PointLine("Lémoine-Punkt", K), "Lémoine-Punkt\t( 0,727 | 0,091 )"}},
        {119, {"Lémoine-Punkt"}, kBlack},
        {120, {"Lémoine-Punkt"}, kLime},
        {121, {"Lémoine-Punkt-Lot-Dreieck"}, kGrey},
        // The pedal family of K leaves the pen grey.
        {254, {"1.Lémoine-Kreisradius"}, kGrey},
        {255, {"1.Lémoine-Kreismittelpunkt"}, kGrey, {PointLine("1.Lémoine-Kreismittelpunkt", Mid(U, K))}},
        {256, std::vector<std::string>(6, "1.Lémoine-Kreispunkt"), kGrey, circlePointLines},
        {257, {"1.Lémoine-Streckenlänge", "1.Lémoine-Streckenlänge", "1.Lémoine-Streckenlänge"}, kGrey},
        {258, {"1.Lémoine-Gerade", "1.Lémoine-Gerade", "1.Lémoine-Gerade"}, kGrey},
        {259, {"1.Lémoine-Dreieckspunkt", "1.Lémoine-Dreieckspunkt", "1.Lémoine-Dreieckspunkt"}, kRed},
        {260, {"1.Lémoine-Dreieck"}, kRed},
        // From the Grebe vertices of the side-squares family to K: the first vertex is (2 | 9),
        // K = (a² A + b² B + c² C) / (a² + b² + c²) = (8/11 | 1/11).
        {366,
         {"Grebe-Linien", "Grebe-Linien", "Grebe-Linien"},
         kMagenta,
         {"Grebe-Linien\t" + LineEquationText({2, 9}, {8.0 / 11, 1.0 / 11})}},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 15);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
    {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
};

TEST(SymmedianFamily, SymmediansMeetInTheLemoinePoint) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c), K = pt.precise[59];
        const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B);
        const double tol = 1e-7 * (a + b + c);
        // The feet lie on their sides and the symmedians meet in K.
        EXPECT_NEAR(LineDistance(pt.precise[56], B, C), 0, tol);
        EXPECT_NEAR(LineDistance(pt.precise[57], C, A), 0, tol);
        EXPECT_NEAR(LineDistance(pt.precise[58], A, B), 0, tol);
        EXPECT_NEAR(LineDistance(K, A, pt.precise[56]), 0, tol);
        EXPECT_NEAR(LineDistance(K, B, pt.precise[57]), 0, tol);
        EXPECT_NEAR(LineDistance(K, C, pt.precise[58]), 0, tol);
        // The foot from A divides BC in the ratio c^2 : b^2.
        EXPECT_NEAR(Dist(B, pt.precise[56]) / Dist(pt.precise[56], C), c * c / (b * b), 1e-7);
        // K's distances from the sides are proportional to the sides.
        const double k = LineDistance(K, B, C) / a;
        EXPECT_NEAR(LineDistance(K, C, A) / b, k, 1e-7 * k + 1e-12);
        EXPECT_NEAR(LineDistance(K, A, B) / c, k, 1e-7 * k + 1e-12);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(SymmedianFamily, FirstLemoineCircleThroughItsSixPoints) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {254, 258, 259});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint U = pt.precise[kSlotCircumcentre], K = pt.precise[59], centre = pt.precise[173];
        const double scale = Dist(A, B) + Dist(B, C) + Dist(C, A);
        EXPECT_NEAR(Dist(centre, Mid(U, K)), 0, 1e-9 * scale);
        // Six concyclic points, on the sides, each pair on a parallel to a side through K.
        const double rho = Dist(centre, pt.precise[167]);
        for (int slot = 168; slot <= 172; ++slot)
            EXPECT_NEAR(Dist(centre, pt.precise[slot]), rho, 1e-6 * rho) << slot;
        EXPECT_NEAR(LineDistance(pt.precise[167], A, C), 0, 1e-6 * scale);
        EXPECT_NEAR(LineDistance(pt.precise[170], B, C), 0, 1e-6 * scale);
        EXPECT_NEAR(LineDistance(pt.precise[171], A, B), 0, 1e-6 * scale);
        // Its radius is R / (2 cos omega); the list takes it between whole pixels.
        const double R = Dist(U, A);
        const double cotOmega =
            (Dist(B, C) * Dist(B, C) + Dist(C, A) * Dist(C, A) + Dist(A, B) * Dist(A, B)) /
            (4 * Area(A, B, C));
        const double expected = R / 2 * std::sqrt(1 + 1 / (cotOmega * cotOmega));
        EXPECT_NEAR(rho, expected, 1e-6 * expected);
        const auto radius = FindLine(p.lines, "1.Lémoine-Kreisradius");
        ASSERT_TRUE(radius);
        EXPECT_NEAR(100 * ValueOf(*radius), expected, 1.5);
        // The lines through 167-169, 168-171 and 170-172 form the triangle 174-176. (With a right
        // angle at C the first two are parallel: 174 is missing and not listed.)
        const int lines[3][2] = {{167, 169}, {168, 171}, {170, 172}};
        const int corners[3][2] = {{0, 1}, {0, 2}, {1, 2}};
        for (int n = 0; n < 3; ++n) {
            const RealPoint q = pt.precise[174 + n];
            if (!Present(pt, 174 + n)) continue;
            for (int l : corners[n])
                EXPECT_NEAR(LineDistance(q, pt.precise[lines[l][0]], pt.precise[lines[l][1]]), 0,
                            1e-6 * scale)
                    << n;
        }
        EXPECT_EQ(
            std::count_if(p.lines.begin(), p.lines.end(),
                          [](const std::string& l) { return l.starts_with("1.Lémoine-Dreieckspunkt\t"); }),
            Present(pt, 174) + Present(pt, 175) + Present(pt, 176));
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(SymmedianFamily, NearlyEquilateralTriangle) {
    // K, U and S fall together; the six points are the trisection points of the sides.
    const Triangle t{{400, 100}, {227, 400}, {573, 400}};
    Document doc = MakeDocument(t.a, t.b, t.c, {67, 255});
    Paint(doc, kAreaWidth, kAreaHeight);
    const PointTable& pt = doc.points;
    const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
    const RealPoint S = pt.precise[kSlotCentroid];
    EXPECT_NEAR(Dist(pt.precise[59], S), 0, 0.5);
    EXPECT_NEAR(Dist(pt.precise[173], S), 0, 0.5);
    auto third = [](RealPoint p, RealPoint q) {
        return RealPoint{p.x + (q.x - p.x) / 3, p.y + (q.y - p.y) / 3};
    };
    // The parallel to AB cuts CA and CB a third of the way from A and from B, and so on.
    const RealPoint expected[6] = {third(A, C), third(B, C), third(A, B),
                                   third(C, B), third(B, A), third(C, A)};
    for (int n = 0; n < 6; ++n)
        EXPECT_NEAR(Dist(pt.precise[167 + n], expected[n]), 0, 1) << 167 + n;
}

} // namespace
} // namespace trimora
