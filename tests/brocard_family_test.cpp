// The Brocard family: every catalogue entry on its own with exact values on A(1|2) B(-2|-1)
// C(2|-1), the Brocard points, circle, inner triangle and Neuberg circles against the geometry,
// the nearly equilateral triangle and three distinct collinear vertices (Brocard angle 0).
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kTeal = Rgb(0x008080);

// Centre and radius of the Neuberg circle of the side P Q (world or pixel units alike): on the
// perpendicular bisector at (|PQ| / 2) cot(omega) from the midpoint, towards V or away from it.
struct Neuberg {
    RealPoint centre;
    double radius;
};
Neuberg NeubergOf(RealPoint v, RealPoint p, RealPoint q, double cotOmega, bool towardsV) {
    const double d = Dist(p, q);
    const RealPoint m = Mid(p, q);
    RealPoint n{-(q.y - p.y) / d, (q.x - p.x) / d};
    if ((n.x * (v.x - m.x) + n.y * (v.y - m.y) > 0) != towardsV) n = {-n.x, -n.y};
    return {{m.x + n.x * d / 2 * cotOmega, m.y + n.y * d / 2 * cotOmega},
            d / 2 * std::sqrt(cotOmega * cotOmega - 3)};
}

std::vector<std::string> CircleLines(const std::string& title, RealPoint centre, double radius) {
    return {title, PointLine("… Mittelpunkt", centre), "… Radius\t" + FormatReal(radius, 3)};
}

