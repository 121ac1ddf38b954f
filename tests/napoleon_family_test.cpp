// The Napoleon and Fermat family: every catalogue entry on its own with exact values on A(1|2)
// B(-2|-1) C(2|-1), fill and hatching of the outer triangles, and the Napoleon triangles, Napoleon
// and Fermat points and Napoleon circles against the geometry.
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kLightYellow = Rgb(0xFFFFC0);

// The apex of the equilateral triangle on P Q, on the far side from R (outward) or on R's side:
// Q turned about P by 60 degrees one way or the other.
RealPoint Apex(RealPoint p, RealPoint q, RealPoint r, bool outward) {
    const double c = 0.5, s = std::sqrt(3.0) / 2;
    const double dx = q.x - p.x, dy = q.y - p.y;
    const RealPoint x1{p.x + c * dx - s * dy, p.y + s * dx + c * dy};
    const RealPoint x2{p.x + c * dx + s * dy, p.y - s * dx + c * dy};
    auto side = [&](RealPoint v) { return dx * (v.y - p.y) - dy * (v.x - p.x); };
    const bool x1WithR = side(x1) * side(r) > 0;
    return x1WithR != outward ? x1 : x2;
}

RealPoint Centroid(RealPoint p, RealPoint q, RealPoint r) {
    return {(p.x + q.x + r.x) / 3, (p.y + q.y + r.y) / 3};
}

struct Expected {
    RealPoint apex[3], centroid[3], innerApex[3], innerCentroid[3], napoleon, fermat;
};

// Everything from the vertices alone, for the sides AB, AC, BC.
Expected ExpectedOf(RealPoint A, RealPoint B, RealPoint C) {
    Expected e;
    const RealPoint sides[3][3] = {{A, B, C}, {A, C, B}, {B, C, A}};
    for (int n = 0; n < 3; ++n) {
        const auto& s = sides[n];
        e.apex[n] = Apex(s[0], s[1], s[2], true);
        e.centroid[n] = Centroid(s[0], s[1], e.apex[n]);
        e.innerApex[n] = Apex(s[0], s[1], s[2], false);
        e.innerCentroid[n] = Centroid(s[0], s[1], e.innerApex[n]);
    }
    e.napoleon = Meet(B, e.centroid[1], A, e.centroid[2]);
    e.fermat = Meet(B, e.apex[1], C, e.apex[0]);
    return e;
}

// An entry that only changes the brush of the outer triangles: alone it adds nothing; with
// "Napoleon-Dreiecke" the three polygons carry the given brush style (and colour, if given).
int CheckBrushCase(const std::vector<int>& modifiers, BrushStyle style, std::optional<Color> color) {
    SCOPED_TRACE("brush entries " + std::to_string(modifiers.front()));
    Document bare = MakeDocument(kBasic.a, kBasic.b, kBasic.c);
    Document alone = MakeDocument(kBasic.a, kBasic.b, kBasic.c);
    Document with = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {142});
    for (int m : modifiers) {
        alone.SetOn(m);
        with.SetOn(m);
    }
    const Painted b = Paint(bare, kAreaWidth, kAreaHeight), a = Paint(alone, kAreaWidth, kAreaHeight);
    EXPECT_EQ(a.calls.size(), b.calls.size());
    EXPECT_EQ(a.lines, b.lines);
    const Painted w = Paint(with, kAreaWidth, kAreaHeight);
    int polygons = 0;
    for (const CanvasCall& c : w.calls) {
        if (c.kind != CanvasCall::Kind::Polygon) continue;
        ++polygons;
        EXPECT_EQ(c.brush.style, style);
        if (color) {
            EXPECT_EQ(c.brush.color, *color);
        }
    }
    EXPECT_EQ(polygons, 3);
    return 1;
}

