// The excircle family: every catalogue entry on its own, the excircles, Nagel point, outer
// tangents, Mittenpunkt and side-line touch points against the geometry, and the edge cases.
#include "family_support.h"
#include "base/format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

// A(-0,6 | 2,2), B(-3 | -1), C(2,6 | -1): a = 560, b = 320 sqrt 2, c = 400 pixels, area 89600.
constexpr Triangle kAcute{{350, 110}, {110, 430}, {670, 430}};

// Exradii in pixels by Heron: area / (s - side).
struct Exradii {
    double ra, rb, rc;
};
Exradii HeronExradii(RealPoint A, RealPoint B, RealPoint C) {
    const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B), s = (a + b + c) / 2;
    const double area = Area(A, B, C);
    return {area / (s - a), area / (s - b), area / (s - c)};
}

TEST(ExcircleFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const Exradii r = HeronExradii(AsReal(kAcute.a), AsReal(kAcute.b), AsReal(kAcute.c));
    const std::string ra = FormatReal(r.ra / 100, 3), rb = FormatReal(r.rb / 100, 3),
                      rc = FormatReal(r.rc / 100, 3);
    const std::vector<EntryCase> cases{
        {22, {}, kGrey},
        {18, {}, kBlue},
        {24,
         {"Ankreismittelpunkt M1", "Ankreisradius r1", "Ankreismittelpunkt M2", "Ankreisradius r2",
          "Ankreismittelpunkt M3", "Ankreisradius r3"},
         kBlack,
         {"Ankreisradius r1\t" + ra, "Ankreisradius r2\t" + rb, "Ankreisradius r3\t" + rc}},
        {23, {"Ankreis-Dreiecksseite", "Ankreis-Dreiecksseite", "Ankreis-Dreiecksseite"}, kSilver},
        {31, {"Ankreisberührungspunkt", "Ankreisberührungspunkt", "Ankreisberührungspunkt"}, kBlack},
        {68, {"Ankreisberührungspunkt", "Ankreisberührungspunkt", "Ankreisberührungspunkt"}, kBlack},
        {32, {"Nagelpunkt N"}, kBlack},
        {33,
         {"Nagel-Transversale", "Nagel-Transversale Länge", "Nagel-Transversale", "Nagel-Transversale Länge",
          "Nagel-Transversale", "Nagel-Transversale Länge"},
         kRed},
        {34, {"Nagel-Dreieck"}, kGrey},
        {35, {"Nagel-Gerade"}, kGreen},
        {104, {"Nagelpunkt"}, kBlack},
        {105, {"Nagelpunkt"}, kLime},
        {106, {"Nagelpunkt-Lot-Dreieck"}, kGrey},
        {285, std::vector<std::string>(6, "Außentangentenpunkt"), kRed},
        {286, {"Außentangente", "Außentangente", "Außentangente"}, kRed},
        {287, {"Außentangentenseitenlänge", "Außentangentenseitenlänge", "Außentangentenseitenlänge"}, kBlue},
        {288,
         {"Außentangentendreieckpunkt", "Außentangentendreieckpunkt", "Außentangentendreieckpunkt"},
         kBlue},
        {135, {"Ankreis-Ankreis AB"}, kGrey},
        {136, {}, kGrey},
        {137, {"Ankreis-Ankreis AC"}, kGrey},
        {138, {}, kGrey},
        {139, {"Ankreis-Ankreis BC"}, kGrey},
        {140, {}, kGrey},
        {155, {"Mittenpunkt"}, kGrey},
        {156,
         {"Mittenpunkt-Linie", "Mittenpunkt-Linie Länge", "Mittenpunkt-Linie", "Mittenpunkt-Linie Länge",
          "Mittenpunkt-Linie", "Mittenpunkt-Linie Länge"},
         kRed},
        {172, {"Mittenpunkt"}, kBlack},
        {173, {"Mittenpunkt"}, kLime},
        {174, {"Mittenpunkt-Lot-Dreieck"}, kGrey},
        {408, std::vector<std::string>(9, "Ankreis-Tangentenpunkt"), kGrey},
        {409, {"Ankreisaußen-Dreieck", "Ankreisaußen-Dreieck", "Ankreisaußen-Dreieck"}, kGreen},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kAcute, c);
    EXPECT_EQ(run, 30);
}

