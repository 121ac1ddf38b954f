// Circumcircle, incircle, nine-point circle, Spieker circle, Nagel half triangle, centroid circles
// and the circles through two vertices and U, on a triangle whose values are known by hand.
#include "family_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

// A(1 | 2), B(-2 | -1), C(2 | -1): a = 4, b = sqrt 10, c = 3 sqrt 2, area 6, U = (0 | 0),
// R = sqrt 5, H = (1 | 0), N = (0,5 | 0), I = (a A + b B + c C) / (a + b + c) = (0,5402 | 0,0522),
// r = 6 / 5,70245 = 1,05218. Pixels: origin (410, 330), 100 per unit.
constexpr Triangle kBasic{{510, 130}, {210, 430}, {610, 430}};

constexpr Color kDarkBlue = Rgb(0x2828A0);

TEST(ClassicCentres, EveryEntryAloneWritesItsKnownLines) {
    const std::vector<EntryCase> cases{
        // 5 pi = 15,70796.
        {17, {"Umkreis"}, kBlue, {"… Mittelpunkt\t( 0 | 0 )", "… Radius\t2,236", "… Flächeninhalt\t15,708"}},
        // pi r^2 = 3,47799.
        {16,
         {"Inkreis"},
         kRed,
         {"… Mittelpunkt\t( 0,54 | 0,052 )", "… Radius\t1,052", "… Flächeninhalt\t3,478"}},
        {415,
         {"Strecke AU", "Strecke BU", "Strecke CU", "Gerade AU", "Gerade BU", "Gerade CU"},
         kBlue,
         {"Strecke AU\t2,236", "Gerade AU\tY = 2 X +0 ; Anstiegswinkel 63,43°",
          "Gerade CU\tY = -0,5 X +0 ; Anstiegswinkel -26,57°"}},
        // Circle A, B, U: the bisectors x + y = 0 and x + 2y = 2,5 meet in (-2,5 | 2,5).
        {385,
         {"1.Umkreis-Kreis"},
         kDarkBlue,
         {"… Mittelpunkt\t( -2,5 | 2,5 )", "… Radius\t3,536", "… Flächeninhalt\t39,27"}},
        // Circle A, C, U: x + 2y = 2,5 and 2x - y = 2,5 meet in (1,5 | 0,5).
        {386, {"2.Umkreis-Kreis"}, kDarkBlue, {"… Mittelpunkt\t( 1,5 | 0,5 )", "… Radius\t1,581"}},
        {387, {"3.Umkreis-Kreis"}, kDarkBlue, {"… Mittelpunkt\t( 0 | -2,5 )", "… Radius\t2,5"}},
        // Centres (-2,5 | 2,5), (1,5 | 0,5), (0 | -2,5): a right angle at the second one.
        {388, {"Umkreispunkt-Dreieck"}, kGrey, {"… Dreiecksflächeninhalt\t7,5", "… Innenwinkel in °\t90"}},
        // From C to (-2,5 | 2,5), B to (1,5 | 0,5), A to (0 | -2,5); the lines before the lengths.
        {389,
         {"Kosnita-Gerade", "Kosnita-Gerade", "Kosnita-Gerade", "Kosnita-Länge", "Kosnita-Länge",
          "Kosnita-Länge"},
         kRed,
         {"Kosnita-Gerade\tY = -0,778 X +0,556 ; Anstiegswinkel -37,87°",
          "Kosnita-Gerade\tY = 0,429 X -0,143 ; Anstiegswinkel 23,2°",
          "Kosnita-Gerade\tY = 4,5 X -2,5 ; Anstiegswinkel 77,47°", "Kosnita-Länge\t5,701",
          "Kosnita-Länge\t3,808", "Kosnita-Länge\t4,61"}},
        // Spieker point (a Ma + b Mb + c Mc) / (a + b + c) = (0,2299 | -0,0261), radius r / 2.
        {43, {"Spiekerkreis-Radius"}, kRed, {"Spiekerkreis-Radius\t0,526", "… Flächeninhalt\t0,869"}},
        // The mark keeps the red pen of the Spieker step.
        {44, {"Spieker-Punkt"}, kRed, {"Spieker-Punkt\t( 0,23 | -0,026 )"}},
        // Nagel point 3 S - 2 I = (-0,0804 | -0,1044), not its pixel (-0,08 | -0,1); halves to A, B, C.
        {45,
         {"1.Nagelhalbdreieckspunkt", "2.Nagelhalbdreieckspunkt", "3.Nagelhalbdreieckspunkt",
          "Nagelhalb-Dreieck"},
         kGrey,
         {"1.Nagelhalbdreieckspunkt\t( 0,46 | 0,948 )", "2.Nagelhalbdreieckspunkt\t( -1,04 | -0,552 )",
          "3.Nagelhalbdreieckspunkt\t( 0,96 | -0,552 )"}},
        // Through B, C and the centroid (1/3 | 0), not its pixel (0,33 | 0): centre (0 | -22/9),
        // radius sqrt(4 + (13/9)^2) = 2,4671.
        {46,
         {"1.Schwerpunktkreis-Radius", "2.Schwerpunktkreis-Radius", "3.Schwerpunktkreis-Radius"},
         kPurple,
         {"3.Schwerpunktkreis-Radius\t2,467"}},
        // Through A, B and (1/3 | 0): x + y = 0 and 4/3 x + 4 y = 44/9 meet in (-11/6 | 11/6).
        {47,
         {"1.Schwerpunktkreis-Mittelpunkt", "2.Schwerpunktkreis-Mittelpunkt",
          "3.Schwerpunktkreis-Mittelpunkt"},
         kBlack,
         {"1.Schwerpunktkreis-Mittelpunkt\t( -1,833 | 1,833 )"}},
    };
    int checked = 0;
    for (const EntryCase& c : cases)
        checked += CheckEntryCase(kBasic, c);
    EXPECT_EQ(checked, 13);
}

