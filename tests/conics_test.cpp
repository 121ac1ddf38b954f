// Conics of the triangle: every catalogue entry of the five-point conics, the Jerabek hyperbola, the
// Bézier parabolas and the Steiner ellipses on its own on A(1|2) B(-2|-1) C(2|-1); every traced
// sample against the implicit conic through the same five points (solved here by determinants),
// no stroke across an asymptote, and the Steiner ellipses against their parametric form.
#include "world_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace trimora {
namespace {

using namespace testing;

constexpr Color kNavy = Rgb(0x000080);

TEST(Conics, EveryEntryAloneDrawsAndWritesItsLines) {
    const RealPoint A{1, 2}, B{-2, -1}, C{2, -1};
    // Barycentric 1/(b² − c²) : 1/(c² − a²) : 1/(a² − b²) with a² = 16, b² = 10, c² = 18.
    const RealPoint steiner = Barycentric(A, B, C, 1 / (10.0 - 18), 1 / (18.0 - 16), 1 / (16.0 - 10));
    const std::vector<EntryCase> cases{
        {474, {}, kBlue},
        {475, {}, kBlue},
        {476, {}, kBlue},
        {477, {}, kBlue},
        {480, {}, kBlue},
        {481, {}, kBlue},
        // The centre lies on the nine-point circle about (0,5 | 0) with radius sqrt 5 / 2.
        {463, {"Jerabek-Zentrum"}, kBlue, {"Jerabek-Zentrum\t( 1 | 1 )"}},
        {478, {}, kMagenta},
        {479, {}, kGreen},
        {225, {}, kNavy},
        // The Steiner point is marked in the Malfatti family's last pen.
        {226, {"Steiner-Punkt"}, kGrey, {PointLine("Steiner-Punkt", steiner)}},
        // The inellipse's foci and measures come from the Steiner data of the Kiepert-parabola family.
        {382,
         {"Steiner-Innenellipse Brennpunkt", "Steiner-Innenellipse Brennpunkt", "Steiner-Innenellipse Brennweite",
          "Steiner-Innenellipse Flächeninhalt", "Steiner-Innenellipse große Halbachse",
          "Steiner-Innenellipse kleine Halbachse"},
         kNavy},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kBasic, c);
    EXPECT_EQ(run, 12);
}

// 5 x 5 determinant by elimination with partial pivoting.
double Determinant5(std::array<std::array<double, 5>, 5> m) {
    double det = 1;
    for (int col = 0; col < 5; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 5; ++row)
            if (std::fabs(m[row][col]) > std::fabs(m[pivot][col])) pivot = row;
        if (m[pivot][col] == 0) return 0;
        if (pivot != col) std::swap(m[pivot], m[col]), det = -det;
        det *= m[col][col];
        for (int row = col + 1; row < 5; ++row) {
            const double f = m[row][col] / m[col][col];
            for (int k = col; k < 5; ++k)
                m[row][k] -= f * m[col][k];
        }
    }
    return det;
}

// k0 x² + k1 xy + k2 y² + k3 x + k4 y + k5 = 0 through five points, in coordinates about the
// points' mean scaled by their spread.
struct Conic {
    std::array<double, 6> k{};
    RealPoint origin;
    double scale = 1;