TEST(BrocardFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const double a2 = 16, b2 = 10, c2 = 18, cotOmega = 44.0 / 24;
    // The first Brocard point is 1/b^2 : 1/c^2 : 1/a^2 in barycentrics, the second 1/c^2 : 1/a^2 : 1/b^2.
    const RealPoint W1 = Barycentric(A, B, C, 1 / b2, 1 / c2, 1 / a2); // (82/157 | 59/157)
    const RealPoint W2 = Barycentric(A, B, C, 1 / c2, 1 / a2, 1 / b2); // (94/157 | -37/157)
    auto concat = [](std::vector<std::vector<std::string>> parts) {
        std::vector<std::string> all;
        for (auto& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    const char* kSides[3] = {"A", "B", "C"};
    const RealPoint V[3] = {A, B, C};
    const RealPoint opposite[3][2] = {{B, C}, {C, A}, {A, B}};
    std::vector<std::string> feet1, feet2;
    for (int n = 0; n < 3; ++n) {
        const std::string side = std::string("(ab ") + kSides[n] + ")";
        feet1.push_back(
            PointLine("Brocard-Schnittpunkt 1.Art " + side, Meet(V[n], W1, opposite[n][0], opposite[n][1])));
        feet2.push_back(
            PointLine("Brocard-Schnittpunkt 2.Art " + side, Meet(V[n], W2, opposite[n][0], opposite[n][1])));
    }
    std::vector<std::string> neuberg[6];
    const char* kTitles[6] = {"Neuberg A-Kreis",          "Neuberg B-Kreis",
                              "Neuberg C-Kreis",          "Inverser Neuberg A-Kreis",
                              "Inverser Neuberg B-Kreis", "Inverser Neuberg C-Kreis"};
    for (int n = 0; n < 6; ++n) {
        const Neuberg nb = NeubergOf(V[n % 3], opposite[n % 3][0], opposite[n % 3][1], cotOmega, n < 3);
        neuberg[n] = CircleLines(kTitles[n], nb.centre, nb.radius);
    }
    const std::vector<std::string> labels1{"Brocard-Schnittpunkt 1.Art (ab A)",
                                           "Brocard-Schnittpunkt 1.Art (ab B)",
                                           "Brocard-Schnittpunkt 1.Art (ab C)"};
    const std::vector<std::string> labels2{"Brocard-Schnittpunkt 2.Art (ab A)",
                                           "Brocard-Schnittpunkt 2.Art (ab B)",
                                           "Brocard-Schnittpunkt 2.Art (ab C)"};

    const std::vector<EntryCase> cases{
        {71,
         {"Senkrechte in A zur Seite c", "Senkrechte in A zur Seite b"},
         kRed,
         {"Senkrechte in A zur Seite c\tY = -1 X +3 ; Anstiegswinkel -45°"}},
        {72,
         {"Senkrechte in B zur Seite c", "Senkrechte in B zur Seite a"},
         kRed,
         {"Senkrechte in B zur Seite c\tY = -1 X -3 ; Anstiegswinkel -45°",
          "Senkrechte in B zur Seite a\tX = -2 ; Anstiegswinkel 90°"}},
        {73,
         {"Senkrechte in C zur Seite b", "Senkrechte in C zur Seite a"},
         kRed,
         {"Senkrechte in C zur Seite a\tX = 2 ; Anstiegswinkel 90°"}},
        {74, {}, kRed},
        // Through C tangent to AB at A: (2,25 | 0,75), r = 1,25 sqrt 2; through B tangent to AC
        // at A: (-1,25 | 1,25), r = 0,75 sqrt 10.
        {75,
         {"Tangentialkreis CA auf c-Kreis", "Tangentialkreis BA auf b-Kreis"},
         kRed,
         concat({CircleLines("Tangentialkreis CA auf c-Kreis", {2.25, 0.75}, 1.25 * std::sqrt(2.0)),
                 CircleLines("Tangentialkreis BA auf b-Kreis", {-1.25, 1.25}, 0.75 * std::sqrt(10.0))})},
        {76, {}, kRed},
        {77,
         {"Tangentialkreis AB auf a-Kreis", "Tangentialkreis CB auf c-Kreis"},
         kRed,
         concat({CircleLines("Tangentialkreis AB auf a-Kreis", {-2, 2}, 3),
                 CircleLines("Tangentialkreis CB auf c-Kreis", {0, -3}, 2 * std::sqrt(2.0))})},
        {78, {}, kRed},
        {79,
         {"Tangentialkreis AC auf a-Kreis", "Tangentialkreis BC auf b-Kreis"},
         kRed,
         concat({CircleLines("Tangentialkreis AC auf a-Kreis", {2, 2.0 / 3}, 5.0 / 3),
                 CircleLines("Tangentialkreis BC auf b-Kreis", {0, -5.0 / 3}, 2 * std::sqrt(10.0) / 3)})},
        {80,
         {"1.Brocard-Punkt"},
         kBlue,
         {PointLine("1.Brocard-Punkt", W1), "1.Brocard-Punkt\t( 0,522 | 0,376 )"}},
        {81,
         {"Brocard-Linie 1.Art durch A", "Brocard-Linie 1.Art durch B", "Brocard-Linie 1.Art durch C"},
         kBlue},
        {82,
         {"Brocard-Strecke 1.Art ab A", "Brocard-Strecke 1.Art ab B", "Brocard-Strecke 1.Art ab C"},
         kGreen},
        {83, labels1, kBlack, feet1},
        {84, {}, kBlue},
        {85,
         {"2.Brocard-Punkt"},
         kBlue,
         {PointLine("2.Brocard-Punkt", W2), "2.Brocard-Punkt\t( 0,599 | -0,236 )"}},
        {86,
         {"Brocard-Linie 2.Art durch A", "Brocard-Linie 2.Art durch B", "Brocard-Linie 2.Art durch C"},
         kBlue},
        {87,
         {"Brocard-Strecke 2.Art ab A", "Brocard-Strecke 2.Art ab B", "Brocard-Strecke 2.Art ab C"},
         kGreen},
        {88, labels2, kBlack, feet2},
        {89, {}, kBlue},
        {90, {}, kBlue},
        {91, {"Brocard-Kreis"}, kBlue},
        {92, {"Brocard-Achse"}, kBlue},
        {93, {}, kBlue},
        {94, {"Brocard-Mittelpunkt"}, kBlue, {PointLine("Brocard-Mittelpunkt", Mid(W1, W2))}},
        {122, {"1.Brocard-Punkt"}, kBlack},
        {123, {"1.Brocard-Punkt"}, kLime},
        {124, {"1.Brocard-Punkt-Lot-Dreieck"}, kGrey},
        {125, {"2.Brocard-Punkt"}, kBlack},
        {126, {"2.Brocard-Punkt"}, kLime},
        {127, {"2.Brocard-Punkt-Lot-Dreieck"}, kGrey},
        {128, {"Inneres Brocard-Dreieck"}, kGrey},
        {129,
         {"Innerer Brocarddreieckspunkt", "Innerer Brocarddreieckspunkt", "Innerer Brocarddreieckspunkt"},
         kBlack,
         {PointLine("Innerer Brocarddreieckspunkt", Meet(B, W2, A, W1)),
          PointLine("Innerer Brocarddreieckspunkt", Meet(C, W2, B, W1)),
          PointLine("Innerer Brocarddreieckspunkt", Meet(A, W2, C, W1))}},
        // The A circle: (0 | 2,667), r = 2 sqrt(cot^2 - 3) = 1,202.
        {239,
         {"Neuberg A-Kreis"},
         kBlue,
         concat({neuberg[0], {"… Mittelpunkt\t( 0 | 2,667 )", "… Radius\t1,202"}})},
        {240, {"Neuberg B-Kreis"}, kBlue, neuberg[1]},
        {241, {"Neuberg C-Kreis"}, kBlue, neuberg[2]},
        {242, {"Inverser Neuberg A-Kreis"}, kBlue, concat({neuberg[3], {"… Mittelpunkt\t( 0 | -4,667 )"}})},
        {243, {"Inverser Neuberg B-Kreis"}, kBlue, neuberg[4]},
        {244, {"Inverser Neuberg C-Kreis"}, kBlue, neuberg[5]},
        {245, {"Neuberg-Dreieck"}, kTeal},
        {246, {"Inverses Neuberg-Dreieck"}, kTeal},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 40);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
    {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
};

double CotOmega(RealPoint A, RealPoint B, RealPoint C) {
    const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B);
    return (a * a + b * b + c * c) / (4 * Area(A, B, C));
}

TEST(BrocardFamily, BrocardPointsSeeTheSidesUnderTheBrocardAngle) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const double omega = std::atan(1 / CotOmega(A, B, C));
        const auto line = FindLine(p.lines, "Brocard-Winkel in °");
        ASSERT_TRUE(line);
        EXPECT_NEAR(ValueOf(*line), omega * kDegrees, 0.0006);
        const RealPoint W1 = doc.points.precise[86], W2 = doc.points.precise[87];
        const double tol = 1e-7 + 1e-6 * omega;
        EXPECT_NEAR(AngleAt(A, B, W1), omega, tol);
        EXPECT_NEAR(AngleAt(B, C, W1), omega, tol);
        EXPECT_NEAR(AngleAt(C, A, W1), omega, tol);
        EXPECT_NEAR(AngleAt(A, C, W2), omega, tol);
        EXPECT_NEAR(AngleAt(B, A, W2), omega, tol);
        EXPECT_NEAR(AngleAt(C, B, W2), omega, tol);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

// The Brocard circle has the diameter U K, and the inner Brocard triangle is inscribed in it.
TEST(BrocardFamily, BrocardCircleOnTheDiameterUKThroughTheInnerTriangle) {
    int checked = 0;
    for (const Triangle& t : {kShapes[0], kShapes[1], kShapes[2], kShapes[4]}) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {91});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint U = pt.precise[kSlotCircumcentre], K = pt.precise[59];
        const RealPoint centre = Mid(U, K);
        const double radius = Dist(U, K) / 2;
        // The circle comes from three whole pixels.
        EXPECT_NEAR(Dist(pt.precise[88], centre), 0, 2);
        const auto line = std::find(p.lines.begin(), p.lines.end(), "Brocard-Kreis");
        ASSERT_LT(line + 2, p.lines.end());
        EXPECT_NEAR(100 * ValueOf(*(line + 2)), radius, 2);
        for (int slot : {86, 87, 91, 92, 93})
            EXPECT_NEAR(Dist(pt.precise[slot], centre), radius, 1e-6 * radius) << slot;
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

// Each Neuberg circle passes through its vertex, each inverse one through the vertex reflected in
// the opposite side.
TEST(BrocardFamily, NeubergCirclesThroughTheVerticesAndTheirReflections) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {239, 240, 241, 242, 243, 244});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint V[3] = {AsReal(t.a), AsReal(t.b), AsReal(t.c)};
        const double cotOmega = CotOmega(V[0], V[1], V[2]);
        for (int n = 0; n < 6; ++n) {
            const RealPoint v = V[n % 3], p0 = V[(n + 1) % 3], p2 = V[(n + 2) % 3];
            const Neuberg nb = NeubergOf(v, p0, p2, cotOmega, n < 3);
            const RealPoint centre = doc.points.precise[161 + n];
            EXPECT_NEAR(Dist(centre, nb.centre), 0, 1e-6 * (1 + Dist(nb.centre, v))) << n;
            const RealPoint foot = Meet(v, {v.x + p2.y - p0.y, v.y - (p2.x - p0.x)}, p0, p2);
            const RealPoint through = n < 3 ? v : RealPoint{2 * foot.x - v.x, 2 * foot.y - v.y};
            EXPECT_NEAR(Dist(centre, through), nb.radius, 1e-6 * (1 + nb.radius)) << n;
        }
        const int titles =
            static_cast<int>(std::count_if(p.lines.begin(), p.lines.end(), [](const std::string& l) {
                return l.find("Neuberg") != std::string::npos && l.ends_with("-Kreis");
            }));
        EXPECT_EQ(titles, 6);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

// The Brocard circle is drawn with the pen that the point figures left.
TEST(BrocardFamily, BrocardCircleTakesThePenOfTheMoment) {
    auto circlePen = [](std::initializer_list<int> entries) {
        Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, entries);
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        std::vector<Color> pens;
        for (const CanvasCall& c : p.calls)
            if (c.kind == CanvasCall::Kind::Ellipse && c.brush.style == BrushStyle::Clear)
                pens.push_back(c.pen.color);
        return pens;
    };
    EXPECT_EQ(circlePen({90}), std::vector<Color>{kBlue});
    EXPECT_EQ(circlePen({82, 90}), std::vector<Color>{kGreen});
    EXPECT_EQ(circlePen({82, 83, 90}), std::vector<Color>{kBlack});
}

