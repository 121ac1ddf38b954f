// The side squares: every catalogue entry on its own on A(1|2) B(-2|-1) C(2|-1) with its exact
// corners, centres and Grebe vertices; the Vecten lines meeting in one point and the squares
// outside whatever the orientation; the Grebe circles on the diagonal from vertex to Grebe vertex.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kTeal = Rgb(0x008080);
constexpr Color kGrebeCirclePen = Rgb(0x8080FF);

TEST(SideSquares, EveryEntryAloneDrawsAndWritesItsLines) {
    // The squares' outer corners: on AB next to A and B, on CA next to C and A, on BC next to B and C.
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    const RealPoint corners[6] = {{-2, 5}, {-5, 2}, {5, 0}, {4, 3}, {-2, -5}, {2, -5}};
    const RealPoint centres[3] = {Mid(A, corners[1]), Mid(C, corners[3]), Mid(B, corners[5])};
    const RealPoint vecten = Meet(B, centres[1], C, centres[0]);
    const RealPoint grebe1 = Meet(corners[0], corners[1], corners[2], corners[3]);
    std::vector<std::string> cornerLines;
    for (const RealPoint& p : corners)
        cornerLines.push_back(PointLine("Grebe-Punkt", p));

    const std::vector<EntryCase> cases{
        {361, std::vector<std::string>(6, "Grebe-Punkt"), kTeal, cornerLines},
        {362, {}, kBlack},
        {363,
         {"Grebe-Gerade", "Grebe-Gerade", "Grebe-Gerade"},
         kGreen,
         {"Grebe-Gerade\tY = 1 X +7 ; Anstiegswinkel 45°"}},
        {364, {}, kBlack},
        {365,
         {"Grebe-Dreieckspunkte", "Grebe-Dreieckspunkte", "Grebe-Dreieckspunkte", "Grebe-Dreieck"},
         kBlack,
         {PointLine("Grebe-Dreieckspunkte", grebe1), "Grebe-Dreieckspunkte\t( -12 | -5 )"}},
        // The circle at A has the diagonal from A to the Grebe vertex as its diameter.
        {372,
         {"Grebe-Umkreis", "Grebe-Umkreis", "Grebe-Umkreis"},
         kGrebeCirclePen,
         {PointLine("… Mittelpunkt", Mid(A, grebe1)), "… Radius\t" + FormatReal(Dist(A, grebe1) / 2, 3)}},
        {378,
         std::vector<std::string>(3, "Seitenquadrat-Schwerpunkt"),
         kBlack,
         {"Seitenquadrat-Schwerpunkt\t( -2 | 2 )", "Seitenquadrat-Schwerpunkt\t( 3 | 1 )",
          "Seitenquadrat-Schwerpunkt\t( 0 | -3 )"}},
        // The distances from the Vecten point come before the lines.
        {379,
         {"Abstand C-Vecten-Punkt", "Abstand B-Vecten-Punkt", "Abstand A-Vecten-Punkt", "Vecten-Linie",
          "Vecten-Linie", "Vecten-Linie"},
         kTeal,
         {"Abstand C-Vecten-Punkt\t" + FormatReal(Dist(C, vecten), 3),
          "Abstand B-Vecten-Punkt\t" + FormatReal(Dist(B, vecten), 3),
          "Abstand A-Vecten-Punkt\t" + FormatReal(Dist(A, vecten), 3)}},
        {380, {"Vecten-Punkt"}, kTeal, {PointLine("Vecten-Punkt", vecten)}},
        {381, {"Vecten-Dreieck"}, kOlive, {"… Dreiecksseitenlänge\t5"}},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 10);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{410, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {420, 460}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
};

TEST(SideSquares, VectenLinesMeetAndSquaresLieOutside) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        for (bool mirrored : {false, true}) {
            SCOPED_TRACE(checked);
            // The mirror image runs the other way round.
            const Triangle u =
                mirrored ? Triangle{{821 - t.a.x, t.a.y}, {821 - t.b.x, t.b.y}, {821 - t.c.x, t.c.y}} : t;
            Document doc = MakeDocument(u.a, u.b, u.c);
            Paint(doc, kAreaWidth, kAreaHeight);
            const PointTable& pt = doc.points;
            const RealPoint A = AsReal(u.a), B = AsReal(u.b), C = AsReal(u.c);
            // The three lines from a vertex to the opposite square's centre pass through V.
            const RealPoint V = pt.precise[273];
            EXPECT_LT(LineDistance(V, C, pt.precise[270]), 1e-6 * Dist(A, B));
            EXPECT_LT(LineDistance(V, B, pt.precise[271]), 1e-6 * Dist(A, B));
            EXPECT_LT(LineDistance(V, A, pt.precise[272]), 1e-6 * Dist(A, B));
            // Each square has the area of its side squared and lies away from the third vertex.
            const struct {
                RealPoint p, q, r;
                int c1, c2;
            } squares[3] = {{A, B, C, 244, 245}, {C, A, B, 246, 247}, {B, C, A, 248, 249}};
            for (const auto& s : squares) {
                const RealPoint c1 = pt.precise[s.c1], c2 = pt.precise[s.c2];
                EXPECT_NEAR(Dist(c1, c2), Dist(s.p, s.q), 1e-9);
                const double side = (s.q.x - s.p.x) * (c1.y - s.p.y) - (s.q.y - s.p.y) * (c1.x - s.p.x);
                const double third = (s.q.x - s.p.x) * (s.r.y - s.p.y) - (s.q.y - s.p.y) * (s.r.x - s.p.x);
                EXPECT_LT(side * third, 0);
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 10);
}

TEST(SideSquares, CollinearVerticesGiveNoSquares) {
    Document doc = MakeDocument({510, 230}, {610, 230}, {810, 230}, {361, 362, 365, 366, 372, 380});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    for (int slot : {244, 249, 250, 251, 252, 273})
        EXPECT_FALSE(Present(doc.points, slot)) << slot;
    for (const char* label :
         {"Grebe-Punkt", "Grebe-Dreieck", "Grebe-Linien", "Grebe-Umkreis", "Vecten-Punkt"})
        EXPECT_FALSE(FindLine(p.lines, label)) << label;
}

} // namespace
} // namespace trimora