    explicit Conic(const std::array<RealPoint, 5>& p) {
        for (const RealPoint& q : p)
            origin.x += q.x / 5, origin.y += q.y / 5;
        scale = 0;
        for (const RealPoint& q : p)
            scale = std::max(scale, Dist(q, origin));
        std::array<std::array<double, 6>, 5> rows;
        for (int i = 0; i < 5; ++i) {
            const double x = (p[i].x - origin.x) / scale, y = (p[i].y - origin.y) / scale;
            rows[i] = {x * x, x * y, y * y, x, y, 1};
        }
        // The null vector: signed minors of the 5 x 6 matrix.
        for (int j = 0; j < 6; ++j) {
            std::array<std::array<double, 5>, 5> minor;
            for (int i = 0; i < 5; ++i)
                for (int c = 0, d = 0; c < 6; ++c)
                    if (c != j) minor[i][d++] = rows[i][c];
            k[j] = (j % 2 ? -1 : 1) * Determinant5(minor);
        }
    }
    double Value(RealPoint q) const {
        const double x = (q.x - origin.x) / scale, y = (q.y - origin.y) / scale;
        return k[0] * x * x + k[1] * x * y + k[2] * y * y + k[3] * x + k[4] * y + k[5];
    }
    // First-order distance from the curve, in pixels.
    double Distance(RealPoint q) const {
        const double x = (q.x - origin.x) / scale, y = (q.y - origin.y) / scale;
        const double gx = 2 * k[0] * x + k[1] * y + k[3], gy = k[1] * x + 2 * k[2] * y + k[4];
        return std::fabs(Value(q)) / std::hypot(gx, gy) * scale;
    }
    bool IsHyperbola() const { return k[1] * k[1] - 4 * k[0] * k[2] > 0; }
    RealPoint Centre() const {
        const double det = 4 * k[0] * k[2] - k[1] * k[1];
        const double x = (-2 * k[2] * k[3] + k[1] * k[4]) / det, y = (k[1] * k[3] - 2 * k[0] * k[4]) / det;
        return {origin.x + x * scale, origin.y + y * scale};
    }
};

// Distance of P from the segment P1 P2.
double SegmentDistance(RealPoint p, RealPoint p1, RealPoint p2) {
    const double len2 = (p2.x - p1.x) * (p2.x - p1.x) + (p2.y - p1.y) * (p2.y - p1.y);
    const double k =
        len2 > 0 ? std::clamp(((p.x - p1.x) * (p2.x - p1.x) + (p.y - p1.y) * (p2.y - p1.y)) / len2, 0.0, 1.0)
                 : 0;
    return Dist(p, {p1.x + k * (p2.x - p1.x), p1.y + k * (p2.y - p1.y)});
}

std::vector<CanvasCall> Strokes(const Painted& p, Color pen, PenStyle style = PenStyle::Solid) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : p.calls)
        if ((c.kind == CanvasCall::Kind::MoveTo || c.kind == CanvasCall::Kind::LineTo) &&
            c.pen.color == pen && c.pen.style == style)
            out.push_back(c);
    return out;
}

const std::vector<Triangle> kShapes{
    kBasic,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{380, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{300, 100}, {700, 400}, {300, 400}}, // right angle at C
    {{100, 300}, {700, 300}, {350, 260}}, // nearly flat
};

