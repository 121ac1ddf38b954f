// The Malfatti family: every catalogue entry on its own with exact values on A(1|2) B(-2|-1)
// C(2|-1) from the radii r/(2(s-a)) (s - r + |IA| - |IB| - |IC|) and cyclically, and on other
// shapes each circle touches two sides and the other two circles.
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kTeal = Rgb(0x008080); // the Brocard family's last pen, which carries over

// The three Malfatti circles of a triangle (any unit), each on the bisector of its vertex.
struct Malfatti {
    RealPoint centre[3];
    double radius[3];
};
Malfatti MalfattiOf(RealPoint A, RealPoint B, RealPoint C) {
    const RealPoint V[3] = {A, B, C};
    const double side[3] = {Dist(B, C), Dist(C, A), Dist(A, B)};
    const double s = (side[0] + side[1] + side[2]) / 2, r = Area(A, B, C) / s;
    const RealPoint I = Barycentric(A, B, C, side[0], side[1], side[2]);
    const double d[3] = {Dist(I, A), Dist(I, B), Dist(I, C)};
    Malfatti m;
    for (int n = 0; n < 3; ++n) {
        m.radius[n] = r / (2 * (s - side[n])) * (s - r + d[n] - d[(n + 1) % 3] - d[(n + 2) % 3]);
        const double t = m.radius[n] / r; // the centre divides V I in the ratio of the radii
        m.centre[n] = {V[n].x + t * (I.x - V[n].x), V[n].y + t * (I.y - V[n].y)};
    }
    return m;
}