TEST(ExcircleFamily, CirclesOnTwoExcentresAreDotted) {
    Document doc = MakeDocument(kAcute.a, kAcute.b, kAcute.c, {135, 137, 139});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    int dotted = 0;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::Ellipse) dotted += c.pen.style == PenStyle::Dot;
    EXPECT_EQ(dotted, 3);
    // The circle on Ia Ib has half their distance as radius (of the excentres, not their pixels).
    const PointTable& pt = doc.points;
    const auto radius = std::find(p.lines.begin(), p.lines.end(), "Ankreis-Ankreis AB") + 2;
    ASSERT_LT(radius, p.lines.end());
    EXPECT_EQ(*radius, "… Radius\t" + FormatReal(Dist(pt.precise[94], pt.precise[95]) / 200, 3));
}

TEST(ExcircleFamily, LabelsOfTheExcentresAndTouchPointsOnce) {
    // Entries 31 and 68 draw the same marks: each touch point is listed once.
    Document doc = MakeDocument(kAcute.a, kAcute.b, kAcute.c, {24, 31, 68});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_EQ(std::count_if(p.lines.begin(), p.lines.end(),
                            [](const std::string& l) { return l.starts_with("Ankreisberührungspunkt\t"); }),
              3);
    // "M1", "M2", "M3" beside the excentres Ia, Ib, Ic, in this order.
    std::vector<CanvasCall> texts;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::Text) texts.push_back(c);
    ASSERT_EQ(texts.size(), 3u);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(texts[n].text, "M" + std::to_string(n + 1));
        const RealPoint e = doc.points.precise[94 + n];
        EXPECT_EQ(texts[n].x1, RoundClamp(e.x + 2));
        EXPECT_EQ(texts[n].y1, RoundClamp(e.y + 2));
    }
}

const std::vector<Triangle> kShapes{
    kAcute,
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
    {{510, 130}, {210, 430}, {610, 430}}, // A(1|2) B(-2|-1) C(2|-1)
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
    {{100, 300}, {700, 300}, {400, 306}}, // nearly flat: the A- and B-excircles are huge
};

