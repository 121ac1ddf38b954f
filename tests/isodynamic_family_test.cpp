// The isodynamic family and the circles through two vertices and a centre: every entry on its own
// on A(1|2) B(-2|-1) C(2|-1), the isodynamic points against the circumcircle and the Brocard axis,
// and the Apollonius circles against their tangent construction.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kNavy = Rgb(0x000080);

TEST(IsodynamicFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    // a = 4, b = sqrt 10, c = sqrt 18, U = (0 | 0), R = sqrt 5, H = A + B + C = (1 | 0).
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const double a = 4, b = std::sqrt(10.0), c = std::sqrt(18.0);
    const RealPoint I = Barycentric(A, B, C, a, b, c);
    const RealPoint bevan{-I.x, -I.y}; // I reflected in U
    const RealPoint thirdBrocard = Barycentric(A, B, C, 1 / 16.0, 1 / 10.0, 1 / 18.0);
    // The centre of an Apollonius circle is where the tangent at its vertex meets the opposite side:
    // x + 2y = 5 meets y = -1 in (7 | -1), -2x - y = 5 meets y = -3x + 5 in (10 | -25), 2x - y = 5
    // meets y = x + 1 in (6 | 7).
    const std::vector<EntryCase> cases{
        {213, {"Hofstadter-Nullpunkt"}, kBlack},
        {214, {"Hofstadter-Nullpunkt"}, kBlack},
        {215, {"Hofstadter-Nullpunkt"}, kLime},
        {216, {"Hofstadter-Nullpunkt-Lot-Dreieck"}, kGrey},
        {217, {"Hofstadter-Einspunkt"}, kBlack},
        {218, {"Hofstadter-Einspunkt"}, kBlack},
        {219, {"Hofstadter-Einspunkt"}, kLime},
        {220, {"Hofstadter-Einspunkt-Lot-Dreieck"}, kGrey},
        {221, {"1.isodynamischer Punkt"}, kBlack},
        {222, {"2.isodynamischer Punkt"}, kBlack},
        {223, {"Isodynamischer Kreismittelpunkt"}, kBlack},
        {224, {"Isodynamischer Kreisradius"}, kLime},
        {237, {"Bevan-Punkt"}, kBlack, {PointLine("Bevan-Punkt", bevan)}},
        // The circumcircle of the excentral triangle: about the Bevan point, twice R.
        {238, {"Ankreisdreieck-Umkreis"}, kGreen, {PointLine("… Mittelpunkt", bevan), "… Radius\t4,472"}},
        {281, {"2.isogonisches Zentrum"}, kBlack},
        {282, {"2.Napoleon-Punkt"}, kBlack},
        {283, {"Clawson-Punkt"}, kBlack},
        {284, {"3.Brocard-Punkt"}, kBlack, {PointLine("3.Brocard-Punkt", thirdBrocard)}},
        {289, {"Kosnita-Punkt"}, kBlack},
        {322, {"Hadamard-Punkt"}, kBlack, {PointLine("Hadamard-Punkt", bevan)}},
        {323, std::vector<std::string>(3, "Ankreismittelpunkt-Hadamard-Linie"), kLime},
        {326,
         {"A-Apollonius-Kreismittelpunkt", "A-Apollonius-Kreis"},
         kBlue,
         {"A-Apollonius-Kreismittelpunkt\t( 7 | -1 )", "A-Apollonius-Kreis\t6,708"}},
        {327,
         {"B-Apollonius-Kreismittelpunkt", "B-Apollonius-Kreis"},
         kBlue,
         {"B-Apollonius-Kreismittelpunkt\t( 10 | -25 )", "B-Apollonius-Kreis\t26,833"}},
        {328,
         {"C-Apollonius-Kreismittelpunkt", "C-Apollonius-Kreis"},
         kBlue,
         {"C-Apollonius-Kreismittelpunkt\t( 6 | 7 )", "C-Apollonius-Kreis\t8,944"}},
        {329, {"Lémoine-Gerade"}, kLime, {"Lémoine-Gerade\tY = -8 X +55 ; Anstiegswinkel -82,87°"}},
        // The Clawson segments keep the lime pen of the isodynamic circle step.
        {360, std::vector<std::string>(3, "Strecke Clawson-Punkt-AT-Punkt"), kLime},
        {367, {"Tarry-Punkt"}, kBlack},
        {368, {}, kMagenta},
        {377, {"äußerer Fermat-Punkt"}, kBlack},
        {391, {"Parry-Kreis"}, kNavy},
        {448, {"Steiner-Tarry-Linie"}, kMagenta},
        {466, {"Ankreisdreieck-Inkreis"}, kMagenta},
        {467, std::vector<std::string>(3, "Äußerer Villiers-Umkreis"), kRed},
        {468, std::vector<std::string>(3, "Äußerer Villiers-Inkreis"), kRed},
        // The circles through two vertices and I are the outer Villiers circumcircles.
        {469, {"Kreis ABI", "Kreis ACI", "Kreis BCI"}, kRed},
        {470,
         {"Kreis ABU", "Kreis ACU", "Kreis BCU"},
         kRed,
         {"… Mittelpunkt\t( 0 | -2,5 )", "… Radius\t2,5"}},
        // Each circle through two vertices and H has the radius R.
        {471,
         {"Kreis ABH", "Kreis ACH", "Kreis BCH"},
         kRed,
         {"… Mittelpunkt\t( -1 | 1 )", "… Radius\t2,236"}},
        {485, {"Fermat-Gerade"}, kBlack},
        {486, {"Napoleon-Gerade"}, kBlack},
        {487,
         {"1.Fermat-Napoleon-Gerade", "2.Fermat-Napoleon-Gerade", "3.Fermat-Napoleon-Gerade",
          "4.Fermat-Napoleon-Gerade"},
         kBlue},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 40);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{380, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {390, 420}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
};

TEST(IsodynamicFamily, IsodynamicPointsInverseOnTheBrocardAxisAndOnTheApolloniusCircles) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        // The centres are listed with three decimals: later families reuse their slots.
        Document doc = MakeDocument(t.a, t.b, t.c, {326, 327, 328});
        const Painted painted = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint V[3] = {AsReal(t.a), AsReal(t.b), AsReal(t.c)};
        const RealPoint U = pt.precise[kSlotCircumcentre], K = pt.precise[kSlotLemoine];
        const RealPoint I1 = pt.precise[148], I2 = pt.precise[149];
        const double R = Dist(U, V[0]);
        // Inverse in the circumcircle: on one ray from U with |U I1| |U I2| = R².
        EXPECT_NEAR(LineDistance(I1, U, I2), 0, 1e-6 * R);
        EXPECT_GT((I1.x - U.x) * (I2.x - U.x) + (I1.y - U.y) * (I2.y - U.y), 0);
        EXPECT_NEAR(Dist(U, I1) * Dist(U, I2), R * R, 1e-6 * R * R);
        // Both on the Brocard axis UK.
        EXPECT_NEAR(LineDistance(I1, U, K), 0, 1e-6 * R);
        EXPECT_NEAR(LineDistance(I2, U, K), 0, 1e-6 * R);
        for (int k = 0; k < 3; ++k) {
            // The centre is where the tangent at the vertex meets the opposite side, and the circle
            // passes through the vertex and both isodynamic points.
            const std::string label = std::string(1, char('A' + k)) + "-Apollonius-Kreismittelpunkt";
            const auto line = FindLine(painted.lines, label);
            ASSERT_TRUE(line) << label;
            const RealPoint centre = WorldToPixel(*line);
            constexpr double kListed = 0.1; // pixels: half the last listed digit
            const RealPoint p = V[(k + 1) % 3], q = V[(k + 2) % 3];
            EXPECT_NEAR(LineDistance(centre, p, q), 0, kListed + 1e-6 * R) << k;
            const RealPoint tangent{V[k].x - (V[k].y - U.y), V[k].y + (V[k].x - U.x)};
            EXPECT_NEAR(LineDistance(centre, V[k], tangent), 0, kListed) << k;
            const double rho = Dist(centre, V[k]);
            EXPECT_NEAR(Dist(centre, I1), rho, 2 * kListed + 1e-6 * rho) << k;
            EXPECT_NEAR(Dist(centre, I2), rho, 2 * kListed + 1e-6 * rho) << k;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(IsodynamicFamily, IsoscelesAndRightTriangles) {
    // On the symmetry axis of an isosceles triangle the isodynamic points lie on a line with A:
    // no A-Apollonius circle and no Parry circle, nothing listed from them.
    Document iso = MakeDocument({410, 100}, {210, 430}, {610, 430}, {326, 391, 329});
    const Painted p = Paint(iso, kAreaWidth, kAreaHeight);
    EXPECT_FALSE(FindLine(p.lines, "A-Apollonius-Kreismittelpunkt"));
    EXPECT_FALSE(FindLine(p.lines, "Parry-Kreis"));
    EXPECT_FALSE(FindLine(p.lines, "Lémoine-Gerade"));

    // With the right angle at C, H = C and the circle through A, B, H is the circumcircle; A, C, H
    // and B, C, H span no circle.
    Document right = MakeDocument({300, 100}, {600, 500}, {300, 500}, {471});
    const Painted r = Paint(right, kAreaWidth, kAreaHeight);
    EXPECT_EQ(std::vector<std::string>(r.lines.end() - 4, r.lines.end()),
              (std::vector<std::string>{"Kreis ABH", "… Mittelpunkt\t( 0,4 | 0,3 )", "… Radius\t2,5",
                                        "… Flächeninhalt\t19,635"}));
}

} // namespace
} // namespace trimora