TEST(BrocardFamily, NearlyEquilateralTriangleHasItsTinyBrocardCircle) {
    // U and both Brocard points fall on one pixel, but they are three points: the circle on the
    // diameter U K is listed with its radius of a tenth of a pixel.
    const Triangle t{{400, 100}, {227, 400}, {573, 400}};
    Document doc = MakeDocument(t.a, t.b, t.c, {90, 91, 92, 93, 239});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    const PointTable& pt = doc.points;
    EXPECT_EQ(pt.screen[86], pt.screen[kSlotCircumcentre]);
    EXPECT_EQ(pt.screen[87], pt.screen[kSlotCircumcentre]);
    const auto title = std::find(p.lines.begin(), p.lines.end(), "Brocard-Kreis");
    ASSERT_LT(title + 2, p.lines.end());
    EXPECT_EQ(*(title + 1), "… Mittelpunkt\t( -0,1 | 0,3 )");
    EXPECT_EQ(*(title + 2), "… Radius\t0,001"); // |U K| / 2 = 0.1184 pixels
    EXPECT_EQ(*FindLine(p.lines, "Brocard-Achse"), "Brocard-Achse\tX = -0,1 ; Anstiegswinkel 90°");
    // The Brocard angle is 30 degrees to within the pixels, so the Neuberg radius vanishes.
    const auto neuberg = std::find(p.lines.begin(), p.lines.end(), "Neuberg A-Kreis");
    ASSERT_LT(neuberg + 2, p.lines.end());
    EXPECT_NEAR(ValueOf(*(neuberg + 2)), 0, 0.05);
    int ellipses = 0;
    for (const CanvasCall& c : p.calls)
        ellipses += c.kind == CanvasCall::Kind::Ellipse;
    EXPECT_EQ(ellipses, 4); // the Brocard and Neuberg circles and their marks
}

