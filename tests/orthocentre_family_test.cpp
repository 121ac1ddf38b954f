// The orthocentre family: every catalogue entry on its own, geometric truths on acute, obtuse,
// right and nearly flat triangles, and the right-angle, vertical-side and obtuse cases.
#include "family_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

// A(-0,6 | 2,2), B(-3 | -1), C(2,6 | -1): sides of slope 0, -4/3 and 1, so that the altitudes,
// drawn through whole-pixel offsets, keep their exact directions. H = (350, 190) = (-0,6 | 1,4),
// U = (390, 390), N = (370, 290), feet Ha = (350, 430), Hb = (390, 150).
constexpr Triangle kAcute{{350, 110}, {110, 430}, {670, 430}};

constexpr Color kDarkYellow = Rgb(0xC8C800);
constexpr Color kVilliersBlue = Rgb(0x4040FF);

TEST(OrthocentreFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const std::vector<EntryCase> cases{
        {12, {"Höhenschnittpunkt"}, kBlack, {"Höhenschnittpunkt\t( -0,6 | 1,4 )"}},
        {19, {"Euler-Gerade"}, kRed, {"Euler-Gerade\tY = -5 X -1,6 ; Anstiegswinkel -78,69°"}},
        {29, {"Gerade H(a)H(b)", "Gerade H(b)H(c)", "Gerade H(a)H(c)"}, kBlue},
        {346,
         {"Abstand B-Hb", "Abstand A-Ha", "Abstand C-Hc"},
         kBlue,
         {"Abstand A-Ha\t3,2", "Abstand B-Hb\t3,96"}},
        {348, {"Abstand A-Ha"}, kBlue, {"Abstand A-Ha\t3,2"}},
        {349, {"Abstand B-Hb"}, kBlue, {"Abstand B-Hb\t3,96"}},
        {350, {"Abstand C-Hc"}, kBlue},
        // Polar radius: sqrt(HA * HHa) = sqrt(80 * 240) pixels.
        {261, {"Polarkreisradius"}, kBlue, {"Polarkreisradius\t1,386"}},
        {262, {"Polarkreismittelpunkt"}, kBlue, {"Polarkreismittelpunkt\t( -0,6 | 1,4 )"}},
        {490, {"H-Spiegellinie", "H-Spiegellinie", "H-Spiegellinie"}, kGreen},
        {491,
         {"H-Spiegelpunkt Hb", "H-Spiegelpunkt Ha", "H-Spiegelpunkt Hc"},
         kBlue,
         {"H-Spiegelpunkt Hb\t( 0,2 | 2,2 )", "H-Spiegelpunkt Ha\t( -0,6 | -3,4 )"}},
        {492, {}, kBlue},
        {401,
         {"Seitenspiegelpunkt A*", "Seitenspiegelpunkt B*", "Seitenspiegelpunkt C*"},
         kBlack,
         {"Seitenspiegelpunkt A*\t( -0,6 | -4,2 )"}},
        {402, {"Spiegelpunktlinie", "Spiegelpunktlinie", "Spiegelpunktlinie"}, kGreen},
        {403, {"Spiegelpunkt-Dreieck"}, kBlue},
        {404, {"Musselman-A-Kreis", "Musselman-B-Kreis", "Musselman-C-Kreis"}, kDarkYellow},
        {405, {"Musselman-Punkt"}, kBlack},
        {236, {"Schiffler-Punkt"}, kBlack},
        // The Schiffler pedal entries stand in the order triangle, lines, points.
        {305, {"Schiffler-Punkt"}, kBlack},
        {306, {"Schiffler-Punkt"}, kLime},
        {307, {"Schiffler-Punkt-Lot-Dreieck"}, kGrey},
        {449, {"Strecke UH"}, kLime, {"Strecke UH\t2,04"}},
        {458,
         {"Innerer Villiersdreieckpunkt", "Innerer Villiersdreieckpunkt", "Innerer Villiersdreieckpunkt",
          "Inneres Villiers-Dreieck"},
         kVilliersBlue},
        {459,
         {"Villiers-Gerade", "Villiers-Gerade", "Villiers-Gerade", "Villiers-Strecke", "Villiers-Strecke",
          "Villiers-Strecke"},
         kMagenta},
        {460, {"1.Villierspunkt"}, kBlack},
        {227, {"Umkreismittelpunkt ABI", "Umkreisradius ABI"}, kLime},
        {228, {"Schwerpunkt ABI"}, kBlack},
        {229, {"Euler-Gerade ABI"}, kSilver},
        {230, {"Umkreismittelpunkt ACI", "Umkreisradius ACI"}, kLime},
        {231, {"Schwerpunkt ACI"}, kBlack},
        {232, {"Euler-Gerade ACI"}, kSilver},
        {233, {"Umkreismittelpunkt BCI", "Umkreisradius BCI"}, kLime},
        {234, {"Schwerpunkt BCI"}, kBlack},
        {235, {"Euler-Gerade BCI"}, kSilver},
        {311, {"Umkreismittelpunkt AHbHc", "Umkreisradius AHbHc"}, kLime},
        {312, {"Schwerpunkt AHbHc"}, kBlack},
        {313, {}, kSilver},
        {314, {"Umkreismittelpunkt BHaHc", "Umkreisradius BHaHc"}, kLime},
        {315, {"Schwerpunkt BHaHc"}, kBlack},
        {316, {}, kSilver},
        {317, {"Umkreismittelpunkt CHaHb", "Umkreisradius CHaHb"}, kLime},
        {318, {"Schwerpunkt CHaHb"}, kBlack},
        {319, {}, kSilver},
        {451, {"Inkreismittelpunkt ABI", "Inkreisradius ABI"}, kBlue},
        {452, {"Inkreismittelpunkt ACI", "Inkreisradius ACI"}, kBlue},
        {453, {"Inkreismittelpunkt BCI", "Inkreisradius BCI"}, kBlue},
        {454, {"Inkreismittelpunkt AHbHc", "Inkreisradius AHbHc"}, kBlue},
        {455, {"Inkreismittelpunkt BHaHc", "Inkreisradius BHaHc"}, kBlue},
        {456, {"Inkreismittelpunkt CHaHb", "Inkreisradius CHaHb"}, kBlue},
        {320, {"Thébault-Punkt"}, kBlack},
        // Carnot circles: radius R = 200 sqrt 2 pixels, centres 2N - C, 2N - B, 2N - A.
        {369,
         {"Carnot-Kreis", "Carnot-Kreis", "Carnot-Kreis"},
         kOlive,
         {"… Mittelpunkt\t( -3,4 | 1,8 )", "… Mittelpunkt\t( 2,2 | 1,8 )", "… Mittelpunkt\t( -0,2 | -1,4 )",
          "… Radius\t2,828"}},
        {370, {"Carnot-Dreieck"}, kOlive},
        // The orthocentre of the Carnot triangle is U.
        {498,
         {"Carnot-Dreieck-Höhenpunkt", "Carnot-Dreieck-Fußpunkt", "Carnot-Dreieck-Fußpunkt",
          "Carnot-Dreieck-Fußpunkt"},
         kOlive,
         {"Carnot-Dreieck-Höhenpunkt\t( -0,2 | -0,6 )"}},
        {499, {"Carnot-Dreieck-Höhe", "Carnot-Dreieck-Höhe", "Carnot-Dreieck-Höhe"}, kBlue},
        {500, {}, kBlack, {}, 2},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kAcute, c);
    EXPECT_EQ(run, 55);
}

