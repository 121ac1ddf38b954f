// The centroid triangles: every catalogue entry on A(1|2) B(-2|-1) C(2|-1), the fills in their
// order and colours, hatched with entry 333, and the six circumcentres on the Lamoen circle.
#include "world_points.h"

#include <gtest/gtest.h>

#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kLightGreen = Rgb(0xD0FFD0), kLightBlue = Rgb(0xD0D0FF);

// The circumcentre of three points, from the perpendicular bisectors.
RealPoint Circumcentre(RealPoint p, RealPoint q, RealPoint r) {
    auto bisector = [](RealPoint u, RealPoint v) {
        const RealPoint m = Mid(u, v);
        return std::pair{m, RealPoint{m.x - (v.y - u.y), m.y + (v.x - u.x)}};
    };
    const auto [m1, n1] = bisector(p, q);
    const auto [m2, n2] = bisector(q, r);
    return Meet(m1, n1, m2, n2);
}

TEST(CentroidTriangles, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, S{1.0 / 3, 0};
    // T1 = (A, S, midpoint of AB), T2 = (A, S, midpoint of AC); the midpoints are whole pixels here.
    const RealPoint t1 = Circumcentre(A, S, Mid(A, B)), t2 = Circumcentre(A, S, {1.5, 0.5});
    const std::vector<EntryCase> cases{
        // The fills have no outline; the pen keeps the colour the base measures left.
        {330, {}, kMagenta},
        {331,
         std::vector<std::string>(6, "Schwerpunktdreieck-Kreis"),
         kMagenta,
         {PointLine("… Mittelpunkt", t1), PointLine("… Mittelpunkt", t2)}},
        {332, {"Lamoen-Kreis"}, kRed},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 3);
}

TEST(CentroidTriangles, FillsAlternateAndAreHatchedOnRequest) {
    for (bool hatched : {false, true}) {
        Document doc = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {330});
        if (hatched) doc.SetOn(333);
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        std::vector<Brush> fills;
        for (const CanvasCall& c : p.calls)
            if (c.kind == CanvasCall::Kind::Polygon && c.points.size() == 3 && c.pen.style == PenStyle::Clear)
                fills.push_back(c.brush);
        ASSERT_EQ(fills.size(), 6u);
        for (std::size_t n = 0; n < 6; ++n) {
            EXPECT_EQ(fills[n].color, n % 2 == 0 ? kLightGreen : kLightBlue) << n;
            EXPECT_EQ(fills[n].style, hatched ? BrushStyle::BDiagonal : BrushStyle::Solid) << n;
        }
    }
}

TEST(CentroidTriangles, SixCircumcentresOnTheLamoenCircle) {
    const std::vector<Triangle> shapes{kBasic,
                                       {{350, 110}, {110, 430}, {670, 430}},
                                       {{410, 330}, {110, 430}, {710, 430}},
                                       {{123, 541}, {702, 97}, {455, 610}}};
    int checked = 0;
    for (const Triangle& t : shapes) {
        Document doc = MakeDocument(t.a, t.b, t.c, {331, 332});
        Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint L = doc.points.precise[221];
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c), S = doc.points.precise[7];
        auto mid = [](RealPoint p, RealPoint q) {
            return RealPoint{std::round(Mid(p, q).x), std::round(Mid(p, q).y)};
        };
        const RealPoint Sr{std::round(S.x), std::round(S.y)};
        const RealPoint centres[6] = {Circumcentre(A, Sr, mid(A, B)), Circumcentre(A, Sr, mid(A, C)),
                                      Circumcentre(B, Sr, mid(B, C)), Circumcentre(B, Sr, mid(A, B)),
                                      Circumcentre(C, Sr, mid(A, C)), Circumcentre(C, Sr, mid(B, C))};
        const double radius = Dist(L, centres[0]);
        // The whole-pixel centroid and midpoints bend the circle by a fraction of a pixel.
        for (const RealPoint& c : centres)
            EXPECT_NEAR(Dist(L, c), radius, 0.02 * radius) << checked;
        ++checked;
    }
    EXPECT_EQ(checked, 4);
}

} // namespace
} // namespace trimora
