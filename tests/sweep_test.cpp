// Geometric truths on random triangles, and a sweep over random, degenerate, tiny and huge
// triangles with every catalogue entry on.
#include "draw/point_table.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <random>

namespace trimora {
namespace {

using testing::MakeDocument;
using testing::Paint;

double Dist(RealPoint p, RealPoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

double LineDistance(RealPoint p, RealPoint a, RealPoint b) {
    return std::fabs((b.x - a.x) * (a.y - p.y) - (a.x - p.x) * (b.y - a.y)) / Dist(a, b);
}

// Random triangles well inside an 821 x 660 area with no angle below about 5 degrees.
std::vector<std::array<IntPoint, 3>> RandomTriangles(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> x(60, 760), y(60, 600);
    std::vector<std::array<IntPoint, 3>> out;
    while (static_cast<int>(out.size()) < count) {
        std::array<IntPoint, 3> t{IntPoint{x(rng), y(rng)}, IntPoint{x(rng), y(rng)}, IntPoint{x(rng), y(rng)}};
        const RealPoint a{double(t[0].x), double(t[0].y)}, b{double(t[1].x), double(t[1].y)},
                        c{double(t[2].x), double(t[2].y)};
        const double area2 = std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
        const double longest = std::max({Dist(a, b), Dist(b, c), Dist(c, a)});
        if (longest > 40 && area2 / (longest * longest) > 0.1) out.push_back(t);
    }
    return out;
}

TEST(ClassicCentres, InvariantsOnRandomTriangles) {
    const auto triangles = RandomTriangles(200, 7);
    int checked = 0;
    for (const auto& t : triangles) {
        Document doc = MakeDocument(t[0], t[1], t[2], {12, 13, 14, 15, 16, 17, 20, 21});
        Paint(doc, 821, 660);
        const PointTable& pt = doc.points;
        const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
        const RealPoint U = pt.precise[kSlotCircumcentre], I = pt.precise[kSlotIncentre],
                        H = pt.precise[kSlotOrthocentre], S = pt.precise[kSlotCentroid],
                        N = pt.precise[kSlotNinePoint];
        const double scale = Dist(A, B) + Dist(B, C) + Dist(C, A);
        const double tol = 1e-9 * scale;
        // U is equidistant from the vertices.
        EXPECT_NEAR(Dist(U, A), Dist(U, B), tol);
        EXPECT_NEAR(Dist(U, A), Dist(U, C), tol);
        // I is equidistant from the side lines.
        EXPECT_NEAR(LineDistance(I, B, C), LineDistance(I, C, A), tol);
        EXPECT_NEAR(LineDistance(I, B, C), LineDistance(I, A, B), tol);
        // H lies on every altitude; the altitude ends are whole pixels, so allow a pixel's slack.
        EXPECT_NEAR((H.x - A.x) * (C.x - B.x) + (H.y - A.y) * (C.y - B.y), 0, 2 * scale);
        // Euler line: S between U and H with SH = 2 US, and N the midpoint of U and H.
        EXPECT_NEAR(H.x - S.x, 2 * (S.x - U.x), 0.02 * scale);
        EXPECT_NEAR(H.y - S.y, 2 * (S.y - U.y), 0.02 * scale);
        EXPECT_NEAR(N.x, (U.x + H.x) / 2, 0.01 * scale);
        EXPECT_NEAR(N.y, (U.y + H.y) / 2, 0.01 * scale);
        ++checked;
    }
    EXPECT_EQ(checked, 200);
}

TEST(ClassicCentres, RightAndEquilateralTriangles) {
    // Right angle at C: U is the midpoint of the hypotenuse, the circumradius half its length.
    Document right = MakeDocument({300, 100}, {600, 500}, {300, 500}, {17});
    const auto lines = Paint(right, 821, 660).lines;
    EXPECT_EQ(right.points.precise[kSlotCircumcentre], (RealPoint{450, 300}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "… Radius\t2,5"), lines.end());

    // Equilateral: I, U, S and N coincide (to the pixel).
    Document eq = MakeDocument({400, 100}, {227, 400}, {573, 400}, {20});
    Paint(eq, 821, 660);
    for (int slot : {kSlotIncentre, kSlotCircumcentre, kSlotNinePoint})
        EXPECT_EQ(eq.points.screen[slot], eq.points.screen[kSlotCentroid]) << slot;
}

TEST(ClassicCentres, EulerCirclesAroundTheSideMidpoints) {
    Document doc = MakeDocument({510, 130}, {210, 430}, {610, 430}, {497});
    const auto lines = Paint(doc, 821, 660).lines;
    // Circumradius of A(1|2), B(-2|-1), C(2|-1): a / (2 sin alpha) = 4 / (2 * 0.894427) = 2.236068.
    const std::vector<std::string> expected{"Euler-Kreis", "… Mittelpunkt\t( -0,5 | 0,5 )", "… Radius\t1,118",
                                            "… Flächeninhalt\t3,927", "Euler-Kreis", "… Mittelpunkt\t( 1,5 | 0,5 )",
                                            "… Radius\t1,118", "… Flächeninhalt\t3,927", "Euler-Kreis",
                                            "… Mittelpunkt\t( 0 | -1 )", "… Radius\t1,118",
                                            "… Flächeninhalt\t3,927"};
    const auto first = std::find(lines.begin(), lines.end(), "Euler-Kreis");
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(std::vector<std::string>(first, lines.end()), expected);
}

bool HasNonFiniteText(const std::string& line) {
    std::string lower(line);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

TEST(Sweep, EveryEntryOnRandomAndDegenerateTriangles) {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> kind(0, 6);
    std::uniform_int_distribution<int> pixel(-50, 900);
    std::uniform_int_distribution<int> huge(-100000, 100000);
    std::uniform_int_distribution<int> tiny(0, 3);
    Document doc;
    doc.checked.set();
    int runs = 0;
    for (int n = 0; n < 1000; ++n) {
        IntPoint a{pixel(rng), pixel(rng)}, b{pixel(rng), pixel(rng)}, c{pixel(rng), pixel(rng)};
        switch (kind(rng)) {
        case 0: c = {(a.x + b.x) / 2, (a.y + b.y) / 2}; break;        // collinear
        case 1: b = a; break;                                          // coincident
        case 2: b = {a.x + tiny(rng), a.y + tiny(rng)}; c = {a.x + tiny(rng), a.y + 1}; break; // tiny
        case 3: a = {huge(rng), huge(rng)}; b = {huge(rng), huge(rng)}; break;              // huge
        case 4: c = {a.x, b.y}; break;                                 // right angle, axis-parallel sides
        default: break;
        }
        doc.points.screen[kSlotA] = a;
        doc.points.screen[kSlotB] = b;
        doc.points.screen[kSlotC] = c;
        doc.view.showTrilinear = n % 2 == 0;
        RecordingCanvas canvas(821, 660);
        PaintDocument(doc, canvas, true);
        for (std::size_t i = 0; i < doc.results.Size(); ++i)
            ASSERT_FALSE(HasNonFiniteText(doc.results[i])) << doc.results[i] << " run " << n;
        for (const CanvasCall& call : canvas.Calls()) {
            for (int v : {call.x1, call.y1, call.x2, call.y2}) ASSERT_LE(std::abs(v), 100000) << "run " << n;
            for (const IntPoint& p : call.points) ASSERT_LE(std::max(std::abs(p.x), std::abs(p.y)), 100000);
        }
        ++runs;
    }
    EXPECT_EQ(runs, 1000);
}

} // namespace
} // namespace trimora