TEST(NapoleonFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const Expected e = ExpectedOf(A, B, C);
    auto points = [](const std::string& label, const RealPoint(&p)[3]) {
        return std::vector<std::string>{PointLine(label, p[0]), PointLine(label, p[1]),
                                        PointLine(label, p[2])};
    };
    std::vector<std::string> inner;
    for (int n = 0; n < 3; ++n)
        inner.push_back(
            PointLine(std::to_string(n + 1) + ".innerer Napoleon-Schwerpunkt", e.innerCentroid[n]));
    const std::vector<std::string> apexes = [&] {
        auto lines = points("Fermat-Dreieck-Eckpunkt", e.apex);
        lines.push_back("Fermat-Dreieck-Eckpunkt\t( 0 | -4,464 )"); // 2 sqrt 3 below the horizontal BC
        return lines;
    }();

    const std::vector<EntryCase> cases{
        {142,
         {"1.Napoleon-Dreieck", "2.Napoleon-Dreieck", "3.Napoleon-Dreieck"},
         kRed,
         {"… Dreiecksseitenlänge\t4,243", "… Dreiecksseitenlänge\t3,162", "… Dreiecksseitenlänge\t4"}},
        {143,
         {"1.Napoleon-Dreieck-Schwerpunkt", "2.Napoleon-Dreieck-Schwerpunkt",
          "3.Napoleon-Dreieck-Schwerpunkt"},
         kBlue,
         {PointLine("1.Napoleon-Dreieck-Schwerpunkt", e.centroid[0]),
          PointLine("2.Napoleon-Dreieck-Schwerpunkt", e.centroid[1]),
          PointLine("3.Napoleon-Dreieck-Schwerpunkt", e.centroid[2])}},
        {144, {"1.Napoleon-Linie", "2.Napoleon-Linie", "3.Napoleon-Linie"}, kGreen},
        {141, {"Napoleon-Punkt"}, kBlack, {PointLine("Napoleon-Punkt", e.napoleon)}},
        {163, {"Napoleon-Punkt"}, kBlack},
        {164, {"Napoleon-Punkt"}, kLime},
        {165, {"Napoleon-Punkt-Lot-Dreieck"}, kGrey},
        {371, {"Äußeres Napoleon-Dreieck"}, kLime},
        // In the pen of the BC triangle.
        {325, {"Napoleon-Umkreis", "Napoleon-Umkreis", "Napoleon-Umkreis"}, kGreen},
        {420, {"Napoleon-Inkreis", "Napoleon-Inkreis", "Napoleon-Inkreis"}, kGreen},
        // After the pedal family of the Napoleon point the pen is grey.
        {152, {"Fermat-Punkt"}, kGrey, {PointLine("Fermat-Punkt", e.fermat)}},
        {153, {"Fermat-Punkt-Linie", "Fermat-Punkt-Linie", "Fermat-Punkt-Linie"}, kGreen},
        {154, std::vector<std::string>(3, "Fermat-Dreieck-Eckpunkt"), kBlack, apexes},
        {398, {"Fermat-Dreieck"}, kRed},
        {412, {"Fermat-Dreieck Höhe", "Fermat-Dreieck Höhe", "Fermat-Dreieck Höhe"}, kBlack},
        {413,
         {"Fermat-Dreieck HFußpunkt", "Fermat-Dreieck HFußpunkt", "Fermat-Dreieck HFußpunkt",
          "Fermat-Dreieck HSchnittpunkt"},
         kBlack},
        {169, {"Fermat-Punkt"}, kBlack},
        {170, {"Fermat-Punkt"}, kLime},
        {171, {"Fermat-Punkt-Lot-Dreieck"}, kGrey},
        {373,
         {"1.inneres Napoleon-Dreieck", "1.innerer Napoleon-Schwerpunkt", "2.inneres Napoleon-Dreieck",
          "2.innerer Napoleon-Schwerpunkt", "3.inneres Napoleon-Dreieck", "3.innerer Napoleon-Schwerpunkt"},
         kGreen,
         inner},
        {374, {"1.innere Napoleon-Linie", "2.innere Napoleon-Linie", "3.innere Napoleon-Linie"}, kGreen},
        {375, {"Napoleon-Umkreis", "Napoleon-Umkreis", "Napoleon-Umkreis"}, kBlue},
        {376, {"Inneres Napoleon-Dreieck"}, kLime},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    // "Napoleon-Dreiecke füllen" fills, "... NDreiecke schraffieren" hatches (in whatever colour
    // the brush has, the fill colour when both are on).
    run += CheckBrushCase({324}, BrushStyle::Solid, kLightYellow);
    run += CheckBrushCase({334}, BrushStyle::BDiagonal, std::nullopt);
    run += CheckBrushCase({324, 334}, BrushStyle::BDiagonal, kLightYellow);
    EXPECT_EQ(run, 26);
}

TEST(NapoleonFamily, OuterTrianglesAreClearWithoutFillOrHatching) {
    Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {142});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    std::vector<CanvasCall> polygons;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::Polygon) polygons.push_back(c);
    ASSERT_EQ(polygons.size(), 3u);
    const Color pens[3] = {kRed, kBlue, kGreen};
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(polygons[n].brush.style, BrushStyle::Clear);
        EXPECT_EQ(polygons[n].pen.color, pens[n]);
    }
    // P, Q and the apex: the apex on the horizontal BC lies 2 sqrt 3 units below it.
    EXPECT_EQ(polygons[2].points, (std::vector<IntPoint>{kBasic.b, kBasic.c, {410, 776}}));
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A (143 degrees)
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
    {{300, 100}, {300, 500}, {650, 350}}, // vertical side AB
    {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
};

