// The Epstein, Yff central, Parry, equal-perimeter, equal-detour and equal-parallels points, the
// Kimberling centres, the Kiepert parabola with the Steiner data, and the Yff triangle: every
// catalogue entry on its own on A(1|2) B(-2|-1) C(2|-1) with points from their own trilinears; the
// Kiepert parabola touching the side lines, the Steiner foci, and the Yff cevians.
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kMaroon = Rgb(0x800000), kOrange = Rgb(0xFF8000);

struct Basic {
    RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    double a = 4, b = std::sqrt(10.0), c = std::sqrt(18.0), area = 6;
    double alpha = std::acos((b * b + c * c - a * a) / (2 * b * c)),
           beta = std::acos((c * c + a * a - b * b) / (2 * c * a)),
           gamma = std::acos((a * a + b * b - c * c) / (2 * a * b));
    // The point with trilinears t1 : t2 : t3 (barycentric a t1 : b t2 : c t3).
    RealPoint Tri(double t1, double t2, double t3) const {
        return Barycentric(A, B, C, a * t1, b * t2, c * t3);
    }
};

TEST(YffCentralFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const Basic t;
    const double a = t.a, b = t.b, c = t.c, pa = a * (b + c - a), pb = b * (c + a - b), pc = c * (a + b - c);
    const double u = std::cos(t.alpha / 2), v = std::cos(t.beta / 2), w = std::cos(t.gamma / 2);
    const double a2 = a * a, b2 = b * b, c2 = c * c;
    const RealPoint yff1 = t.Tri(v * w, w * (u + w), v * (u + v));
    const std::vector<EntryCase> cases{
        {263,
         {"1.Epstein-Punkt"},
         kMaroon,
         {PointLine("1.Epstein-Punkt",
                    t.Tri(1 - 4 * t.area / pa, 1 - 4 * t.area / pb, 1 - 4 * t.area / pc))}},
        {278, {"1.Epstein-Punkt"}, kBlack},
        {279, {"1.Epstein-Punkt"}, kLime},
        {280, {"1.Epstein-Punkt-Lot-Dreieck"}, kGrey},
        {390,
         {"2.Epstein-Punkt"},
         kMaroon,
         {PointLine("2.Epstein-Punkt",
                    t.Tri(1 + 4 * t.area / pa, 1 + 4 * t.area / pb, 1 + 4 * t.area / pc))}},
        {264,
         {"Yff Zentralpunkt"},
         kMaroon,
         {PointLine("Yff Zentralpunkt", t.Tri(v + w - u, w + u - v, u + v - w))}},
        {265, {"1.Yff Zentraldreieckspunkt"}, kMaroon, {PointLine("1.Yff Zentraldreieckspunkt", yff1)}},
        {266,
         {"2.Yff Zentraldreieckspunkt"},
         kMaroon,
         {PointLine("2.Yff Zentraldreieckspunkt", t.Tri(w * (v + w), u * w, u * (u + v)))}},
        {267,
         {"3.Yff Zentraldreieckspunkt"},
         kMaroon,
         {PointLine("3.Yff Zentraldreieckspunkt", t.Tri(v * (v + w), u * (u + w), u * v))}},
        {268, {}, kBlue},
        {269, std::vector<std::string>(3, "Zentraldreieck-Linie"), kMaroon},
        {336, std::vector<std::string>(6, "Yff-Randdreieckspunkt"), kMaroon},
        {337, std::vector<std::string>(3, "Yff-Zentralgerade"), kLime},
        {338, std::vector<std::string>(3, "Yff-Rand-Dreieck"), kMaroon},
        {270,
         {"Parry-Punkt"},
         kMaroon,
         {PointLine("Parry-Punkt",
                    t.Tri(a / (2 * a2 - b2 - c2), b / (2 * b2 - c2 - a2), c / (2 * c2 - a2 - b2)))}},
        {271,
         {"Gleicher-Umfang-Punkt"},
         kMaroon,
         {PointLine("Gleicher-Umfang-Punkt", t.Tri(v * w / u - 1, w * u / v - 1, u * v / w - 1))}},
        {272, {"… Strecke nach A", "… Strecke nach B", "… Strecke nach C"}, kBlue},
        {273,
         {"Gleicher-Umweg-Punkt"},
         kMaroon,
         {PointLine("Gleicher-Umweg-Punkt", t.Tri(v * w / u + 1, w * u / v + 1, u * v / w + 1))}},
        {274, {"… Strecke nach A", "… Strecke nach B", "… Strecke nach C"}, kBlue},
        {275,
         {"Gleiche-Parallelen-Punkt"},
         kMaroon,
         {PointLine("Gleiche-Parallelen-Punkt",
                    t.Tri(b * c * (a * b + a * c - b * c), c * a * (a * b + b * c - c * a),
                          a * b * (b * c + c * a - a * b)))}},
        {276, std::vector<std::string>(3, "… Parallele"), kGreen},
        {277, std::vector<std::string>(6, "… Parallelen-Punkt"), kMaroon},
        // The Steiner data leave the pen black.
        {392,
         {"Feuerbach-Inkreis-Punkt"},
         kBlack,
         {PointLine("Feuerbach-Inkreis-Punkt",
                    t.Tri(1 - std::cos(t.beta - t.gamma), 1 - std::cos(t.gamma - t.alpha),
                          1 - std::cos(t.alpha - t.beta)))}},
        {393,
         {"Kimberling-Punkt X12"},
         kBlack,
         {PointLine("Kimberling-Punkt X12",
                    t.Tri(1 + std::cos(t.beta - t.gamma), 1 + std::cos(t.gamma - t.alpha),
                          1 + std::cos(t.alpha - t.beta)))}},
        {437,
         {"Kimberling-Punkt X37"},
         kBlack,
         {PointLine("Kimberling-Punkt X37", t.Tri(b + c, c + a, a + b))}},
        {394, {"Far-Out-Punkt X23"}, kBlack, {"Far-Out-Punkt X23\t( 15 | 0 )"}},
        {484,
         {"1.Griffiths-Punkt X1373"},
         kBlack,
         {PointLine("1.Griffiths-Punkt X1373",
                    t.Tri(1 + 8 * t.area / pa, 1 + 8 * t.area / pb, 1 + 8 * t.area / pc))}},
        // Barycentric a²/(b² - c²) : … = -2 : 5 : 3.
        {291, {"Kiepert-Fokus"}, kMaroon, {"Kiepert-Fokus\t( -1 | -2 )"}},
        {292, {}, kBlue},
        {293, {}, kBlue},
        {294, {}, kBlue},
        {295, {}, kBlue},
        {296, {}, kBlue},
        {297, {}, kBlue},
        {298, {}, kBlue},
        {299, std::vector<std::string>(3, "Steiner-Linie"), kMaroon},
        {300, std::vector<std::string>(3, "Kiepertparabel-Berührungspunkt"), kMaroon},
        {301, {"Steiner-Dreieck"}, kRed},
        {383,
         {"Steiner-Ellipse Brennpunkt f1", "Steiner-Ellipse Brennpunkt f2", "Steiner-Ellipse Brennweite"},
         kBlack},
        // The area is 4π/(3√3) times the triangle's.
        {384,
         {"Steiner-Ellipse Flächeninhalt", "1.Steiner-Achse", "2.Steiner-Achse",
          "Steiner-Ellipse große Halbachse", "Steiner-Ellipse kleine Halbachse"},
         kOrange,
         {"Steiner-Ellipse Flächeninhalt\t" + FormatReal(t.area * 4 * M_PI / (3 * std::sqrt(3.0)), 3)}},
        {400, std::vector<std::string>(4, "Steiner-Scheitelpunkt"), kBlack},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 41);
}