bool HasNonFiniteText(std::string line) {
    std::transform(line.begin(), line.end(), line.begin(), [](unsigned char c) { return std::tolower(c); });
    return line.find("nan") != std::string::npos || line.find("inf") != std::string::npos;
}

TEST(BrocardFamily, CollinearVerticesHaveNoNeubergCircles) {
    // Three distinct vertices on one line: the Brocard angle is 0, so the Neuberg circles have no
    // finite radius and no centre; nothing is drawn, marked or listed, not even their triangles.
    Document doc = MakeDocument({200, 300}, {400, 300}, {700, 300});
    for (int e = 71; e <= 94; ++e)
        doc.SetOn(e);
    for (int e = 122; e <= 129; ++e)
        doc.SetOn(e);
    for (int e = 239; e <= 246; ++e)
        doc.SetOn(e);
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_EQ(FindLine(p.lines, "Brocard-Winkel in °"), "Brocard-Winkel in °\t0");
    for (const std::string& l : p.lines) {
        EXPECT_FALSE(HasNonFiniteText(l)) << l;
        EXPECT_FALSE(LabelOf(l).ends_with("Neuberg A-Kreis") || LabelOf(l).ends_with("Neuberg B-Kreis") ||
                     LabelOf(l).ends_with("Neuberg C-Kreis"))
            << l;
    }
    for (int slot = 161; slot <= 166; ++slot)
        EXPECT_FALSE(Present(doc.points, slot)) << slot;
    EXPECT_FALSE(FindLine(p.lines, "Neuberg-Dreieck"));
    for (const CanvasCall& c : p.calls) {
        EXPECT_FALSE(c.text.size() == 2 && c.text[0] == 'N') << c.text;
        for (int v : {c.x1, c.y1, c.x2, c.y2})
            EXPECT_LE(std::abs(v), 100000);
    }
    // Without the Neuberg entries the picture has exactly as many circles.
    Document without = MakeDocument({200, 300}, {400, 300}, {700, 300});
    without.checked = doc.checked;
    for (int e = 239; e <= 244; ++e)
        without.SetOn(e, false);
    const Painted q = Paint(without, kAreaWidth, kAreaHeight);
    auto ellipses = [](const Painted& x) {
        return std::count_if(x.calls.begin(), x.calls.end(),
                             [](const CanvasCall& c) { return c.kind == CanvasCall::Kind::Ellipse; });
    };
    EXPECT_EQ(ellipses(p), ellipses(q));
}

} // namespace
} // namespace trimora