TEST(ClassicCentres, NinePointCircleAndFeuerbachPoint) {
    Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {20, 21});
    const auto lines = Paint(doc, kAreaWidth, kAreaHeight).lines;
    // Radius R / 2 = 1,11803; area 1,25 pi = 3,92699. The centre is the midpoint of U and H.
    const std::vector<std::string> expected{"Radius des Feuerbach-Kreises\t1,118", "… Flächeninhalt\t3,927",
                                            "Feuerbach-Punkt\t( 0,5 | 0 )"};
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), expected);
}

// The first point of each hypocycloid lies at t = 0: centre + (p + o, 0) = centre + (k rho, 0).
TEST(ClassicCentres, HypocycloidsStartAtTheirKnownPoints) {
    auto starts = [](int entry, Color pen) {
        Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {entry});
        const auto calls = Paint(doc, kAreaWidth, kAreaHeight).calls;
        std::vector<std::array<int, 2>> moves;
        int lineTos = 0;
        for (const CanvasCall& c : calls) {
            if (c.pen.color != pen) continue;
            if (c.kind == CanvasCall::Kind::MoveTo) moves.push_back({c.x1, c.y1});
            lineTos += c.kind == CanvasCall::Kind::LineTo;
        }
        // t = 0, 0,05, ..., 6,3: 127 points, a move and 126 strokes per curve.
        EXPECT_EQ(lineTos, 4 * 126) << entry;
        return moves;
    };
    // Nine-point circle: centre (460, 330), rho = 111,803; k = 1,5, 2, 2,5, 3.
    const std::vector<std::array<int, 2>> feuerbach{{628, 330}, {684, 330}, {740, 330}, {795, 330}};
    EXPECT_EQ(starts(488, kMagenta), feuerbach);
    // Incircle: centre (464,018, 324,782), r = 105,218.
    const std::vector<std::array<int, 2>> incircle{{622, 325}, {674, 325}, {727, 325}, {780, 325}};
    EXPECT_EQ(starts(489, kLime), incircle);
}

} // namespace
} // namespace trimora