TEST(NapoleonFamily, NapoleonTrianglesAreEquilateralAroundTheCentroid) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const Expected e = ExpectedOf(A, B, C);
        const double scale = Dist(A, B) + Dist(B, C) + Dist(C, A), tol = 1e-9 * scale;
        for (int n = 0; n < 3; ++n) {
            EXPECT_NEAR(Dist(pt.precise[105 + n], e.apex[n]), 0, tol) << n;
            EXPECT_NEAR(Dist(pt.precise[109 + n], e.centroid[n]), 0, tol) << n;
            EXPECT_NEAR(Dist(pt.precise[260 + 2 * n], e.innerApex[n]), 0, tol) << n;
            EXPECT_NEAR(Dist(pt.precise[261 + 2 * n], e.innerCentroid[n]), 0, tol) << n;
        }
        const RealPoint S = Centroid(A, B, C);
        for (int first : {109, 261}) {
            const int step = first == 109 ? 1 : 2;
            const RealPoint p = pt.precise[first], q = pt.precise[first + step],
                            r = pt.precise[first + 2 * step];
            EXPECT_NEAR(Dist(p, q), Dist(q, r), tol) << first;
            EXPECT_NEAR(Dist(p, q), Dist(r, p), tol) << first;
            EXPECT_NEAR(Dist(Centroid(p, q, r), S), 0, tol) << first;
        }
        // Slot 108 ends as the midpoint of BC; the Napoleon point is kept in 394.
        EXPECT_EQ(pt.precise[108], Mid(B, C));
        EXPECT_NEAR(Dist(pt.precise[394], e.napoleon), 0, 1e-6 * scale);
        ++checked;
    }
    EXPECT_EQ(checked, 7);
}

TEST(NapoleonFamily, FermatAndNapoleonLinesConcur) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint F = pt.precise[119], N = pt.precise[394];
        const double scale = Dist(A, B) + Dist(B, C) + Dist(C, A), tol = 1e-6 * scale;
        // Each point is built from two lines; the third passes through it as well.
        EXPECT_NEAR(LineDistance(F, C, pt.precise[105]), 0, tol);
        EXPECT_NEAR(LineDistance(F, B, pt.precise[106]), 0, tol);
        EXPECT_NEAR(LineDistance(F, A, pt.precise[107]), 0, tol);
        EXPECT_NEAR(LineDistance(N, C, pt.precise[109]), 0, tol);
        EXPECT_NEAR(LineDistance(N, A, pt.precise[111]), 0, tol);
        // With every angle below 120 degrees the Fermat point sees each side under 120 degrees.
        const double angles[3] = {AngleAt(A, B, C), AngleAt(B, C, A), AngleAt(C, A, B)};
        if (*std::max_element(angles, angles + 3) < 2 * M_PI / 3) {
            EXPECT_NEAR(AngleAt(F, A, B) * kDegrees, 120, 1e-6);
            EXPECT_NEAR(AngleAt(F, B, C) * kDegrees, 120, 1e-6);
            EXPECT_NEAR(AngleAt(F, C, A) * kDegrees, 120, 1e-6);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 7);
}

// The circumcircles of the outer triangles all pass through the Fermat point.
TEST(NapoleonFamily, NapoleonCirclesMeetInTheFermatPoint) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {325});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint V[3] = {AsReal(t.a), AsReal(t.a), AsReal(t.c)}; // a vertex on each circle
        for (int n = 0; n < 3; ++n) {
            const RealPoint centre = pt.precise[214 + n];
            // The circles go through the apexes as whole pixels.
            EXPECT_NEAR(Dist(centre, pt.precise[119]), Dist(centre, V[n]), 1.5) << n;
        }
        EXPECT_EQ(std::count(p.lines.begin(), p.lines.end(), "Napoleon-Umkreis"), 3);
        ++checked;
    }
    EXPECT_EQ(checked, 7);
}

} // namespace
} // namespace trimora