// The polygons of the kites carry their hatched brushes; the brush is solid again afterwards.
TEST(OrthocentreFamily, KitesAreHatchedQuadrilaterals) {
    Document doc = MakeDocument(kAcute.a, kAcute.b, kAcute.c, {492});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    std::vector<CanvasCall> polygons;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::Polygon) polygons.push_back(c);
    ASSERT_EQ(polygons.size(), 3u);
    // H, A, H reflected in b, C.
    EXPECT_EQ(polygons[0].points, (std::vector<IntPoint>{{350, 190}, {350, 110}, {430, 110}, {670, 430}}));
    EXPECT_EQ(polygons[0].brush, (Brush{Rgb(0x00FFC0), BrushStyle::BDiagonal}));
    EXPECT_EQ(polygons[1].brush, (Brush{Rgb(0xFFC000), BrushStyle::FDiagonal}));
    EXPECT_EQ(polygons[2].brush, (Brush{Rgb(0xC000FF), BrushStyle::Horizontal}));
    for (const CanvasCall& c : polygons)
        EXPECT_EQ(c.pen.color, kBlue);
}

struct Centres {
    RealPoint A, B, C, U, S, H, N;
};

Centres CentresOf(const PointTable& pt) {
    return {pt.precise[kSlotA],        pt.precise[kSlotB],
            pt.precise[kSlotC],        pt.precise[kSlotCircumcentre],
            pt.precise[kSlotCentroid], pt.precise[kSlotOrthocentre],
            pt.precise[kSlotNinePoint]};
}