TEST(ExcircleFamily, ExcirclesTouchTheThreeSideLines) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {24});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const Exradii heron = HeronExradii(A, B, C);
        const double radii[3] = {heron.ra, heron.rb, heron.rc};
        const int touches[3] = {20, 21, 22};
        for (int n = 0; n < 3; ++n) {
            const RealPoint I = pt.precise[94 + n];
            const double r = radii[n], tol = 1e-6 * r;
            EXPECT_NEAR(LineDistance(I, B, C), r, tol) << n;
            EXPECT_NEAR(LineDistance(I, C, A), r, tol) << n;
            EXPECT_NEAR(LineDistance(I, A, B), r, tol) << n;
            // The touch point on the opposite side is the foot from the excentre.
            EXPECT_NEAR(Dist(I, pt.precise[touches[n]]), r, tol) << n;
            // Reported in world units with three decimals.
            const auto line = FindLine(p.lines, "Ankreisradius r" + std::to_string(n + 1));
            ASSERT_TRUE(line);
            EXPECT_NEAR(100 * ValueOf(*line), r, 0.06) << n;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(ExcircleFamily, NagelPointOnTheNagelLineAndTransversals) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {45});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint I = pt.precise[kSlotIncentre], S = pt.precise[kSlotCentroid],
                        N = pt.precise[kSlotNagel];
        const double scale = Dist(A, B) + Dist(B, C) + Dist(C, A);
        // Nagel = 3 S - 2 I: I, S, N on one line with SN = 2 IS.
        EXPECT_NEAR(N.x, 3 * S.x - 2 * I.x, 1e-6 * scale);
        EXPECT_NEAR(N.y, 3 * S.y - 2 * I.y, 1e-6 * scale);
        EXPECT_NEAR(LineDistance(N, B, pt.precise[21]), 0, 1e-6 * scale);
        // The half triangle of the paint routine is built on it: midpoints of the vertices and N.
        const auto first = FindLine(p.lines, "1.Nagelhalbdreieckspunkt");
        ASSERT_TRUE(first);
        const RealPoint half = Mid(A, N);
        EXPECT_EQ(*first, "1.Nagelhalbdreieckspunkt\t( " + FormatReal((half.x - 410) / 100, 3) + " | " +
                              FormatReal((330 - half.y) / 100, 3) + " )");
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(ExcircleFamily, OuterTangentsMittenpunktAndSideLineTouchPoints) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        auto P = [&](int slot) { return pt.precise[slot]; };
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint Ia = P(94), Ib = P(95), Ic = P(96);
        const Exradii r = HeronExradii(A, B, C);
        const double scale = Dist(A, B) + Dist(B, C) + Dist(C, A);
        const double tol = 1e-6 * (scale + r.ra + r.rb + r.rc);

        // The second common tangent of two excircles touches both.
        EXPECT_NEAR(LineDistance(Ib, P(197), P(198)), r.rb, tol);
        EXPECT_NEAR(LineDistance(Ic, P(197), P(198)), r.rc, tol);
        EXPECT_NEAR(LineDistance(Ia, P(199), P(200)), r.ra, tol);
        EXPECT_NEAR(LineDistance(Ic, P(199), P(200)), r.rc, tol);
        EXPECT_NEAR(LineDistance(Ia, P(201), P(202)), r.ra, tol);
        EXPECT_NEAR(LineDistance(Ib, P(201), P(202)), r.rb, tol);

        // The Mittenpunkt lies on the lines from each excentre to the midpoint of its side.
        EXPECT_NEAR(LineDistance(P(120), Ia, Mid(B, C)), 0, tol);
        EXPECT_NEAR(LineDistance(P(120), Ib, Mid(C, A)), 0, tol);
        EXPECT_NEAR(LineDistance(P(120), Ic, Mid(A, B)), 0, tol);

        // The nine touch points from trilinears: on their side lines, at the exradius from their
        // excentre; the first of each excircle is the foot found from the excentre.
        const RealPoint centres[3] = {Ia, Ib, Ic};
        const double radii[3] = {r.ra, r.rb, r.rc};
        const std::pair<RealPoint, RealPoint> lines[9] = {{B, C}, {C, A}, {A, B}, {C, A}, {B, C},
                                                          {A, B}, {A, B}, {B, C}, {C, A}};
        for (int n = 0; n < 9; ++n) {
            const RealPoint q = P(302 + n);
            EXPECT_NEAR(LineDistance(q, lines[n].first, lines[n].second), 0, tol) << 302 + n;
            EXPECT_NEAR(Dist(q, centres[n / 3]), radii[n / 3], tol) << 302 + n;
        }
        EXPECT_NEAR(Dist(P(302), P(20)), 0, tol);
        EXPECT_NEAR(Dist(P(305), P(21)), 0, tol);
        EXPECT_NEAR(Dist(P(308), P(22)), 0, tol);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(ExcircleFamily, ParallelOuterTangentsLeaveTheTriangleAbsent) {
    // A right angle at C makes the tangents of the A and B pairs parallel to the altitude on c.
    Document doc = MakeDocument({300, 100}, {600, 500}, {300, 500}, {287, 288});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    for (int slot : {203, 204, 205})
        EXPECT_FALSE(Present(doc.points, slot)) << slot;
    EXPECT_FALSE(FindLine(p.lines, "Außentangentenseitenlänge"));
    EXPECT_FALSE(FindLine(p.lines, "Außentangentendreieckpunkt"));
    for (const CanvasCall& c : p.calls)
        EXPECT_NE(c.pen.color, kBlue);
}

TEST(ExcircleFamily, SmallTrianglesHaveNoExcentres) {
    // Sides with |b c| <= 0.1 square units give no angle and no altitude: no excentres, and
    // nothing built on them, not even from the excentres of an earlier repaint.
    Document doc = MakeDocument({400, 300}, {420, 320}, {430, 295}, {18, 24, 135});
    for (int slot : {94, 95, 96})
        PlaceSlot(doc.points, slot, {100.0 * (slot - 93), 50});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_FALSE(Present(doc.points, 94));
    EXPECT_FALSE(FindLine(p.lines, "Ankreismittelpunkt M1"));
    EXPECT_FALSE(Present(doc.points, 102));
    EXPECT_FALSE(FindLine(p.lines, "Ankreis-Ankreis AB"));
}

} // namespace
} // namespace trimora
