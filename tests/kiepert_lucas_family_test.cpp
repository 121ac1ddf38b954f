// The Kiepert/Lucas family: every entry on its own on A(1|2) B(-2|-1) C(2|-1); the traced Kiepert
// hyperbola against its barycentric equation and through A, B, C, S, H; the Lucas circles touching
// the circumcircle and each other; the Conway circle through its six points; the An-In touch
// points on the incircle and the excircles; the second intersections with the Euler line and IU.
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kNavy = Rgb(0x000080);
constexpr Color kLightRed = Rgb(0xFF8080);

TEST(KiepertLucasFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    // U = (0 | 0), R = sqrt 5, H = (1 | 0): the Euler line is the x axis.
    const std::vector<EntryCase> cases{
        {399, {}, kMagenta},
        // Marks before the hexyl step keep the red pen that the Morley family leaves.
        {406, {"Kiepert-Zentrum"}, kRed},
        {407, {"Triplex-Punkt A", "Triplex-Punkt B", "Triplex-Punkt C"}, kRed},
        {433, std::vector<std::string>(2, "Kiepert-Hyperbelasymptotenpunkt"), kRed},
        {434, std::vector<std::string>(2, "Kiepert-Hyperbelasymptote"), kRed},
        {472, {"Kiepert-Punkt arctan 2"}, kBlack},
        // tan(-alpha) = -2: the perspector K(-alpha) is the vertex A.
        {473, {"Kiepert-Punkt arctan -2"}, kBlack, {"Kiepert-Punkt arctan -2\t( 1 | 2 )"}},
        {414, {"Lucas A-Kreis", "Lucas B-Kreis", "Lucas C-Kreis"}, kMagenta},
        {416, {"Lucas-Dreieck"}, kRed},
        {417, std::vector<std::string>(3, "Lucas-Berührungspunkt"), kRed},
        {418, {"Inneres Lucas-Dreieck"}, kRed},
        {419, {"Innerer Lucas-Kreis"}, kLime},
        {421, std::vector<std::string>(3, "Lucas-Kreis 2.Ordnung Kreis"), kRed},
        {422, std::vector<std::string>(3, "Lucas-Kreis 3.Ordnung Kreis"), kRed},
        {423, {"Lucas-Soddy-Kreis"}, kGreen},
        {424, std::vector<std::string>(3, "Lucas-Soddy-Berührungspunkt"), kRed},
        {425, std::vector<std::string>(9, "An-In-Kreis-Berührungspunkt"), kRed},
        {426, std::vector<std::string>(3, "An-In-Kreis"), kLime},
        {427, {"Äußeres Ankreis-Dreieck"}, kMagenta},
        {428, std::vector<std::string>(3, "Äußerer Ankreisdreieckpunkt"), kRed},
        {429, {"Äußeres Ankreisdreieckzentrum ÄAZ"}, kRed},
        {430, std::vector<std::string>(3, "An-In-Kreis-Perspektivzentren"), kBlack},
        {431, std::vector<std::string>(3, "ÄAD … Höhenstrecken"), kLime},
        {432, std::vector<std::string>(3, "ÄAZ … Kontaktpunktstrecken"), kMagenta},
        {435, std::vector<std::string>(2, "Brocardachse-Umkreispunkt"), kRed},
        {436, {"Moses-Kreis"}, kGrey},
        {438, {"Hexyl-Dreieck"}, kLightRed},
        {439, std::vector<std::string>(6, "Hexyl-Sechseckseite"), kRed},
        {440, std::vector<std::string>(3, "Hexyl-Punkt"), kBlack},
        // The hexyl circle is centred on I with twice the circumradius.
        {441, {"Hexyl-Kreis"}, kMagenta, {"… Radius\t4,472"}},
        {442, {"Hexyl-Inkreis"}, kBlue},
        {443, {"Conway-Kreis"}, kMagenta},
        {444, std::vector<std::string>(6, "Conway-Punkt"), kBlack},
        {446, {"Umkreis-In-Inversion"}, kMagenta},
        {447, std::vector<std::string>(3, "Seiten-Inkreis-Inversionskreis"), kNavy},
        {450,
         std::vector<std::string>(2, "Schnittpunkt Umkreis-Euler-Gerade"),
         kBlack,
         {"Schnittpunkt Umkreis-Euler-Gerade\t( 2,236 | 0 )",
          "Schnittpunkt Umkreis-Euler-Gerade\t( -2,236 | 0 )"}},
        {482, std::vector<std::string>(2, "Schnittpunkt Umkreis-IU-Gerade"), kBlack},
        {483, std::vector<std::string>(2, "Schnittpunkt Inkreis-IU-Gerade"), kBlack},
        {457, {"Lester-Kreis"}, kGreen},
        {462, {"Weill-Punkt"}, kBlack},
        {464, std::vector<std::string>(8, "Hofstadter-Trapezseite"), kMagenta},
        {465, {"Hofstadter-Trapezpunkt"}, kBlack},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 42);
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{380, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {390, 420}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene
};

// Barycentric coordinates of P (signed areas of PBC, APC, ABP).
std::array<double, 3> BarycentricOf(RealPoint p, RealPoint A, RealPoint B, RealPoint C) {
    auto area = [](RealPoint x, RealPoint y, RealPoint z) {
        return ((y.x - x.x) * (z.y - x.y) - (z.x - x.x) * (y.y - x.y)) / 2;
    };
    return {area(p, B, C), area(A, p, C), area(A, B, p)};
}

double SegmentDistance(RealPoint p, RealPoint p1, RealPoint p2) {
    const double len2 = (p2.x - p1.x) * (p2.x - p1.x) + (p2.y - p1.y) * (p2.y - p1.y);
    const double k =
        len2 > 0 ? std::clamp(((p.x - p1.x) * (p2.x - p1.x) + (p.y - p1.y) * (p2.y - p1.y)) / len2, 0.0, 1.0)
                 : 0;
    return Dist(p, {p1.x + k * (p2.x - p1.x), p1.y + k * (p2.y - p1.y)});
}

TEST(KiepertLucasFamily, HyperbolaSamplesSatisfyTheKiepertEquation) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {399});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const double a2 = (B.x - C.x) * (B.x - C.x) + (B.y - C.y) * (B.y - C.y),
                     b2 = (C.x - A.x) * (C.x - A.x) + (C.y - A.y) * (C.y - A.y),
                     c2 = (A.x - B.x) * (A.x - B.x) + (A.y - B.y) * (A.y - B.y);
        // (b² - c²) v w + (c² - a²) w u + (a² - b²) u v = 0, with its first-order distance in pixels.
        auto value = [&](RealPoint q) {
            const auto [u, v, w] = BarycentricOf(q, A, B, C);
            return (b2 - c2) * v * w + (c2 - a2) * w * u + (a2 - b2) * u * v;
        };
        auto distance = [&](RealPoint q) {
            const double gx = (value({q.x + 0.5, q.y}) - value({q.x - 0.5, q.y})),
                         gy = (value({q.x, q.y + 0.5}) - value({q.x, q.y - 0.5}));
            return std::fabs(value(q)) / std::hypot(gx, gy);
        };
        std::vector<RealPoint> samples;
        std::vector<std::pair<RealPoint, RealPoint>> strokes;
        for (const CanvasCall& c : p.calls) {
            if ((c.kind != CanvasCall::Kind::MoveTo && c.kind != CanvasCall::Kind::LineTo) ||
                c.pen.color != kMagenta)
                continue;
            const RealPoint q{double(c.x1), double(c.y1)};
            if (c.kind == CanvasCall::Kind::LineTo) strokes.push_back({samples.back(), q});
            samples.push_back(q);
        }
        ASSERT_GE(samples.size(), 600u);
        for (const RealPoint& q : samples) {
            if (q.x > -100 && q.y > -100 && q.x < kAreaWidth + 100 && q.y < kAreaHeight + 100) {
                EXPECT_LT(distance(q), 1.0) << q.x << "," << q.y;
            }
        }
        // Through A, B, C, the centroid and the orthocentre.
        const PointTable& pt = doc.points;
        for (RealPoint q : {A, B, C, pt.precise[kSlotCentroid], pt.precise[kSlotOrthocentre]}) {
            EXPECT_LT(distance(q), 1e-6);
            // The samples lie far apart near a vertex; the strokes between them pass close by. (The
            // obtuse triangle's H lies beyond the area, where nothing is traced.)
            if (q.y < 0) continue;
            double nearest = 1e9;
            for (const auto& [s1, s2] : strokes)
                nearest = std::min(nearest, SegmentDistance(q, s1, s2));
            EXPECT_LT(nearest, 2.0) << q.x << "," << q.y;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(KiepertLucasFamily, NearlyEquilateralTriangleHasNoHyperbola) {
    Document doc = MakeDocument({400, 100}, {227, 400}, {573, 400}, {399});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_TRUE(std::none_of(p.calls.begin(), p.calls.end(),
                             [](const CanvasCall& c) { return c.pen.color == kMagenta; }));
}

TEST(KiepertLucasFamily, LucasConwayAnInAndSecondIntersections) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {414, 443, 444, 450, 482, 483});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const RealPoint V[3] = {AsReal(t.a), AsReal(t.b), AsReal(t.c)};
        const RealPoint U = pt.precise[kSlotCircumcentre], I = pt.precise[kSlotIncentre],
                        H = pt.precise[kSlotOrthocentre];
        const double R = Dist(U, V[0]);
        const double tol = 1e-6 * R;

        // Each Lucas circle touches the circumcircle at its vertex and the other two at 322-324.
        double r[3];
        for (int k = 0; k < 3; ++k) {
            const RealPoint L = pt.precise[319 + k];
            r[k] = Dist(L, V[k]);
            EXPECT_NEAR(LineDistance(L, V[k], U), 0, tol) << k;
            EXPECT_NEAR(r[k] + Dist(L, U), R, tol) << k;
        }
        const int touch[3][3] = {{0, 1, 322}, {0, 2, 323}, {1, 2, 324}};
        for (const auto& q : touch) {
            const RealPoint L1 = pt.precise[319 + q[0]], L2 = pt.precise[319 + q[1]], T = pt.precise[q[2]];
            EXPECT_NEAR(Dist(L1, L2), r[q[0]] + r[q[1]], tol);
            EXPECT_NEAR(Dist(L1, T), r[q[0]], tol);
            EXPECT_NEAR(Dist(L2, T), r[q[1]], tol);
        }
        // The Lucas-Soddy point of each vertex lies on that vertex's Lucas circle.
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(Dist(pt.precise[326 + k], pt.precise[319 + k]), r[k], tol) << k;

        // The six Conway points lie on the drawn circle about I.
        const double rho = Dist(I, pt.precise[357]);
        for (int slot = 358; slot <= 362; ++slot)
            EXPECT_NEAR(Dist(I, pt.precise[slot]), rho, 1e-9 * rho) << slot;
        const auto conway = std::find(p.lines.begin(), p.lines.end(), "Conway-Kreis");
        ASSERT_LT(conway + 2, p.lines.end());
        EXPECT_NEAR(100 * ValueOf(conway[2]), rho, 0.6);

        // The An-In circles touch the incircle in 330, 333, 336.
        const double inradius = LineDistance(I, V[1], V[2]);
        for (int slot : {330, 333, 336})
            EXPECT_NEAR(Dist(I, pt.precise[slot]), inradius, tol) << slot;
        // 331 on the excircle opposite B, 334 on the one opposite A.
        EXPECT_NEAR(Dist(pt.precise[kSlotExcentreB], pt.precise[331]),
                    LineDistance(pt.precise[kSlotExcentreB], V[2], V[0]), 1e-4 * R);
        EXPECT_NEAR(Dist(pt.precise[kSlotExcentreA], pt.precise[334]),
                    LineDistance(pt.precise[kSlotExcentreA], V[1], V[2]), 1e-4 * R);

        // Second intersections: on the circle and the line, the pair symmetric about the centre.
        for (int slot : {367, 368, 389, 390})
            EXPECT_NEAR(Dist(U, pt.precise[slot]), R, tol) << slot;
        EXPECT_NEAR(LineDistance(pt.precise[367], U, H), 0, tol);
        EXPECT_NEAR(LineDistance(pt.precise[389], U, I), 0, tol);
        for (int slot : {391, 392}) {
            EXPECT_NEAR(Dist(I, pt.precise[slot]), inradius, tol) << slot;
            EXPECT_NEAR(LineDistance(pt.precise[slot], U, I), 0, tol) << slot;
        }
        EXPECT_EQ(std::count_if(p.lines.begin(), p.lines.end(),
                                [](const std::string& l) { return l.starts_with("Conway-Punkt\t"); }),
                  6);
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

} // namespace
} // namespace trimora