RealPoint Towards(RealPoint p, RealPoint q, double t) {
    return {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
}

TEST(MalfattiFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const double a = 4, b = std::sqrt(10.0), c = 3 * std::sqrt(2.0);
    const Malfatti m = MalfattiOf(A, B, C);
    const RealPoint* M = m.centre;
    const double* r = m.radius;
    const RealPoint I = Barycentric(A, B, C, a, b, c), Ib = Barycentric(A, B, C, a, -b, c),
                    Ic = Barycentric(A, B, C, a, b, -c);
    const RealPoint tab = Towards(M[0], M[1], r[0] / (r[0] + r[1])),
                    tac = Towards(M[0], M[2], r[0] / (r[0] + r[2]));
    const RealPoint first = Meet(tac, B, tab, C), second = Meet(tac, Ib, tab, Ic);
    // The touch point of the A-circle on AB, at the tangent length r_A cot(alpha / 2) from A.
    const double tA = Dist(A, M[0]) * Dist(A, M[0]) - r[0] * r[0];
    const RealPoint touchAB = Towards(A, B, std::sqrt(tA) / c);

    const std::vector<std::string> circle(3, "Malfatti-Kreis");
    const std::vector<std::string> six(6, "Berührungspunkt eines Malfatti-Kreises");
    const std::vector<EntryCase> cases{
        {193, {}, kRed},
        {194,
         circle,
         kBlue,
         {PointLine("… Mittelpunkt", M[0]), "… Radius\t" + FormatReal(r[0], 3),
          PointLine("… Mittelpunkt", M[1]), "… Radius\t" + FormatReal(r[1], 3),
          PointLine("… Mittelpunkt", M[2]), "… Radius\t" + FormatReal(r[2], 3)}},
        {195, six, kTeal, {PointLine(six[0], touchAB)}},
        {196, {"Malfatti-Dreieck"}, kGrey},
        {197, std::vector<std::string>(3, "Malfatti-Linie"), kGrey},
        {198, {"Ajima-Punkt"}, kGreen, {PointLine("Ajima-Punkt", I)}},
        {199, {"Ajima-Punkt"}, kBlack},
        {200, {"Ajima-Punkt"}, kLime},
        {201, {"Ajima-Punkt-Lot-Dreieck"}, kGrey},
        {202,
         std::vector<std::string>(3, "Berührungspunkt zweier Malfatti-Kreise"),
         kGrey,
         {PointLine("Berührungspunkt zweier Malfatti-Kreise", tab)}},
        {203, {"1.Ajima-Malfatti-Punkt"}, kGrey, {PointLine("1.Ajima-Malfatti-Punkt", first)}},
        {204, std::vector<std::string>(3, "1.Ajima-Malfatti-Linie"), kGrey},
        {205, {"2.Ajima-Malfatti-Punkt"}, kGrey, {PointLine("2.Ajima-Malfatti-Punkt", second)}},
        {206, std::vector<std::string>(3, "2.Ajima-Malfatti-Linie"), kGrey},
        {207, {"1.Ajima-Malfatti-Punkt"}, kBlack},
        {208, {"1.Ajima-Malfatti-Punkt"}, kLime},
        {209, {"1.Ajima-Malfatti-Punkt-Lot-Dreieck"}, kGrey},
        {210, {"2.Ajima-Malfatti-Punkt"}, kBlack},
        {211, {"2.Ajima-Malfatti-Punkt"}, kLime},
        {212, {"2.Ajima-Malfatti-Punkt-Lot-Dreieck"}, kGrey},
    };
    int run = 0;
    for (const EntryCase& e : cases)
        run += CheckEntryCase(kBasic, e);
    EXPECT_EQ(run, 20);
}

TEST(MalfattiFamily, CirclesTouchTwoSidesAndEachOther) {
    const std::vector<Triangle> shapes{
        {{350, 110}, {110, 430}, {670, 430}}, // acute
        {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
        {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
        {{100, 300}, {700, 300}, {400, 306}}, // nearly flat
    };
    int checked = 0;
    for (const Triangle& t : shapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {193});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint* M = &doc.points.precise[137]; // MA, MB, MC
        const RealPoint* T = &doc.points.precise[131]; // two touch points per circle
        const RealPoint V[3] = {AsReal(t.a), AsReal(t.b), AsReal(t.c)};
        const double r[3] = {Dist(M[0], T[0]), Dist(M[1], T[2]), Dist(M[2], T[4])};
        const int sides[3][2][2] = {{{0, 1}, {0, 2}}, {{0, 1}, {1, 2}}, {{2, 0}, {2, 1}}};
        for (int n = 0; n < 3; ++n) {
            const double tol = 1e-6 * (r[n] + 1);
            EXPECT_NEAR(r[n], MalfattiOf(V[0], V[1], V[2]).radius[n], tol) << n;
            for (int k = 0; k < 2; ++k) { // both touch points on their sides, the circle tangent there
                const RealPoint P = V[sides[n][k][0]], Q = V[sides[n][k][1]];
                EXPECT_NEAR(LineDistance(T[2 * n + k], P, Q), 0, tol) << n;
                EXPECT_NEAR(LineDistance(M[n], P, Q), r[n], tol) << n;
                EXPECT_NEAR(Dist(M[n], T[2 * n + k]), r[n], tol) << n;
            }
            EXPECT_NEAR(Dist(M[n], M[(n + 1) % 3]), r[n] + r[(n + 1) % 3], 1e-6 * r[n]) << n;
        }
        EXPECT_EQ(std::count_if(p.calls.begin(), p.calls.end(),
                                [](const CanvasCall& c) { return c.kind == CanvasCall::Kind::Ellipse; }),
                  3);
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

TEST(MalfattiFamily, NoSecondAjimaMalfattiPointFromExcentresOfAnEarlierTriangle) {
    // A 30-pixel triangle has no excentres: slots 94 to 96 still hold those of the basic triangle.
    Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {203, 205});
    EXPECT_TRUE(FindLine(Paint(doc, kAreaWidth, kAreaHeight).lines, "2.Ajima-Malfatti-Punkt"));
    doc.points.screen[kSlotB] = {440, 330};
    doc.points.screen[kSlotC] = {410, 300};
    doc.points.screen[kSlotA] = {410, 330};
    const Painted tiny = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_TRUE(FindLine(tiny.lines, "1.Ajima-Malfatti-Punkt"));
    EXPECT_FALSE(FindLine(tiny.lines, "2.Ajima-Malfatti-Punkt"));
}

} // namespace
} // namespace trimora