// The precise point of a reported world point "( x | y )" in the 821 x 660 area.
RealPoint ReportedPixel(const std::string& line) {
    const std::size_t open = line.find("( "), bar = line.find(" | "), close = line.find(" )");
    auto number = [](std::string s) {
        std::replace(s.begin(), s.end(), ',', '.');
        return std::strtod(s.c_str(), nullptr);
    };
    const double x = number(line.substr(open + 2, bar - open - 2));
    const double y = number(line.substr(bar + 3, close - bar - 3));
    return {410 + 100 * x, 330 - 100 * y};
}

// The circumcentre of three points, by the perpendicular bisectors.
RealPoint Circumcentre(RealPoint a, RealPoint b, RealPoint c) {
    const double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    const double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
    return {(a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
            (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d};
}

// How far H (and what is built on it) may stray: the altitudes run through whole-pixel offsets
// 2L apart, so their directions are good to about 1/1600; H is where the altitudes through A and
// B cross, at the angle gamma, and that error grows with the distance over sin(gamma).
double HTolerance(const Centres& c) {
    const double a = Dist(c.B, c.C), b = Dist(c.C, c.A), cc = Dist(c.A, c.B);
    const double sinGamma = 2 * Area(c.A, c.B, c.C) / (a * b);
    return 1 + 2e-3 * (a + b + cc) + 1.5e-3 * Dist(c.H, c.U) / sinGamma;
}

const std::vector<Triangle> kShapes{
    kAcute,
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A, H far above A
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C, no side parallel to an axis
    {{510, 130}, {210, 430}, {610, 430}}, // A(1|2) B(-2|-1) C(2|-1)
    {{123, 541}, {702, 97}, {455, 610}},  // scalene, acute
    {{100, 300}, {700, 300}, {400, 306}}, // nearly flat: H some 15000 pixels away
};

TEST(OrthocentreFamily, AltitudesMeetInHOnTheEulerLine) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const Centres c = CentresOf(doc.points);
        const double tol = HTolerance(c);
        // H = A + B + C - 2U, and H lies on each altitude.
        EXPECT_NEAR(c.H.x, c.A.x + c.B.x + c.C.x - 2 * c.U.x, tol);
        EXPECT_NEAR(c.H.y, c.A.y + c.B.y + c.C.y - 2 * c.U.y, tol);
        const std::pair<RealPoint, std::pair<RealPoint, RealPoint>> altitudes[3] = {
            {c.A, {c.B, c.C}}, {c.B, {c.C, c.A}}, {c.C, {c.A, c.B}}};
        for (const auto& [v, side] : altitudes) {
            const double along = Dist(c.H, v);
            if (along < 1) continue; // H on the vertex of a right angle
            const double cosine = ((c.H.x - v.x) * (side.second.x - side.first.x) +
                                   (c.H.y - v.y) * (side.second.y - side.first.y)) /
                                  (along * Dist(side.first, side.second));
            EXPECT_NEAR(cosine, 0, 2e-3);
        }
        // U, S, H collinear with SH = 2 US; N halfway between U and H.
        EXPECT_NEAR(c.H.x - c.S.x, 2 * (c.S.x - c.U.x), tol);
        EXPECT_NEAR(c.H.y - c.S.y, 2 * (c.S.y - c.U.y), tol);
        EXPECT_NEAR(c.N.x, (c.U.x + c.H.x) / 2, tol);
        EXPECT_NEAR(c.N.y, (c.U.y + c.H.y) / 2, tol);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(OrthocentreFamily, NinePointCircleThroughMidpointsFeetAndHalfwayPoints) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {20, 21});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const auto centreLine = FindLine(p.lines, "Feuerbach-Punkt");
        const auto radiusLine = FindLine(p.lines, "Radius des Feuerbach-Kreises");
        ASSERT_TRUE(centreLine && radiusLine);
        const RealPoint N = ReportedPixel(*centreLine);
        const double rho = 100 * ValueOf(*radiusLine);
        const PointTable& pt = doc.points;
        const Centres c = CentresOf(pt);
        const double scale = Dist(c.A, c.B) + Dist(c.B, c.C) + Dist(c.C, c.A);
        EXPECT_NEAR(rho, Dist(c.U, c.A) / 2, 0.1 + 1e-6 * rho);
        // Values are reported to a tenth of a pixel; the feet lie on rounded altitudes.
        const double tol = 0.5 + 1e-3 * scale;
        for (int slot : {kSlotMidAB, kSlotMidAC, kSlotMidBC, kSlotFootA, kSlotFootB, kSlotFootC})
            EXPECT_NEAR(Dist(N, pt.precise[slot]), rho, tol) << "slot " << slot;
        const double farTol = HTolerance(c);
        for (RealPoint v : {c.A, c.B, c.C})
            EXPECT_NEAR(Dist(N, Mid(v, c.H)), rho, farTol);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

// Points of the family that lie on known lines and circles.
TEST(OrthocentreFamily, DerivedPointsLieOnTheirLinesAndCircles) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {460});
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const Centres c = CentresOf(pt);
        const double R = Dist(c.U, c.A);
        const double scale = Dist(c.A, c.B) + Dist(c.B, c.C) + Dist(c.C, c.A);
        const double tol = HTolerance(c);
        const double fine = 1e-6 * scale;
        auto P = [&](int slot) { return pt.precise[slot]; };

        // The reflections of H in the sides lie on the circumcircle.
        for (int slot : {395, 396, 397})
            EXPECT_NEAR(Dist(P(slot), c.U), R, tol) << slot;
        // The Carnot triangle is ABC reflected in N and its orthocentre is U (unless H sits on a
        // vertex and two Carnot circles do not exist).
        if (std::min({Dist(c.H, c.A), Dist(c.H, c.B), Dist(c.H, c.C)}) > 1) {
            EXPECT_NEAR(Dist(P(254), {2 * c.N.x - c.C.x, 2 * c.N.y - c.C.y}), 0, tol);
            EXPECT_NEAR(Dist(P(255), {2 * c.N.x - c.B.x, 2 * c.N.y - c.B.y}), 0, tol);
            EXPECT_NEAR(Dist(P(256), {2 * c.N.x - c.A.x, 2 * c.N.y - c.A.y}), 0, tol);
        }
        EXPECT_NEAR(Dist(P(400), c.U), 0, tol);
        // The Schiffler point lies on the Euler lines of ABC, ABI, ACI and BCI.
        EXPECT_NEAR(LineDistance(P(158), c.U, c.S), 0, 1e-4 * scale);
        for (int m : {152, 154, 156})
            EXPECT_NEAR(LineDistance(P(158), P(m), P(m + 1)), 0, 1e-4 * scale) << m;
        // The first Villiers point lies on the lines from the vertices to the opposite incentres.
        EXPECT_NEAR(LineDistance(P(376), c.A, P(372)), 0, fine);
        EXPECT_NEAR(LineDistance(P(376), c.B, P(371)), 0, fine);
        EXPECT_NEAR(LineDistance(P(376), c.C, P(370)), 0, fine);
        // The Thébault point lies on the Euler line of CHaHb as well.
        if (Present(pt, 211) && Present(pt, 213)) {
            EXPECT_NEAR(LineDistance(P(213), P(211), P(212)), 0, tol);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(OrthocentreFamily, MusselmanPointLiesOnTheMusselmanCircles) {
    int checked = 0;
    for (const Triangle& t : {kShapes[0], kShapes[1], kShapes[3], kShapes[4]}) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {405});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        ASSERT_TRUE(FindLine(p.lines, "Musselman-Punkt"));
        const PointTable& pt = doc.points;
        const RealPoint M = pt.precise[297], U = pt.precise[kSlotCircumcentre];
        // The mirror points come from feet on rounded altitudes: allow for that on large circles.
        for (int v = 0; v < 3; ++v) {
            const RealPoint centre = Circumcentre(pt.precise[294 + v], pt.precise[kSlotA + v], U);
            if (!std::isfinite(centre.x)) continue; // A, A* and U in line (isosceles triangle)
            EXPECT_NEAR(Dist(M, centre), Dist(U, centre), 0.5 + 1e-3 * Dist(U, centre)) << "vertex " << v;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(OrthocentreFamily, RightAngleAtC) {
    // Legs along the axes: the altitudes from A and B are the legs, H is C.
    const Triangle t{{300, 100}, {600, 500}, {300, 500}};
    Document doc = MakeDocument(t.a, t.b, t.c, {369, 370, 405});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    const PointTable& pt = doc.points;
    EXPECT_EQ(pt.screen[kSlotOrthocentre], t.c);
    EXPECT_EQ(pt.screen[kSlotFootA], t.c);
    EXPECT_EQ(pt.screen[kSlotFootB], t.c);

    // cos(gamma) = 0: no Musselman point; slot 297 keeps the centre of the circle C*, C, U.
    EXPECT_FALSE(FindLine(p.lines, "Musselman-Punkt"));
    const RealPoint expected = Circumcentre(pt.precise[296], AsReal(t.c), pt.precise[kSlotCircumcentre]);
    EXPECT_NEAR(pt.precise[297].x, expected.x, 1e-6);
    EXPECT_NEAR(pt.precise[297].y, expected.y, 1e-6);
    for (const CanvasCall& c : p.calls)
        EXPECT_NE(c.text, "Mu");

    // Only the circle A, B, H exists; without the other two centres there is no Carnot triangle.
    EXPECT_EQ(std::count_if(p.lines.begin(), p.lines.end(), [](auto& l) { return l == "Carnot-Kreis"; }), 1);
    EXPECT_FALSE(Present(pt, 255));
    EXPECT_FALSE(Present(pt, 256));
    EXPECT_FALSE(FindLine(p.lines, "Carnot-Dreieck"));
    const bool olive = std::any_of(p.calls.begin(), p.calls.end(), [](const CanvasCall& c) {
        return c.kind == CanvasCall::Kind::LineTo && c.pen.color == kOlive;
    });
    EXPECT_FALSE(olive);
}

TEST(OrthocentreFamily, VerticalSideGetsAHorizontalAltitude) {
    const Triangle t{{300, 100}, {300, 500}, {650, 350}};
    Document doc = MakeDocument(t.a, t.b, t.c, {350});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_EQ(doc.points.screen[kSlotFootC], (IntPoint{300, 350}));
    EXPECT_EQ(doc.points.screen[kSlotOrthocentre].y, 350);
    // The acute triangle's altitude on c runs from C to its foot, the only blue line.
    std::vector<CanvasCall> blue;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::LineTo && c.pen.color == kBlue) blue.push_back(c);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ((IntPoint{blue[0].x2, blue[0].y2}), t.c);
    EXPECT_EQ((IntPoint{blue[0].x1, blue[0].y1}), (IntPoint{300, 350}));
    EXPECT_EQ(FindLine(p.lines, "Abstand C-Hc"), "Abstand C-Hc\t3,5");
}

TEST(OrthocentreFamily, ObtuseAltitudesReachFromHToTheFarthestPoint) {
    // Obtuse at A: H lies beyond A; the altitude on a spans H to its foot, those on b and c span
    // H to the vertex.
    const Triangle t{{410, 330}, {110, 430}, {710, 430}};
    Document doc = MakeDocument(t.a, t.b, t.c, {346});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    std::vector<std::string> labels;
    for (const std::string& l : p.lines)
        if (l.starts_with("Abstand")) labels.push_back(LabelOf(l));
    EXPECT_EQ(labels, (std::vector<std::string>{"Abstand H-B", "Abstand H-Ha", "Abstand H-C"}));
    const IntPoint H = doc.points.screen[kSlotOrthocentre], Ha = doc.points.screen[kSlotFootA];
    EXPECT_LT(H.y, 0); // far above the drawing area
    const bool hToFoot = std::any_of(p.calls.begin(), p.calls.end(), [&](const CanvasCall& c) {
        return c.kind == CanvasCall::Kind::LineTo && IntPoint{c.x2, c.y2} == H && IntPoint{c.x1, c.y1} == Ha;
    });
    EXPECT_TRUE(hToFoot);
}

TEST(OrthocentreFamily, CollinearVerticesLeaveHAbsent) {
    Document doc = MakeDocument({100, 100}, {300, 300}, {500, 500}, {12, 262, 346});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_FALSE(Present(doc.points, kSlotOrthocentre));
    EXPECT_FALSE(FindLine(p.lines, "Höhenschnittpunkt"));
    EXPECT_FALSE(FindLine(p.lines, "Polarkreismittelpunkt"));
    for (const CanvasCall& c : p.calls)
        EXPECT_NE(c.text, "H");
}

// The paint routine's altitude feet, nine Feuerbach points and Euler triangle read the family's
// slots.
TEST(OrthocentreFamily, FeetFeuerbachPointsAndEulerTriangleOfThePaintRoutine) {
    Document doc = MakeDocument(kAcute.a, kAcute.b, kAcute.c, {28, 30, 335});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    auto has = [&](const std::string& line) {
        return std::find(p.lines.begin(), p.lines.end(), line) != p.lines.end();
    };
    EXPECT_TRUE(has("Höhenfußpunkt H(a) auf a\t( -0,6 | -1 )"));
    EXPECT_TRUE(has("Länge der Höhe auf a\t3,2"));
    EXPECT_TRUE(has("Höhenfußpunkt H(b) auf b\t( -0,2 | 1,8 )"));
    EXPECT_TRUE(has("5.Feuerbachpunkt\t( -0,6 | -1 )"));
    EXPECT_TRUE(has("7.Feuerbachpunkt\t( -0,6 | 1,8 )")); // midpoint of H and A
    EXPECT_TRUE(has("Euler-Dreieck"));
    EXPECT_EQ(doc.points.screen[222], (IntPoint{350, 150}));
}

} // namespace
} // namespace trimora