// The root of (a - u)(b - u)(c - u) = u³ between 0 and the shortest side, by bisection.
double YffRoot(double a, double b, double c) {
    double lo = 0, hi = std::min({a, b, c});
    for (int n = 0; n < 200; ++n) {
        const double mid = (lo + hi) / 2;
        ((a - mid) * (b - mid) * (c - mid) > mid * mid * mid ? lo : hi) = mid;
    }
    return lo;
}

TEST(YffTriangle, EveryEntryAloneDrawsAndWritesItsLines) {
    const Basic t;
    const double u = YffRoot(t.a, t.b, t.c);
    auto towards = [&](RealPoint p, RealPoint q, double side) {
        return RealPoint{p.x + u / side * (q.x - p.x), p.y + u / side * (q.y - p.y)};
    };
    const std::vector<EntryCase> cases{
        {339, {"Yff-Dreieck"}, kBlue},
        {340, std::vector<std::string>(3, "Yff-Transversale"), kGreen},
        {341,
         std::vector<std::string>(3, "Yff-Seitenpunkt"),
         kBlue,
         {PointLine("Yff-Seitenpunkt", towards(t.A, t.B, t.c)),
          PointLine("Yff-Seitenpunkt", towards(t.B, t.C, t.a)),
          PointLine("Yff-Seitenpunkt", towards(t.C, t.A, t.b))}},
        {342, {"Yff-Punkt"}, kBlue},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 4);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {690, 430}}, // obtuse at A
    {{460, 180}, {390, 420}, {300, 300}}, // right angle at C, legs 200 and 150
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
};