TEST(Conics, SamplesLieOnTheConicThroughTheFivePoints) {
    const struct {
        int entry;
        std::array<int, 5> slots; // 0, 1, 2 read as the vertices' screen points for the Jerabek hyperbola
    } conics[7] = {{474, {1, 2, 3, 4, 5}}, {475, {1, 2, 4, 5, 6}},    {476, {1, 3, 4, 5, 6}},
                   {477, {2, 3, 4, 5, 6}}, {480, {4, 5, 59, 94, 95}}, {481, {1, 2, 3, 4, 6}},
                   {463, {1, 2, 3, 6, 5}}};
    int checked = 0, traced = 0;
    for (const Triangle& t : kShapes) {
        for (const auto& c : conics) {
            SCOPED_TRACE("entry " + std::to_string(c.entry) + " shape " + std::to_string(checked / 7));
            Document doc = MakeDocument(t.a, t.b, t.c, {c.entry});
            const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
            std::array<RealPoint, 5> five;
            for (int n = 0; n < 5; ++n)
                five[n] = doc.points.precise[c.slots[n]];
            const std::vector<CanvasCall> strokes = Strokes(p, kBlue);
            ++checked;

            // Five points that fix no proper conic draw nothing: two of them coincide (H = C at a
            // right angle) or three lie on one line (U on the hypotenuse).
            bool proper = true;
            for (int i = 0; i < 5; ++i)
                for (int j = i + 1; j < 5; ++j)
                    for (int k = 0; k < 5; ++k)
                        if (k != i && k != j && LineDistance(five[k], five[i], five[j]) < 1e-3)
                            proper = false;
            if (!proper) {
                EXPECT_TRUE(strokes.empty());
                continue;
            }
            ASSERT_GT(strokes.size(), 20u);
            ++traced;

            const Conic conic(five);
            for (const CanvasCall& s : strokes)
                EXPECT_LT(conic.Distance({double(s.x1), double(s.y1)}), 1.0) << s.x1 << "," << s.y1;

            // No stroke runs through the region between the branches of a hyperbola, where the
            // conic's equation has the sign it has at the centre.
            if (!conic.IsHyperbola()) continue;
            const bool centreSign = conic.Value(conic.Centre()) > 0;
            for (const CanvasCall& s : strokes) {
                if (s.kind != CanvasCall::Kind::LineTo) continue;
                for (int k = 1; k < 10; ++k) {
                    const RealPoint q{s.x2 + k * (s.x1 - s.x2) / 10.0, s.y2 + k * (s.y1 - s.y2) / 10.0};
                    if ((conic.Value(q) > 0) == centreSign) {
                        EXPECT_LT(conic.Distance(q), 2.0) << q.x << "," << q.y;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 35);
    EXPECT_GE(traced, 25);
}

// The circumellipse S + u cos θ + v sin θ with u = A − S, v = (B − C)/√3 passes through A (θ = 0), B
// and C (θ = ±120°); the inellipse, half its size, touches the sides at their midpoints (θ = 180°,
// ±60°). Every sample lies on it, and the strokes pass through those three points.
TEST(Conics, SteinerEllipsesThroughTheVerticesAndTouchingTheSidesAtTheirMidpoints) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
        const RealPoint S{(A.x + B.x + C.x) / 3, (A.y + B.y + C.y) / 3};
        for (int entry : {225, 382}) {
            SCOPED_TRACE(std::to_string(checked) + " entry " + std::to_string(entry));
            Document doc = MakeDocument(t.a, t.b, t.c, {entry});
            const bool inner = entry == 382;
            const std::vector<CanvasCall> strokes =
                Strokes(Paint(doc, kAreaWidth, kAreaHeight), kNavy, inner ? PenStyle::Dot : PenStyle::Solid);
            ASSERT_GT(strokes.size(), 300u);
            const double k = inner ? 0.5 : 1, r3 = std::sqrt(3.0);
            const RealPoint u{k * (A.x - S.x), k * (A.y - S.y)},
                v{k * (B.x - C.x) / r3, k * (B.y - C.y) / r3};
            const double det = u.x * v.y - u.y * v.x;
            for (const CanvasCall& c : strokes) {
                // (cos θ, sin θ) = e is linear in the sample; first-order distance from |e| = 1.
                const double dx = c.x1 - S.x, dy = c.y1 - S.y;
                const RealPoint e{(dx * v.y - dy * v.x) / det, (u.x * dy - u.y * dx) / det};
                const double gx = 2 * (e.x * v.y - e.y * u.y) / det, gy = 2 * (-e.x * v.x + e.y * u.x) / det;
                EXPECT_LT(std::fabs(e.x * e.x + e.y * e.y - 1) / std::hypot(gx, gy), 1.0)
                    << c.x1 << "," << c.y1;
            }
            for (const RealPoint& through :
                 {inner ? Mid(B, C) : A, inner ? Mid(C, A) : B, inner ? Mid(A, B) : C}) {
                double nearest = 1e9;
                for (const CanvasCall& c : strokes)
                    if (c.kind == CanvasCall::Kind::LineTo)
                        nearest = std::min(nearest, SegmentDistance(through, {double(c.x2), double(c.y2)},
                                                                    {double(c.x1), double(c.y1)}));
                EXPECT_LT(nearest, 1.5) << through.x << "," << through.y;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

TEST(Conics, IsoscelesTriangleHasNoSteinerPoint) {
    Document doc = MakeDocument({410, 100}, {210, 430}, {610, 430}, {226});
    EXPECT_FALSE(FindLine(Paint(doc, kAreaWidth, kAreaHeight).lines, "Steiner-Punkt"));
    EXPECT_EQ(doc.points.screen[151], (IntPoint{-100, -100}));
}

} // namespace
} // namespace trimora