TEST(YffTriangle, CeviansMeetWithEqualDistancesFromTheVertices) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {342});
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint pAB = pt.precise[231], pBC = pt.precise[232], pCA = pt.precise[233],
                        Y = pt.precise[234];
        // BA' = CB' = AC' (the root is read back with five decimals).
        EXPECT_NEAR(Dist(A, pAB), Dist(B, pBC), 1e-4);
        EXPECT_NEAR(Dist(A, pAB), Dist(C, pCA), 1e-4);
        EXPECT_NEAR(Dist(A, pAB), YffRoot(Dist(B, C), Dist(C, A), Dist(A, B)), 1e-4);
        EXPECT_NEAR(LineDistance(pAB, A, B), 0, 1e-9 * Dist(A, B));
        // The third cevian passes through the meeting point of the other two.
        EXPECT_NEAR(LineDistance(Y, B, pCA), 0, 1e-3);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(KiepertParabola, TouchesTheSideLines) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {292});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint U = pt.precise[5], H = pt.precise[6];
        // The focus from its own barycentrics a²/(b² - c²) : …
        const double a2 = std::pow(Dist(B, C), 2), b2 = std::pow(Dist(C, A), 2), c2 = std::pow(Dist(A, B), 2);
        const RealPoint F = Barycentric(A, B, C, a2 / (b2 - c2), b2 / (c2 - a2), c2 / (a2 - b2));
        // A line touches a parabola when the focus mirrored in it lies on the directrix.
        const struct { RealPoint p, q; } sides[3] = {{B, C}, {C, A}, {A, B}};
        for (const auto& s : sides) {
            const double k = ((F.x - s.p.x) * (s.q.x - s.p.x) + (F.y - s.p.y) * (s.q.y - s.p.y)) /
                             std::pow(Dist(s.p, s.q), 2);
            const RealPoint foot{s.p.x + k * (s.q.x - s.p.x), s.p.y + k * (s.q.y - s.p.y)};
            EXPECT_NEAR(LineDistance({2 * foot.x - F.x, 2 * foot.y - F.y}, U, H), 0, 1e-6 * Dist(U, H));
        }
        // Every plotted pixel is as far from the focus as from the Euler line.
        int pixels = 0;
        for (const CanvasCall& c : p.calls) {
            if (c.kind != CanvasCall::Kind::LineTo || c.pen.color != kBlue) continue;
            const RealPoint X{double(c.x1 - 1), double(c.y1)};
            EXPECT_NEAR(Dist(X, F), LineDistance(X, U, H), 1.5);
            ++pixels;
        }
        EXPECT_GT(pixels, 100);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(SteinerEllipseData, CollinearVerticesGiveNoNaN) {
    Document doc = MakeDocument({510, 230}, {610, 230}, {810, 230}, {382, 383, 384, 400});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    for (const std::string& l : p.lines) {
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
    }
    EXPECT_NE(std::find(p.lines.begin(), p.lines.end(), "Steiner-Ellipse kleine Halbachse\t0"),
              p.lines.end());
    for (int slot = 290; slot <= 293; ++slot)
        EXPECT_FALSE(Present(doc.points, slot)) << slot;
}

TEST(SteinerEllipseData, IsoscelesTrianglesHaveTheirFociOnTheAxis) {
    // "0;2;-1,5;-1;1,5;-1": the centroid at the origin, the circumellipse x²/3 + y²/4 = 1 with its
    // foci (0 | ±1) and vertices (0 | ±2), (±1,732 | 0); the inellipse half of it. Turned a quarter
    // (the axis level), the same numbers on the other axis.
    const struct {
        Triangle t;
        std::vector<std::string> lines;
    } cases[] = {
        {{{410, 130}, {260, 430}, {560, 430}},
         {"Steiner-Scheitelpunkt\t( 0 | 2 )", "Steiner-Scheitelpunkt\t( 0 | -2 )", "Steiner-Scheitelpunkt\t( -1,732 | 0 )",
          "Steiner-Scheitelpunkt\t( 1,732 | 0 )", "Steiner-Ellipse Brennpunkt f1\t( 0 | 1 )",
          "Steiner-Ellipse Brennpunkt f2\t( 0 | -1 )", "Steiner-Ellipse Brennweite\t1",
          "Steiner-Innenellipse Brennpunkt\t( 0 | 0,5 )", "Steiner-Innenellipse Brennweite\t0,5"}},
        {{{610, 330}, {310, 180}, {310, 480}},
         {"Steiner-Ellipse Brennweite\t1", "Steiner-Innenellipse Brennweite\t0,5", "1.Steiner-Achse\tY = 0 ; Anstiegswinkel 0°"}},
    };
    for (const auto& c : cases) {
        Document doc = MakeDocument(c.t.a, c.t.b, c.t.c, {382, 383, 384, 400});
        const std::vector<std::string> lines = Paint(doc, kAreaWidth, kAreaHeight).lines;
        for (const std::string& expected : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
}

} // namespace
} // namespace trimora
